// The built-in engine's implementations of the Word object model. Each object is a view
// on an ApplicationState or DocumentState; objects of a closed document or a quit
// application answer every call with Word's "Object has been deleted."
#pragma once

#include <QPointer>
#include <QTextTable>
#include <memory>

#include "engine/EngineState.h"
#include "word/WordObjects.h"

namespace engine {

using DocPtr = std::shared_ptr<DocumentState>;
using AppPtr = std::shared_ptr<ApplicationState>;

class EngineDocument;

// The base of every object that is a view on one document: each member announces itself
// and checks that the document is still open, once, through `enter`.
class DocumentObject {
 protected:
  explicit DocumentObject(DocPtr doc) : doc_(std::move(doc)) {}
  // Announces the member ("Selection.TypeText") to the call hook, then fails with Word's
  // "Object has been deleted." when the document was closed; the state to work on.
  DocumentState& enter(const char* member) const {
    word::announceCall(member);
    doc_->ensureOpen();
    return *doc_;
  }
  // For members that check their arguments between the two.
  static void announce(const char* member) { word::announceCall(member); }
  void open() const { doc_->ensureOpen(); }

  DocPtr doc_;
};

// The base of the objects that are a view on one table of a document: the table may go
// while the object lives.
class TableObject : protected DocumentObject {
 protected:
  TableObject(DocPtr doc, QTextTable* table) : DocumentObject(std::move(doc)), table_(table) {}
  // As `enter`, and then fails when the table is gone; the table to work on.
  QTextTable* enterTable(const char* member) const {
    enter(member);
    if (!table_) failObjectDeleted();
    return table_.data();
  }

  QPointer<QTextTable> table_;
};

// The base of the application's objects: each member announces itself and checks that the
// application has not quit.
class ApplicationObject {
 protected:
  explicit ApplicationObject(AppPtr app) : app_(std::move(app)) {}
  ApplicationState& enter(const char* member) const {
    word::announceCall(member);
    app_->ensureRunning();
    return *app_;
  }
  // For members whose check is the active document's.
  static void announce(const char* member) { word::announceCall(member); }

  AppPtr app_;
};

// Font of the selection: what it sets applies to the selected text and to text typed next.
class SelectionFont : public word::Font, private DocumentObject {
 public:
  explicit SelectionFont(DocPtr doc) : DocumentObject(std::move(doc)) {}
  void SetBold(long value) override;
  long Bold() override;
  void SetSize(double points) override;
  double Size() override;
  void SetName(const QString& name) override;
  QString Name() override;

 private:
  void apply(const RunValues& values);
};

class SelectionTabStop : public word::TabStop, private DocumentObject {
 public:
  SelectionTabStop(DocPtr doc, double position)
      : DocumentObject(std::move(doc)), position_(position) {}
  void SetPosition(double points) override;
  double Position() override;

