// The built-in engine's implementations of the Word object model. Each object is a view
// on an ApplicationState or DocumentState; objects of a closed document or a quit
// application answer every call with Word's "Object has been deleted."
#pragma once

#include <QPointer>
#include <QTextTable>
#include <functional>
#include <memory>

#include "engine/EngineState.h"
#include "word/WordObjects.h"

namespace engine {

using DocPtr = std::shared_ptr<DocumentState>;
using AppPtr = std::shared_ptr<ApplicationState>;

class EngineDocument;

// Font of the selection: what it sets applies to the selected text and to text typed next.
class SelectionFont : public word::Font {
 public:
  explicit SelectionFont(DocPtr doc) : doc_(std::move(doc)) {}
  void SetBold(long value) override;
  long Bold() override;
  void SetSize(double points) override;
  double Size() override;
  void SetName(const QString& name) override;
  QString Name() override;

 private:
  void apply(const RunValues& values);
  DocPtr doc_;
};

class SelectionTabStop : public word::TabStop {
 public:
  SelectionTabStop(DocPtr doc, double position) : doc_(std::move(doc)), position_(position) {}
  void SetPosition(double points) override;
  double Position() override;

 private:
  DocPtr doc_;
  double position_;
};

class SelectionParagraphFormat : public word::ParagraphFormat {
 public:
  explicit SelectionParagraphFormat(DocPtr doc) : doc_(std::move(doc)) {}
  void SetAlignment(int value) override;
  int Alignment() override;
  void SetLineSpacingRule(int value) override;
  void SetLineSpacing(double points) override;
  void SetSpaceBeforeAuto(long value) override;
  void SetSpaceAfterAuto(long value) override;
  void SetFirstLineIndent(double points) override;
  void SetLeftIndent(double points) override;
  word::Ref<word::TabStop> TabStops(double position) override;

 private:
  DocPtr doc_;
};

class EnginePageNumbers : public word::PageNumbers {
 public:
  explicit EnginePageNumbers(DocPtr doc) : doc_(std::move(doc)) {}
  void Add(int alignment, bool firstPage) override;

 private:
  DocPtr doc_;
};

class EngineHeader : public word::HeaderFooter {
 public:
  explicit EngineHeader(DocPtr doc) : doc_(std::move(doc)) {}
  word::Ref<word::PageNumbers> PageNumbers() override;

 private:
  DocPtr doc_;
};

class EngineSection : public word::Section {
 public:
  explicit EngineSection(DocPtr doc) : doc_(std::move(doc)) {}
  word::Ref<word::HeaderFooter> Headers(int index) override;

 private:
  DocPtr doc_;
};

class EngineListLevelFont : public word::Font {
 public:
  EngineListLevelFont(DocPtr doc, QString tmpl, int level)
      : doc_(std::move(doc)), template_(std::move(tmpl)), level_(level) {}
  void SetBold(long v) override {
    set([&](ListLevelFont& f) { f.bold = v; }, "Font.Bold");
  }
  long Bold() override;
  void SetItalic(long v) override {
    set([&](ListLevelFont& f) { f.italic = v; }, "Font.Italic");
  }
  void SetStrikethrough(long v) override {
    set([&](ListLevelFont& f) { f.strikethrough = v; }, "Font.Strikethrough");
  }
  void SetSubscript(long v) override {
    set([&](ListLevelFont& f) { f.subscript = v; }, "Font.Subscript");
  }
  void SetSuperscript(long v) override {
    set([&](ListLevelFont& f) { f.superscript = v; }, "Font.Superscript");
  }
  void SetShadow(long v) override {
    set([&](ListLevelFont& f) { f.shadow = v; }, "Font.Shadow");
  }
  void SetOutline(long v) override {
    set([&](ListLevelFont& f) { f.outline = v; }, "Font.Outline");
  }
  void SetEmboss(long v) override {
    set([&](ListLevelFont& f) { f.emboss = v; }, "Font.Emboss");
  }
  void SetEngrave(long v) override {
    set([&](ListLevelFont& f) { f.engrave = v; }, "Font.Engrave");
  }
  void SetAllCaps(long v) override {
    set([&](ListLevelFont& f) { f.allCaps = v; }, "Font.AllCaps");
  }
  void SetHidden(long v) override {
    set([&](ListLevelFont& f) { f.hidden = v; }, "Font.Hidden");
  }
  void SetUnderline(long v) override {
    set([&](ListLevelFont& f) { f.underline = v; }, "Font.Underline");
  }
  void SetColor(long v) override {
    set([&](ListLevelFont& f) { f.color = v; }, "Font.Color");
  }
  void SetSize(double v) override;
  double Size() override;
  void SetAnimation(long v) override {
    set([&](ListLevelFont& f) { f.animation = v; }, "Font.Animation");
  }
  void SetDoubleStrikeThrough(long v) override {
    set([&](ListLevelFont& f) { f.doubleStrikeThrough = v; }, "Font.DoubleStrikeThrough");
  }
  void SetName(const QString& v) override {
    set([&](ListLevelFont& f) { f.name = v; }, "Font.Name");
  }
  QString Name() override;

