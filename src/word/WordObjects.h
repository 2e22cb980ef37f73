// The Word contract: Word's object model, reduced to the members this program calls, as
// C++ interfaces named after Word's own. The generator and the preview drive a document
// only through these; the built-in engine (engine/) implements them, and tests may put
// stand-ins of their own behind them.
//
// Every member has a default body that throws "Object doesn't support this property or
// method", as a late-bound call on an object without that member would, so a stand-in
// implements only what it needs. Objects are reached through `Ref<T>` handles.
#pragma once

#include <QString>
#include <QVariant>

#include "word/Automation.h"
#include "word/WordConstants.h"

namespace word {

class Application;
class Cells;
class Column;
class Document;
class Documents;
class Font;
class HeaderFooter;
class ListFormat;
class ListLevel;
class ListTemplate;
class ListTemplates;
class PageNumbers;
class ParagraphFormat;
class Paragraphs;
class Range;
class Row;
class Section;
class Selection;
class Shading;
class Table;
class Tables;
class TabStop;
class Window;

#define WORD_UNSUPPORTED(member) notSupported(member)

class Font {
 public:
  virtual ~Font() = default;
  // Booleans take Word's values: 0 false, any other true, wdUndefined "from elsewhere".
  virtual void SetBold(long) { WORD_UNSUPPORTED("Font.Bold"); }
  virtual long Bold() { WORD_UNSUPPORTED("Font.Bold"); }
  virtual void SetItalic(long) { WORD_UNSUPPORTED("Font.Italic"); }
  virtual void SetStrikethrough(long) { WORD_UNSUPPORTED("Font.Strikethrough"); }
  virtual void SetSubscript(long) { WORD_UNSUPPORTED("Font.Subscript"); }
  virtual void SetSuperscript(long) { WORD_UNSUPPORTED("Font.Superscript"); }
  virtual void SetShadow(long) { WORD_UNSUPPORTED("Font.Shadow"); }
  virtual void SetOutline(long) { WORD_UNSUPPORTED("Font.Outline"); }
  virtual void SetEmboss(long) { WORD_UNSUPPORTED("Font.Emboss"); }
  virtual void SetEngrave(long) { WORD_UNSUPPORTED("Font.Engrave"); }
  virtual void SetAllCaps(long) { WORD_UNSUPPORTED("Font.AllCaps"); }
  virtual void SetHidden(long) { WORD_UNSUPPORTED("Font.Hidden"); }
  virtual void SetUnderline(long) { WORD_UNSUPPORTED("Font.Underline"); }
  virtual void SetColor(long) { WORD_UNSUPPORTED("Font.Color"); }
  virtual void SetSize(double) { WORD_UNSUPPORTED("Font.Size"); }
  virtual double Size() { WORD_UNSUPPORTED("Font.Size"); }
  virtual void SetAnimation(long) { WORD_UNSUPPORTED("Font.Animation"); }
  virtual void SetDoubleStrikeThrough(long) { WORD_UNSUPPORTED("Font.DoubleStrikeThrough"); }
  virtual void SetName(const QString&) { WORD_UNSUPPORTED("Font.Name"); }
  virtual QString Name() { WORD_UNSUPPORTED("Font.Name"); }
};

class TabStop {
 public:
  virtual ~TabStop() = default;
  virtual void SetPosition(double) { WORD_UNSUPPORTED("TabStop.Position"); }
  virtual double Position() { WORD_UNSUPPORTED("TabStop.Position"); }
};

class ParagraphFormat {
 public:
  virtual ~ParagraphFormat() = default;
  virtual void SetAlignment(int) { WORD_UNSUPPORTED("ParagraphFormat.Alignment"); }
  virtual int Alignment() { WORD_UNSUPPORTED("ParagraphFormat.Alignment"); }
  virtual void SetLineSpacingRule(int) { WORD_UNSUPPORTED("ParagraphFormat.LineSpacingRule"); }
  virtual void SetLineSpacing(double) { WORD_UNSUPPORTED("ParagraphFormat.LineSpacing"); }
  virtual void SetSpaceBeforeAuto(long) { WORD_UNSUPPORTED("ParagraphFormat.SpaceBeforeAuto"); }
  virtual void SetSpaceAfterAuto(long) { WORD_UNSUPPORTED("ParagraphFormat.SpaceAfterAuto"); }
  virtual void SetFirstLineIndent(double) { WORD_UNSUPPORTED("ParagraphFormat.FirstLineIndent"); }
  virtual void SetLeftIndent(double) { WORD_UNSUPPORTED("ParagraphFormat.LeftIndent"); }
  // The tab stop at the given position, in points.
  virtual Ref<TabStop> TabStops(double) { WORD_UNSUPPORTED("ParagraphFormat.TabStops"); }
};

class PageNumbers {
 public:
  virtual ~PageNumbers() = default;
  virtual void Add(int /*PageNumberAlignment*/, bool /*FirstPage*/) {
    WORD_UNSUPPORTED("PageNumbers.Add");
  }
};

class HeaderFooter {
 public:
  virtual ~HeaderFooter() = default;
  virtual Ref<word::PageNumbers> PageNumbers() { WORD_UNSUPPORTED("HeaderFooter.PageNumbers"); }
};

class Section {
 public:
  virtual ~Section() = default;
  virtual Ref<HeaderFooter> Headers(int) { WORD_UNSUPPORTED("Section.Headers"); }
};

class ListLevel {
 public:
  virtual ~ListLevel() = default;
  virtual void SetNumberFormat(const QString&) { WORD_UNSUPPORTED("ListLevel.NumberFormat"); }
  virtual void SetTrailingCharacter(int) { WORD_UNSUPPORTED("ListLevel.TrailingCharacter"); }
  virtual void SetNumberStyle(int) { WORD_UNSUPPORTED("ListLevel.NumberStyle"); }
  virtual void SetNumberPosition(double) { WORD_UNSUPPORTED("ListLevel.NumberPosition"); }
  virtual void SetAlignment(int) { WORD_UNSUPPORTED("ListLevel.Alignment"); }
  virtual void SetTextPosition(double) { WORD_UNSUPPORTED("ListLevel.TextPosition"); }
  virtual void SetTabPosition(double) { WORD_UNSUPPORTED("ListLevel.TabPosition"); }
  virtual void SetResetOnHigher(int) { WORD_UNSUPPORTED("ListLevel.ResetOnHigher"); }
  virtual void SetStartAt(int) { WORD_UNSUPPORTED("ListLevel.StartAt"); }
  virtual void SetLinkedStyle(const QString&) { WORD_UNSUPPORTED("ListLevel.LinkedStyle"); }
  virtual Ref<word::Font> Font() { WORD_UNSUPPORTED("ListLevel.Font"); }
};

class ListTemplate {
 public:
  virtual ~ListTemplate() = default;
  virtual Ref<ListLevel> ListLevels(int) { WORD_UNSUPPORTED("ListTemplate.ListLevels"); }
  virtual QString Name() { WORD_UNSUPPORTED("ListTemplate.Name"); }
};

class ListTemplates {
 public:
  virtual ~ListTemplates() = default;
  virtual Ref<ListTemplate> Add(bool /*OutlineNumbered*/, const QString& /*Name*/) {
    WORD_UNSUPPORTED("ListTemplates.Add");
  }
};

class ListFormat {
 public:
  virtual ~ListFormat() = default;
  virtual void ApplyListTemplate(const Ref<ListTemplate>& /*ListTemplate*/,
                                 bool /*ContinuePreviousList*/, int /*ApplyTo*/,
                                 int /*DefaultListBehavior*/) {
    WORD_UNSUPPORTED("ListFormat.ApplyListTemplate");
  }
  virtual void ListIndent() { WORD_UNSUPPORTED("ListFormat.ListIndent"); }
  virtual void ListOutdent() { WORD_UNSUPPORTED("ListFormat.ListOutdent"); }
  virtual void RemoveNumbers(int /*NumberType*/) { WORD_UNSUPPORTED("ListFormat.RemoveNumbers"); }
};

class Range {
 public:
  virtual ~Range() = default;
  virtual Ref<word::ListFormat> ListFormat() { WORD_UNSUPPORTED("Range.ListFormat"); }
  // Puts a picture of the range on the clipboard; for a range that spans pages, the
  // picture is that of its first page.
  virtual void CopyAsPicture() { WORD_UNSUPPORTED("Range.CopyAsPicture"); }
  virtual QString Text() { WORD_UNSUPPORTED("Range.Text"); }
};

class Paragraphs {
 public:
  virtual ~Paragraphs() = default;
  virtual void Indent() { WORD_UNSUPPORTED("Paragraphs.Indent"); }
  virtual void Outdent() { WORD_UNSUPPORTED("Paragraphs.Outdent"); }
};

class Shading {
 public:
  virtual ~Shading() = default;
  virtual void SetTexture(int) { WORD_UNSUPPORTED("Shading.Texture"); }
  virtual void SetForegroundPatternColor(long) {
    WORD_UNSUPPORTED("Shading.ForegroundPatternColor");
  }
  virtual void SetBackgroundPatternColor(long) {
    WORD_UNSUPPORTED("Shading.BackgroundPatternColor");
  }
};

class Cells {
 public:
  virtual ~Cells() = default;
  virtual Ref<word::Shading> Shading() { WORD_UNSUPPORTED("Cells.Shading"); }
  virtual void Merge() { WORD_UNSUPPORTED("Cells.Merge"); }
};

class Column {
 public:
  virtual ~Column() = default;
  virtual void SetWidth(double) { WORD_UNSUPPORTED("Column.Width"); }
  virtual double Width() { WORD_UNSUPPORTED("Column.Width"); }
};

class Row {
 public:
  virtual ~Row() = default;
  virtual void SetHeight(double /*RowHeight*/, int /*HeightRule*/) {
    WORD_UNSUPPORTED("Row.SetHeight");
  }
};

class Table {
 public:
  virtual ~Table() = default;
  virtual Ref<Column> Columns(int) { WORD_UNSUPPORTED("Table.Columns"); }
  virtual Ref<Row> Rows(int) { WORD_UNSUPPORTED("Table.Rows"); }
  virtual QString Style() { WORD_UNSUPPORTED("Table.Style"); }
  virtual void SetStyle(const QString&) { WORD_UNSUPPORTED("Table.Style"); }
  virtual void SetApplyStyleHeadingRows(bool) { WORD_UNSUPPORTED("Table.ApplyStyleHeadingRows"); }
  virtual void SetApplyStyleLastRow(bool) { WORD_UNSUPPORTED("Table.ApplyStyleLastRow"); }
  virtual void SetApplyStyleFirstColumn(bool) { WORD_UNSUPPORTED("Table.ApplyStyleFirstColumn"); }
  virtual void SetApplyStyleLastColumn(bool) { WORD_UNSUPPORTED("Table.ApplyStyleLastColumn"); }
};

class Tables {
 public:
  virtual ~Tables() = default;
  virtual Ref<Table> Add(const Ref<word::Range>& /*Range*/, int /*NumRows*/, int /*NumColumns*/,
                         int /*DefaultTableBehavior*/, int /*AutoFitBehavior*/) {
    WORD_UNSUPPORTED("Tables.Add");
  }
  virtual int Count() { WORD_UNSUPPORTED("Tables.Count"); }
};

class Selection {
 public:
  virtual ~Selection() = default;
  virtual void TypeText(const QString&) { WORD_UNSUPPORTED("Selection.TypeText"); }
  virtual void TypeParagraph() { WORD_UNSUPPORTED("Selection.TypeParagraph"); }
  virtual void InsertBreak(int /*Type*/) { WORD_UNSUPPORTED("Selection.InsertBreak"); }
  virtual Ref<word::Font> Font() { WORD_UNSUPPORTED("Selection.Font"); }
  virtual Ref<word::ParagraphFormat> ParagraphFormat() {
    WORD_UNSUPPORTED("Selection.ParagraphFormat");
  }
  virtual Ref<Section> Sections(int) { WORD_UNSUPPORTED("Selection.Sections"); }
  virtual Ref<word::Range> Range() { WORD_UNSUPPORTED("Selection.Range"); }
  virtual Ref<word::Paragraphs> Paragraphs() { WORD_UNSUPPORTED("Selection.Paragraphs"); }
  virtual Ref<word::Cells> Cells() { WORD_UNSUPPORTED("Selection.Cells"); }
  // Moves answer the number of units actually moved, as Word's do.
  virtual int MoveRight(int /*Unit*/, int /*Count*/, int /*Extend*/ = wdMove) {
    WORD_UNSUPPORTED("Selection.MoveRight");
  }
  virtual int MoveLeft(int /*Unit*/, int /*Count*/, int /*Extend*/ = wdMove) {
    WORD_UNSUPPORTED("Selection.MoveLeft");
  }
  virtual int MoveUp(int /*Unit*/, int /*Count*/, int /*Extend*/ = wdMove) {
    WORD_UNSUPPORTED("Selection.MoveUp");
  }
  virtual int MoveDown(int /*Unit*/, int /*Count*/, int /*Extend*/ = wdMove) {
    WORD_UNSUPPORTED("Selection.MoveDown");
  }
  virtual int EndKey(int /*Unit*/, int /*Extend*/ = wdMove) {
    WORD_UNSUPPORTED("Selection.EndKey");
  }
  virtual int HomeKey(int /*Unit*/, int /*Extend*/ = wdMove) {
    WORD_UNSUPPORTED("Selection.HomeKey");
  }
  // What, Which, then Count and Name as Word takes them (either may be empty).
  virtual void GoTo(int /*What*/, int /*Which*/, const QVariant& /*Count*/,
                    const QVariant& /*Name*/) {
    WORD_UNSUPPORTED("Selection.GoTo");
  }
  virtual int Delete(int /*Unit*/, int /*Count*/) { WORD_UNSUPPORTED("Selection.Delete"); }
};

class Window {
 public:
  virtual ~Window() = default;
  virtual Ref<word::Selection> Selection() { WORD_UNSUPPORTED("Window.Selection"); }
};

class Document {
 public:
  virtual ~Document() = default;
  virtual Ref<Window> ActiveWindow() { WORD_UNSUPPORTED("Document.ActiveWindow"); }
  virtual void SaveAs(const QString& /*FileName*/) { WORD_UNSUPPORTED("Document.SaveAs"); }
  // SaveChanges as Word takes it; empty means Word's default (save without asking when
  // alerts are off).
  virtual void Close(const QVariant& /*SaveChanges*/ = {}) { WORD_UNSUPPORTED("Document.Close"); }
  virtual void Repaginate() { WORD_UNSUPPORTED("Document.Repaginate"); }
  // The value of a built-in document property (14: number of pages).
  virtual QVariant BuiltInDocumentProperties(int) {
    WORD_UNSUPPORTED("Document.BuiltInDocumentProperties");
  }
  virtual Ref<word::Range> Range() { WORD_UNSUPPORTED("Document.Range"); }
  virtual Ref<word::ListTemplates> ListTemplates() { WORD_UNSUPPORTED("Document.ListTemplates"); }
  virtual Ref<word::Tables> Tables() { WORD_UNSUPPORTED("Document.Tables"); }
};

class Documents {
 public:
  virtual ~Documents() = default;
  virtual Ref<Document> Add() { WORD_UNSUPPORTED("Documents.Add"); }
  virtual Ref<Document> Open(const QString& /*FileName*/) { WORD_UNSUPPORTED("Documents.Open"); }
  virtual int Count() { WORD_UNSUPPORTED("Documents.Count"); }
};

class Application {
 public:
  virtual ~Application() = default;
  virtual Ref<word::Documents> Documents() { WORD_UNSUPPORTED("Application.Documents"); }
  virtual Ref<Document> ActiveDocument() { WORD_UNSUPPORTED("Application.ActiveDocument"); }
  virtual Ref<word::Selection> Selection() { WORD_UNSUPPORTED("Application.Selection"); }
  virtual void SetDisplayAlerts(int) { WORD_UNSUPPORTED("Application.DisplayAlerts"); }
  virtual int DisplayAlerts() { WORD_UNSUPPORTED("Application.DisplayAlerts"); }
  virtual double LinesToPoints(double) { WORD_UNSUPPORTED("Application.LinesToPoints"); }
  virtual double InchesToPoints(double) { WORD_UNSUPPORTED("Application.InchesToPoints"); }
  // The default property.
  virtual QString Name() { WORD_UNSUPPORTED("Application.Name"); }
  virtual void Quit() { WORD_UNSUPPORTED("Application.Quit"); }
};

#undef WORD_UNSUPPORTED

}  // namespace word