 private:
  double position_;
};

class SelectionParagraphFormat : public word::ParagraphFormat, private DocumentObject {
 public:
  explicit SelectionParagraphFormat(DocPtr doc) : DocumentObject(std::move(doc)) {}
  void SetAlignment(int value) override;
  int Alignment() override;
  void SetLineSpacingRule(int value) override;
  void SetLineSpacing(double points) override;
  void SetSpaceBeforeAuto(long value) override;
  void SetSpaceAfterAuto(long value) override;
  void SetFirstLineIndent(double points) override;
  void SetLeftIndent(double points) override;
  word::Ref<word::TabStop> TabStops(double position) override;
};

class EnginePageNumbers : public word::PageNumbers, private DocumentObject {
 public:
  explicit EnginePageNumbers(DocPtr doc) : DocumentObject(std::move(doc)) {}
  void Add(int alignment, bool firstPage) override;
};

class EngineHeader : public word::HeaderFooter, private DocumentObject {
 public:
  explicit EngineHeader(DocPtr doc) : DocumentObject(std::move(doc)) {}
  word::Ref<word::PageNumbers> PageNumbers() override;
};

class EngineSection : public word::Section, private DocumentObject {
 public:
  explicit EngineSection(DocPtr doc) : DocumentObject(std::move(doc)) {}
  word::Ref<word::HeaderFooter> Headers(int index) override;
};

class EngineListLevelFont : public word::Font, private DocumentObject {
 public:
  EngineListLevelFont(DocPtr doc, QString tmpl, int level)
      : DocumentObject(std::move(doc)), template_(std::move(tmpl)), level_(level) {}
  // Font.Bold, Font.Italic...: one setter per value of WordValues.h's list.
#define ENGINE_LIST_FONT_SETTER(member, Member) \
  void Set##Member(long v) override { set(&ListLevelFont::member, v, "Font." #Member); }
  ENGINE_LIST_FONT_VALUES(ENGINE_LIST_FONT_SETTER)
#undef ENGINE_LIST_FONT_SETTER
  long Bold() override;
  void SetSize(double v) override;
  double Size() override;
  void SetName(const QString& v) override;
  QString Name() override;

 private:
  void set(long ListLevelFont::*member, long value, const char* name);
  ListLevelDefinition& level();
  QString template_;
  int level_;
};

class EngineListLevel : public word::ListLevel, private DocumentObject {
 public:
  EngineListLevel(DocPtr doc, QString tmpl, int level)
      : DocumentObject(std::move(doc)), template_(std::move(tmpl)), level_(level) {}
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
  QString template_;
  int level_;
};

class EngineListTemplate : public word::ListTemplate, private DocumentObject {
 public:
  EngineListTemplate(DocPtr doc, QString name)
      : DocumentObject(std::move(doc)), name_(std::move(name)) {}
  word::Ref<word::ListLevel> ListLevels(int index) override;
  QString Name() override;
  const DocPtr& document() const { return doc_; }
  const QString& templateName() const { return name_; }

 private:
  QString name_;
};

class EngineListTemplates : public word::ListTemplates, private DocumentObject {
 public:
  explicit EngineListTemplates(DocPtr doc) : DocumentObject(std::move(doc)) {}
  word::Ref<word::ListTemplate> Add(bool outlineNumbered, const QString& name) override;
};

class SelectionListFormat : public word::ListFormat, private DocumentObject {
 public:
  explicit SelectionListFormat(DocPtr doc) : DocumentObject(std::move(doc)) {}
  void ApplyListTemplate(const word::Ref<word::ListTemplate>& listTemplate,
                         bool continuePreviousList, int applyTo, int defaultListBehavior) override;
  void ListIndent() override;
  void ListOutdent() override;
  void RemoveNumbers(int numberType) override;

 private:
  void changeLevel(int delta);
};

// A range: the selection's (whole = false) or the whole document's.
class EngineRange : public word::Range, private DocumentObject {
 public:
  EngineRange(DocPtr doc, bool whole) : DocumentObject(std::move(doc)), whole_(whole) {}
  word::Ref<word::ListFormat> ListFormat() override;
  void CopyAsPicture() override;
  QString Text() override;
  const DocPtr& document() const { return doc_; }
  bool wholeDocument() const { return whole_; }

 private:
  bool whole_;
};

class SelectionParagraphs : public word::Paragraphs, private DocumentObject {
 public:
  explicit SelectionParagraphs(DocPtr doc) : DocumentObject(std::move(doc)) {}
  void Indent() override;
  void Outdent() override;
};

class SelectionShading : public word::Shading, private DocumentObject {
 public:
  explicit SelectionShading(DocPtr doc) : DocumentObject(std::move(doc)) {}
  void SetTexture(int v) override;
  void SetForegroundPatternColor(long v) override;
  void SetBackgroundPatternColor(long v) override;