 private:
  void set(const std::function<void(ListLevelFont&)>& change, const char* member);
  ListLevelDefinition& level();
  DocPtr doc_;
  QString template_;
  int level_;
};

class EngineListLevel : public word::ListLevel {
 public:
  EngineListLevel(DocPtr doc, QString tmpl, int level)
      : doc_(std::move(doc)), template_(std::move(tmpl)), level_(level) {}
  void SetNumberFormat(const QString& v) override;
  void SetTrailingCharacter(int v) override;
  void SetNumberStyle(int v) override;
  void SetNumberPosition(double v) override;
  void SetAlignment(int v) override;
  void SetTextPosition(double v) override;
  void SetTabPosition(double v) override;
  void SetResetOnHigher(int v) override;
  void SetStartAt(int v) override;
  void SetLinkedStyle(const QString& v) override;
  word::Ref<word::Font> Font() override;

 private:
  template <class F>
  void set(F change);
  DocPtr doc_;
  QString template_;
  int level_;
};

class EngineListTemplate : public word::ListTemplate {
 public:
  EngineListTemplate(DocPtr doc, QString name) : doc_(std::move(doc)), name_(std::move(name)) {}
  word::Ref<word::ListLevel> ListLevels(int index) override;
  QString Name() override;
  const DocPtr& document() const { return doc_; }
  const QString& templateName() const { return name_; }

 private:
  DocPtr doc_;
  QString name_;
};

class EngineListTemplates : public word::ListTemplates {
 public:
  explicit EngineListTemplates(DocPtr doc) : doc_(std::move(doc)) {}
  word::Ref<word::ListTemplate> Add(bool outlineNumbered, const QString& name) override;

 private:
  DocPtr doc_;
};

class SelectionListFormat : public word::ListFormat {
 public:
  explicit SelectionListFormat(DocPtr doc) : doc_(std::move(doc)) {}
  void ApplyListTemplate(const word::Ref<word::ListTemplate>& listTemplate,
                         bool continuePreviousList, int applyTo, int defaultListBehavior) override;
  void ListIndent() override;
  void ListOutdent() override;
  void RemoveNumbers(int numberType) override;

 private:
  void changeLevel(int delta);
  DocPtr doc_;
};

// A range: the selection's (whole = false) or the whole document's.
class EngineRange : public word::Range {
 public:
  EngineRange(DocPtr doc, bool whole) : doc_(std::move(doc)), whole_(whole) {}
  word::Ref<word::ListFormat> ListFormat() override;
  void CopyAsPicture() override;
  QString Text() override;
  const DocPtr& document() const { return doc_; }
  bool wholeDocument() const { return whole_; }

 private:
  DocPtr doc_;
  bool whole_;
};

class SelectionParagraphs : public word::Paragraphs {
 public:
  explicit SelectionParagraphs(DocPtr doc) : doc_(std::move(doc)) {}
  void Indent() override;
  void Outdent() override;

 private:
  DocPtr doc_;
};

class SelectionShading : public word::Shading {
 public:
  explicit SelectionShading(DocPtr doc) : doc_(std::move(doc)) {}
  void SetTexture(int v) override;
  void SetForegroundPatternColor(long v) override;
  void SetBackgroundPatternColor(long v) override;

 private:
  template <class F>
  void change(F f);
  DocPtr doc_;
};

class SelectionCells : public word::Cells {
 public:
  explicit SelectionCells(DocPtr doc) : doc_(std::move(doc)) {}
  word::Ref<word::Shading> Shading() override;
  void Merge() override;

 private:
  DocPtr doc_;
};

class EngineColumn : public word::Column {
 public:
  EngineColumn(DocPtr doc, QTextTable* table, int index)
      : doc_(std::move(doc)), table_(table), index_(index) {}
  void SetWidth(double points) override;
  double Width() override;

