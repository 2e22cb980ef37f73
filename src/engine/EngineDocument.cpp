// The document and what hangs off it: window, ranges, list templates, tables.
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>
#include <cmath>

#include "base/ClipboardPicture.h"
#include "engine/EngineLimits.h"
#include "engine/EngineObjects.h"
#include "engine/PageLayout.h"

namespace engine {

// ---- Document ---------------------------------------------------------------------------

word::Ref<word::Window> EngineDocument::ActiveWindow() {
  enter("Document.ActiveWindow");
  return word::Ref<word::Window>(std::make_shared<EngineWindow>(doc_));
}

void EngineDocument::SaveAs(const QString& fileName) {
  enter("Document.SaveAs");
  if (fileName.isEmpty()) fail(QStringLiteral("The file name is not valid."));
  doc_->save(fileName);
}

void EngineDocument::Close(const QVariant& saveChanges) {
  enter("Document.Close");
  // Only an explicit wdSaveChanges saves, to the file the document came from or was last
  // saved as; by default the engine never saves on its own (it asks no questions).
  if (saveChanges.isValid() && !saveChanges.isNull() &&
      saveChanges.toInt() == word::wdSaveChanges) {
    if (doc_->path.isEmpty())
      fail(QStringLiteral("The document has no file name yet: save it with SaveAs first."));
    doc_->save(doc_->path);
  }
  // Its file may well be opened again (the preview draws its pages from it).
  doc_->keepIfUnchangedSinceSave();
  doc_->closed = true;
  if (auto app = doc_->application.lock()) {
    auto& docs = app->documents;
    docs.erase(std::remove(docs.begin(), docs.end(), doc_), docs.end());
    if (app->active.lock() == doc_) {
      app->active.reset();
      if (!docs.empty()) app->active = docs.back();
    }
  }
}

void EngineDocument::Repaginate() {
  enter("Document.Repaginate");
  pageCount(doc_->model);
}

QVariant EngineDocument::BuiltInDocumentProperties(int index) {
  enter("Document.BuiltInDocumentProperties");
  if (index == word::wdPropertyPages)
    return QVariant(doc_->leadingPages.shownPageCount(pageCount(doc_->model)));
  if (index < 1 || index > 30) failMemberMissing();
  return QVariant();
}

word::Ref<word::Range> EngineDocument::Range() {
  enter("Document.Range");
  return word::Ref<word::Range>(std::make_shared<EngineRange>(doc_, true));
}

word::Ref<word::ListTemplates> EngineDocument::ListTemplates() {
  enter("Document.ListTemplates");
  return word::Ref<word::ListTemplates>(std::make_shared<EngineListTemplates>(doc_));
}

word::Ref<word::Tables> EngineDocument::Tables() {
  enter("Document.Tables");
  return word::Ref<word::Tables>(std::make_shared<EngineTables>(doc_));
}

word::Ref<word::Selection> EngineWindow::Selection() {
  enter("Window.Selection");
  return word::Ref<word::Selection>(std::make_shared<EngineSelection>(doc_));
}

// ---- Range ------------------------------------------------------------------------------

word::Ref<word::ListFormat> EngineRange::ListFormat() {
  enter("Range.ListFormat");
  if (whole_) fail(QStringLiteral("This method or property is not available on this object."));
  return word::Ref<word::ListFormat>(std::make_shared<SelectionListFormat>(doc_));
}

void EngineRange::CopyAsPicture() {
  enter("Range.CopyAsPicture");
  // The picture of the range's first page; a whole-document range starts at the first
  // page that navigation has not removed.
  const int first = doc_->leadingPages.firstPage();
  const int page =
      whole_ ? first : std::max(first, pageOfPosition(doc_->model, doc_->cursor.selectionStart()));
  base::PutClipboardPicture(drawPage(doc_->model, page));
}

QString EngineRange::Text() {
  enter("Range.Text");
  QString text;
  if (whole_) {
    QTextCursor c(doc_->model.text());
    c.setPosition(doc_->leadingPages.storyStart(doc_->model));
    c.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    text = c.selectedText();
  } else {
    text = doc_->cursor.selectedText();
  }
  // Word shows paragraph marks as carriage returns.
  text.replace(QChar::ParagraphSeparator, QLatin1Char('\r'));
  text.remove(QChar(0xFDD0));
  text.remove(QChar(0xFDD1));
  return text;
}

// ---- List templates ---------------------------------------------------------------------

namespace {
ListTemplateDefinition* findTemplate(DocumentState& doc, const QString& name) {
  for (ListTemplateDefinition& t : doc.model.listTemplates)
    if (t.name == name) return &t;
  return nullptr;
}

// The level of the template as it shows, defined from then on so that it can be changed;
// fails with "Object has been deleted." when the template is gone.
ListLevelDefinition& definedLevel(DocumentState& doc, const QString& name, int index) {
  ListTemplateDefinition* t = findTemplate(doc, name);
  if (!t) failObjectDeleted();
  ListLevelDefinition& level = t->levels[index - 1];
  if (!level.defined) {
    level = effectiveListLevel(*t, index);
    level.defined = true;
  }
  return level;
}

// List paragraphs show the template's new look at once.
void refreshListParagraphs(DocumentState& doc, const QString& name) {
  forgetBullets(doc.model);
  for (QTextBlock b = doc.model.text()->begin(); b.isValid(); b = b.next())
    if (b.blockFormat().stringProperty(prop::kListTemplate) == name) doc.model.refreshParagraph(b);
}
}  // namespace

word::Ref<word::ListTemplate> EngineListTemplates::Add(bool outlineNumbered, const QString& name) {
  enter("ListTemplates.Add");
  if (!name.isEmpty() && findTemplate(*doc_, name))
    fail(QStringLiteral("A list template named \"%1\" already exists.").arg(name));
  QString unique = name;
  // An unnamed template gets a name of its own, so that paragraphs can refer to it.
  for (int n = int(doc_->model.listTemplates.size()) + 1;
       unique.isEmpty() || findTemplate(*doc_, unique); ++n)
    unique = QStringLiteral("List %1").arg(n);
  ListTemplateDefinition t;
  t.name = unique;
  t.outlineNumbered = outlineNumbered;
  doc_->model.listTemplates.push_back(t);
  return word::Ref<word::ListTemplate>(std::make_shared<EngineListTemplate>(doc_, unique));
}

word::Ref<word::ListLevel> EngineListTemplate::ListLevels(int index) {
  enter("ListTemplate.ListLevels");
  if (!findTemplate(*doc_, name_)) failObjectDeleted();
  if (index < 1 || index > kListLevels) failMemberMissing();
  return word::Ref<word::ListLevel>(std::make_shared<EngineListLevel>(doc_, name_, index));
}

QString EngineListTemplate::Name() {
  enter("ListTemplate.Name");
  return name_;
}

// Setters announce themselves before their checks, then change the level through here.
template <class F>
void EngineListLevel::set(F change) {
  open();
  change(definedLevel(*doc_, template_, level_));
  refreshListParagraphs(*doc_, template_);
}

void EngineListLevel::SetNumberFormat(const QString& v) {
  announce("ListLevel.NumberFormat");
  set([&](ListLevelDefinition& l) { l.numberFormat = v; });
}
void EngineListLevel::SetTrailingCharacter(int v) {
  announce("ListLevel.TrailingCharacter");
  if (v < 0 || v > 2) failValueOutOfRange();
  set([&](ListLevelDefinition& l) { l.trailingCharacter = v; });
}
void EngineListLevel::SetNumberStyle(int v) {
  announce("ListLevel.NumberStyle");
  set([&](ListLevelDefinition& l) { l.numberStyle = v; });
}
void EngineListLevel::SetNumberPosition(double v) {
  announce("ListLevel.NumberPosition");
  if (!std::isfinite(v) || std::abs(v) > kMaxLength) failValueOutOfRange();
  set([&](ListLevelDefinition& l) { l.numberPosition = v; });
}
void EngineListLevel::SetAlignment(int v) {
  announce("ListLevel.Alignment");
  if (v < 0 || v > 2) failValueOutOfRange();
  set([&](ListLevelDefinition& l) { l.alignment = v; });
}
void EngineListLevel::SetTextPosition(double v) {
  announce("ListLevel.TextPosition");
  if (!std::isfinite(v) || std::abs(v) > kMaxLength) failValueOutOfRange();
  set([&](ListLevelDefinition& l) { l.textPosition = v; });
}
void EngineListLevel::SetTabPosition(double v) {
  announce("ListLevel.TabPosition");
  if (!std::isfinite(v) || (v != kUndefined && std::abs(v) > kMaxLength)) failValueOutOfRange();
  set([&](ListLevelDefinition& l) { l.tabPosition = v; });
}
void EngineListLevel::SetResetOnHigher(int v) {
  announce("ListLevel.ResetOnHigher");
  if (v < 0 || v > kListLevels) failValueOutOfRange();
  set([&](ListLevelDefinition& l) { l.resetOnHigher = v; });
}
void EngineListLevel::SetStartAt(int v) {
  announce("ListLevel.StartAt");
  if (v < 0 || v > kMaxWordCount) failValueOutOfRange();
  set([&](ListLevelDefinition& l) { l.startAt = v; });
}
void EngineListLevel::SetLinkedStyle(const QString& v) {
  announce("ListLevel.LinkedStyle");
  if (!v.isEmpty() && v != QLatin1String("Normal") && v != QLatin1String("List Paragraph"))
    throw word::AutomationError(
        QStringLiteral("The requested member of the collection does not exist."));
  set([&](ListLevelDefinition& l) { l.linkedStyle = v; });
}
word::Ref<word::Font> EngineListLevel::Font() {
  enter("ListLevel.Font");
  if (!findTemplate(*doc_, template_)) failObjectDeleted();
  return word::Ref<word::Font>(std::make_shared<EngineListLevelFont>(doc_, template_, level_));
}

// Its members announce themselves, then reach the level through here, which checks the
// document once.
ListLevelDefinition& EngineListLevelFont::level() {
  open();
  return definedLevel(*doc_, template_, level_);
}

void EngineListLevelFont::set(long ListLevelFont::*member, long value, const char* name) {
  announce(name);
  level().font.*member = value;
  refreshListParagraphs(*doc_, template_);
}

void EngineListLevelFont::SetName(const QString& v) {
  announce("Font.Name");
  level().font.name = v;
  refreshListParagraphs(*doc_, template_);
}

long EngineListLevelFont::Bold() {
  announce("Font.Bold");
  return level().font.bold;
}
void EngineListLevelFont::SetSize(double v) {
  announce("Font.Size");
  if (!std::isfinite(v) || (v != kUndefined && (v < 1 || v > kMaxFontSize))) failValueOutOfRange();
  level().font.size = v;
  refreshListParagraphs(*doc_, template_);
}
double EngineListLevelFont::Size() {
  announce("Font.Size");
  return level().font.size;
}
QString EngineListLevelFont::Name() {
  announce("Font.Name");
  return level().font.name;
}

// ---- Tables -----------------------------------------------------------------------------

namespace {

// Cells take the paragraph formatting at the insertion point, outside any list.
QTextBlockFormat cellParagraphFormat(const QTextBlockFormat& atInsertion) {
  QTextBlockFormat format = atInsertion;
  ParagraphValues v = paragraphValues(format);
  v.listTemplate.clear();
  v.listLevel = 0;
  v.sectionStart = false;
  v.leftIndent = 0;
  v.firstLineIndent = 0;
  v.tabStops.clear();
  setParagraphValues(format, v);
  return format;
}

// A new table's Word values: its style by the default behaviour, the text width shared
// equally by the columns, rows of automatic height.
TableValues newTableValues(const PageSetup& page, int rows, int columns, int defaultTableBehavior) {
  TableValues v;
  v.style = defaultTableBehavior == word::wdWord9TableBehavior || defaultTableBehavior == 0
                ? QStringLiteral("Table Grid")
                : QString();
  const double textWidth = page.pageWidth - page.leftMargin - page.rightMargin;
  for (int c = 0; c < columns; ++c) v.columnWidths.append(textWidth / columns);
  for (int r = 0; r < rows; ++r) {
    v.rowHeights.append(0);
    v.rowHeightRules.append(word::wdRowHeightAuto);
  }
  return v;
}

// Qt leaves an empty paragraph above a table that goes in at the start of one; it is
// joined to the paragraph before, as Word has no paragraph there.
void joinParagraphAbove(DocumentModel& model, QTextTable* table) {
  const int frameStart = table->firstPosition() - 1;
  if (frameStart < 1) return;
  QTextCursor before(model.text());
  before.setPosition(frameStart - 1);
  // The mark that ends the paragraph right before the table.
  if (!before.currentTable() && before.block().next().position() == frameStart) before.deleteChar();
}

// The paragraph after the table is the one the table was added at: it keeps its formats
// (Qt starts it with blank ones).
void keepParagraphAfter(DocumentModel& model, QTextTable* table, const QTextBlockFormat& block,
                        const QTextCharFormat& chars) {
  QTextCursor after(model.text());
  after.setPosition(table->lastPosition() + 1);
  QTextBlockFormat afterFormat = block;
  ParagraphValues v = paragraphValues(afterFormat);
  v.sectionStart = false;
  setParagraphValues(afterFormat, v);
  after.setBlockFormat(afterFormat);
  after.setBlockCharFormat(chars);
  model.refreshParagraph(after.block());
}

void formatNewCells(DocumentModel& model, QTextTable* table, const QTextBlockFormat& block,
                    const QTextCharFormat& chars) {
  for (int r = 0; r < table->rows(); ++r) {
    for (int c = 0; c < table->columns(); ++c) {
      QTextCursor cell = table->cellAt(r, c).firstCursorPosition();
      cell.setBlockFormat(block);
      cell.setBlockCharFormat(chars);
    }
  }
  model.refreshTable(table);
  for (int r = 0; r < table->rows(); ++r)
    for (int c = 0; c < table->columns(); ++c)
      model.refreshParagraph(table->cellAt(r, c).firstCursorPosition().block());
}

}  // namespace

word::Ref<word::Table> EngineTables::Add(const word::Ref<word::Range>& range, int rows, int columns,
                                         int defaultTableBehavior, int autoFitBehavior) {
  enter("Tables.Add");
  auto* target = dynamic_cast<EngineRange*>(range.get());
  if (!target) fail(QString::fromLatin1(word::kObjectNotSet));
  if (target->document() != doc_) fail(QStringLiteral("The range is not in this document."));
  if (columns < 1 || columns > kMaxTableColumns)
    fail(QStringLiteral("The number must be between 1 and %1.").arg(kMaxTableColumns));
  if (rows < 1 || rows > kMaxWordCount)
    fail(QStringLiteral("The number must be between 1 and %1.").arg(kMaxWordCount));
  (void)autoFitBehavior;  // fixed column widths either way
  doc_->beginEdit();
  QTextCursor& cursor = doc_->cursor;
  if (target->wholeDocument()) cursor.movePosition(QTextCursor::End);
  if (cursor.currentTable()) fail(QStringLiteral("A table cannot be inserted inside a table."));
  if (cursor.hasSelection()) doc_->removeSelectedText(cursor);

  // Cells take the paragraph and text formatting at the insertion point.
  const QTextBlockFormat originalBlock = cursor.blockFormat();
  const QTextBlockFormat cellBlock = cellParagraphFormat(originalBlock);
  const QTextCharFormat cellChars = doc_->typing;
  QTextTableFormat format;
  setTableValues(format, newTableValues(doc_->model.page, rows, columns, defaultTableBehavior));
  // The table goes before the paragraph at the insertion point; text before the point
  // stays in a paragraph of its own above the table.
  const bool atParagraphStart = cursor.atBlockStart() && cursor.block().position() > 0;
  QTextTable* table = cursor.insertTable(rows, columns, format);
  // Qt takes a new table into the document's structure only when the edit block closes.
  flushEdits(doc_->model);
  if (atParagraphStart) joinParagraphAbove(doc_->model, table);
  keepParagraphAfter(doc_->model, table, originalBlock, cellChars);
  formatNewCells(doc_->model, table, cellBlock, cellChars);
  doc_->cursor = table->cellAt(0, 0).firstCursorPosition();
  doc_->typing = cellChars;
  return word::Ref<word::Table>(std::make_shared<EngineTable>(doc_, table));
}

int EngineTables::Count() {
  enter("Tables.Count");
  int n = 0;
  for (QTextFrame* f : doc_->model.text()->rootFrame()->childFrames())
    if (qobject_cast<QTextTable*>(f)) ++n;
  return n;
}

template <class F>
void EngineTable::change(const char* member, F f) {
  update(enterTable(member), f);
}

template <class F>
void EngineTable::update(QTextTable* t, F f) {
  QTextTableFormat format = t->format();
  TableValues v = tableValues(format);
  const QString style = v.style;
  const auto widths = v.columnWidths;
  f(v);
  setTableValues(format, v);
  t->setFormat(format);
  // The display formats follow the style (the grid) and the column widths only; the
  // style's options change what Word would shade, not what is drawn here.
  if (v.style != style || v.columnWidths != widths) doc_->model.refreshTable(t);
}

word::Ref<word::Column> EngineTable::Columns(int index) {
  QTextTable* t = enterTable("Table.Columns");
  if (index < 1 || index > t->columns()) failMemberMissing();
  return word::Ref<word::Column>(std::make_shared<EngineColumn>(doc_, t, index));
}

word::Ref<word::Row> EngineTable::Rows(int index) {
  QTextTable* t = enterTable("Table.Rows");
  if (index < 1 || index > t->rows()) failMemberMissing();
  return word::Ref<word::Row>(std::make_shared<EngineRow>(doc_, t, index));
}

QString EngineTable::Style() { return tableValues(enterTable("Table.Style")->format()).style; }

void EngineTable::SetStyle(const QString& style) {
  QTextTable* t = enterTable("Table.Style");
  if (style != QLatin1String("Table Grid") && style != QLatin1String("Table Normal"))
    fail(QStringLiteral("The requested member of the collection does not exist. (style \"%1\")")
             .arg(style));
  update(t, [&](TableValues& v) {
    v.style = style == QLatin1String("Table Normal") ? QString() : style;
  });
}

void EngineTable::SetApplyStyleHeadingRows(bool on) {
  change("Table.ApplyStyleHeadingRows", [&](TableValues& v) { v.applyHeadingRows = on; });
}
void EngineTable::SetApplyStyleLastRow(bool on) {
  change("Table.ApplyStyleLastRow", [&](TableValues& v) { v.applyLastRow = on; });
}
void EngineTable::SetApplyStyleFirstColumn(bool on) {
  change("Table.ApplyStyleFirstColumn", [&](TableValues& v) { v.applyFirstColumn = on; });
}
void EngineTable::SetApplyStyleLastColumn(bool on) {
  change("Table.ApplyStyleLastColumn", [&](TableValues& v) { v.applyLastColumn = on; });
}

void EngineColumn::SetWidth(double points) {
  QTextTable* t = enterTable("Column.Width");
  if (!std::isfinite(points) || points < 1.5 || points > kMaxLength) failValueOutOfRange();
  QTextTableFormat format = t->format();
  TableValues v = tableValues(format);
  while (v.columnWidths.size() < t->columns()) v.columnWidths.append(0);
  v.columnWidths[index_ - 1] = points;
  setTableValues(format, v);
  t->setFormat(format);
  doc_->model.refreshTable(t);
}

double EngineColumn::Width() {
  const TableValues v = tableValues(enterTable("Column.Width")->format());
  return index_ - 1 < v.columnWidths.size() ? v.columnWidths[index_ - 1] : 0;
}

void EngineRow::SetHeight(double height, int rule) {
  QTextTable* t = enterTable("Row.SetHeight");
  if (!std::isfinite(height) || height < 0 || height > kMaxLength) failValueOutOfRange();
  if (rule < 0 || rule > 2) failValueOutOfRange();
  QTextTableFormat format = t->format();
  TableValues v = tableValues(format);
  while (v.rowHeights.size() < t->rows()) v.rowHeights.append(0);
  while (v.rowHeightRules.size() < t->rows()) v.rowHeightRules.append(0);
  v.rowHeights[index_ - 1] = height;
  v.rowHeightRules[index_ - 1] = rule;
  setTableValues(format, v);
  // Row heights reach the layout through the padding made when it settles; the table's
  // display formats do not depend on them, so they are not derived again here.
  t->setFormat(format);
}

}  // namespace engine