 private:
  template <class F>
  void change(const char* member, F f);
};

class SelectionCells : public word::Cells, private DocumentObject {
 public:
  explicit SelectionCells(DocPtr doc) : DocumentObject(std::move(doc)) {}
  word::Ref<word::Shading> Shading() override;
  void Merge() override;
};

class EngineColumn : public word::Column, private TableObject {
 public:
  EngineColumn(DocPtr doc, QTextTable* table, int index)
      : TableObject(std::move(doc), table), index_(index) {}
  void SetWidth(double points) override;
  double Width() override;

 private:
  int index_;
};

class EngineRow : public word::Row, private TableObject {
 public:
  EngineRow(DocPtr doc, QTextTable* table, int index)
      : TableObject(std::move(doc), table), index_(index) {}
  void SetHeight(double height, int rule) override;

 private:
  int index_;
};

class EngineTable : public word::Table, private TableObject {
 public:
  EngineTable(DocPtr doc, QTextTable* table) : TableObject(std::move(doc), table) {}
  word::Ref<word::Column> Columns(int index) override;
  word::Ref<word::Row> Rows(int index) override;
  QString Style() override;
  void SetStyle(const QString& style) override;
  void SetApplyStyleHeadingRows(bool v) override;
  void SetApplyStyleLastRow(bool v) override;
  void SetApplyStyleFirstColumn(bool v) override;
  void SetApplyStyleLastColumn(bool v) override;

 private:
  template <class F>
  // Announces the member and changes the table's Word values.
  void change(const char* member, F f);
  template <class F>
  void update(QTextTable* t, F f);
};

class EngineTables : public word::Tables, private DocumentObject {
 public:
  explicit EngineTables(DocPtr doc) : DocumentObject(std::move(doc)) {}
  word::Ref<word::Table> Add(const word::Ref<word::Range>& range, int rows, int columns,
                             int defaultTableBehavior, int autoFitBehavior) override;
  int Count() override;
};

class EngineSelection : public word::Selection, private DocumentObject {
 public:
  explicit EngineSelection(DocPtr doc) : DocumentObject(std::move(doc)) {}
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
};

class EngineWindow : public word::Window, private DocumentObject {
 public:
  explicit EngineWindow(DocPtr doc) : DocumentObject(std::move(doc)) {}
  word::Ref<word::Selection> Selection() override;
};

class EngineDocument : public word::Document, private DocumentObject {
 public:
  explicit EngineDocument(DocPtr doc) : DocumentObject(std::move(doc)) {}
  word::Ref<word::Window> ActiveWindow() override;
  void SaveAs(const QString& fileName) override;
  void Close(const QVariant& saveChanges) override;
  void Repaginate() override;
  QVariant BuiltInDocumentProperties(int index) override;
  word::Ref<word::Range> Range() override;
  word::Ref<word::ListTemplates> ListTemplates() override;
  word::Ref<word::Tables> Tables() override;
  const DocPtr& state() const { return doc_; }
};

class EngineDocuments : public word::Documents, private ApplicationObject {
 public:
  explicit EngineDocuments(AppPtr app) : ApplicationObject(std::move(app)) {}
  word::Ref<word::Document> Add() override;
  word::Ref<word::Document> Open(const QString& fileName) override;
  int Count() override;

 private:
  word::Ref<word::Document> adopt(DocumentModel model);
};

class EngineApplication : public word::Application, private ApplicationObject {
 public:
  EngineApplication() : ApplicationObject(std::make_shared<ApplicationState>()) {}
  word::Ref<word::Documents> Documents() override;
  word::Ref<word::Document> ActiveDocument() override;
  word::Ref<word::Selection> Selection() override;
  void SetDisplayAlerts(int value) override;
  int DisplayAlerts() override;
  double LinesToPoints(double lines) override;
  double InchesToPoints(double inches) override;
  QString Name() override;
  void Quit() override;
};

// The name the built-in engine answers to.
inline const char* const kEngineName = "Halvenor Writer";

}  // namespace engine