 private:
  QTextTable* table() const;
  DocPtr doc_;
  QPointer<QTextTable> table_;
  int index_;
};

class EngineRow : public word::Row {
 public:
  EngineRow(DocPtr doc, QTextTable* table, int index)
      : doc_(std::move(doc)), table_(table), index_(index) {}
  void SetHeight(double height, int rule) override;

 private:
  DocPtr doc_;
  QPointer<QTextTable> table_;
  int index_;
};

class EngineTable : public word::Table {
 public:
  EngineTable(DocPtr doc, QTextTable* table) : doc_(std::move(doc)), table_(table) {}
  word::Ref<word::Column> Columns(int index) override;
  word::Ref<word::Row> Rows(int index) override;
  QString Style() override;
  void SetStyle(const QString& style) override;
  void SetApplyStyleHeadingRows(bool v) override;
  void SetApplyStyleLastRow(bool v) override;
  void SetApplyStyleFirstColumn(bool v) override;
  void SetApplyStyleLastColumn(bool v) override;

 private:
  QTextTable* table() const;
  template <class F>
  void change(F f);
  DocPtr doc_;
  QPointer<QTextTable> table_;
};

class EngineTables : public word::Tables {
 public:
  explicit EngineTables(DocPtr doc) : doc_(std::move(doc)) {}
  word::Ref<word::Table> Add(const word::Ref<word::Range>& range, int rows, int columns,
                             int defaultTableBehavior, int autoFitBehavior) override;
  int Count() override;

 private:
  DocPtr doc_;
};

class EngineSelection : public word::Selection {
 public:
  explicit EngineSelection(DocPtr doc) : doc_(std::move(doc)) {}
  void TypeText(const QString& text) override;
  void TypeParagraph() override;
  void InsertBreak(int type) override;
  word::Ref<word::Font> Font() override;
  word::Ref<word::ParagraphFormat> ParagraphFormat() override;
  word::Ref<word::Section> Sections(int index) override;
  word::Ref<word::Range> Range() override;
  word::Ref<word::Paragraphs> Paragraphs() override;
  word::Ref<word::Cells> Cells() override;
  int MoveRight(int unit, int count, int extend) override;
  int MoveLeft(int unit, int count, int extend) override;
  int MoveUp(int unit, int count, int extend) override;
  int MoveDown(int unit, int count, int extend) override;
  int EndKey(int unit, int extend) override;
  int HomeKey(int unit, int extend) override;
  void GoTo(int what, int which, const QVariant& count, const QVariant& name) override;
  int Delete(int unit, int count) override;

 private:
  int moveHorizontal(int unit, int count, int extend, bool right, const char* member);
  int moveVertical(int unit, int count, int extend, bool down, const char* member);
  DocPtr doc_;
};

class EngineWindow : public word::Window {
 public:
  explicit EngineWindow(DocPtr doc) : doc_(std::move(doc)) {}
  word::Ref<word::Selection> Selection() override;

 private:
  DocPtr doc_;
};

class EngineDocument : public word::Document {
 public:
  explicit EngineDocument(DocPtr doc) : doc_(std::move(doc)) {}
  word::Ref<word::Window> ActiveWindow() override;
  void SaveAs(const QString& fileName) override;
  void Close(const QVariant& saveChanges) override;
  void Repaginate() override;
  QVariant BuiltInDocumentProperties(int index) override;
  word::Ref<word::Range> Range() override;
  word::Ref<word::ListTemplates> ListTemplates() override;
  word::Ref<word::Tables> Tables() override;
  const DocPtr& state() const { return doc_; }

 private:
  DocPtr doc_;
};

class EngineDocuments : public word::Documents {
 public:
  explicit EngineDocuments(AppPtr app) : app_(std::move(app)) {}
  word::Ref<word::Document> Add() override;
  word::Ref<word::Document> Open(const QString& fileName) override;
  int Count() override;

 private:
  word::Ref<word::Document> adopt(DocumentModel model);
  AppPtr app_;
};

class EngineApplication : public word::Application {
 public:
  EngineApplication() : app_(std::make_shared<ApplicationState>()) {}
  word::Ref<word::Documents> Documents() override;
  word::Ref<word::Document> ActiveDocument() override;
  word::Ref<word::Selection> Selection() override;
  void SetDisplayAlerts(int value) override;
  int DisplayAlerts() override;
  double LinesToPoints(double lines) override;
  double InchesToPoints(double inches) override;
  QString Name() override;
  void Quit() override;

 private:
  AppPtr app_;
};

// The name the built-in engine answers to.
inline const char* const kEngineName = "Halvenor Writer";

}  // namespace engine
