// The selection and the objects reached through it: typing, fonts, paragraph formats,
// lists, header page numbers, cells, and moves by character, line, cell and page.
#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextTable>
#include <climits>
#include <cmath>
#include <optional>

#include "engine/DocxVocabulary.h"
#include "engine/EngineLimits.h"
#include "engine/EngineObjects.h"
#include "engine/LineMoves.h"
#include "engine/PageLayout.h"

namespace engine {
namespace {

// Half an inch: the step of Paragraphs.Indent and Outdent.
constexpr double kIndentStep = 36.0;
// WdListApplyTo's remaining value: the selected paragraphs only.
constexpr int kListApplyToSelection = 1;

bool wordBool(long value, bool current) {
  if (value == kUndefined) return current;
  if (value == 9999998) return !current;  // wdToggle
  return value != 0;
}

// How far a negative move count goes the other way (the smallest int has no negation).
int distance(int count) { return count == INT_MIN ? INT_MAX : -count; }

void checkLength(double points) {
  if (!std::isfinite(points) || std::abs(points) > kMaxLength) failValueOutOfRange();
}

// The cells a selection covers: (firstRow, rows, firstColumn, columns) of one table, the
// cell of the insertion point when nothing spans cells.
struct CellBlock {
  QTextTable* table = nullptr;
  int row = 0, rows = 0, column = 0, columns = 0;
};

CellBlock selectedCells(DocumentState& doc) {
  CellBlock out;
  QTextCursor& c = doc.cursor;
  if (c.hasComplexSelection()) {
    out.table = c.currentTable();
    c.selectedTableCells(&out.row, &out.rows, &out.column, &out.columns);
    if (out.table && out.rows > 0 && out.columns > 0) return out;
  }
  // A selection that begins outside a table and reaches into one covers the cells up to
  // its end; one that lies in a single cell covers that cell.
  for (int pos : {c.position(), c.anchor(), c.selectionStart(), c.selectionEnd()}) {
    QTextTable* t = doc.tableAt(pos);
    if (!t) continue;
    const int start = std::max(c.selectionStart(), t->firstPosition());
    const int end = std::min(c.selectionEnd(), t->lastPosition());
    const QTextTableCell a = t->cellAt(start), b = t->cellAt(std::max(start, end));
    if (!a.isValid() || !b.isValid()) continue;
    out.table = t;
    out.row = std::min(a.row(), b.row());
    out.column = std::min(a.column(), b.column());
    out.rows = std::max(a.row() + a.rowSpan(), b.row() + b.rowSpan()) - out.row;
    out.columns = std::max(a.column() + a.columnSpan(), b.column() + b.columnSpan()) - out.column;
    return out;
  }
  return out;
}

// Word's cell order: along the row, then the next row; covered parts of merges skipped.
QTextTableCell neighbourCell(QTextTable* table, const QTextTableCell& cell, bool forward) {
  int r = cell.row(), c = cell.column();
  for (;;) {
    if (forward) {
      c += 1;
      if (c >= table->columns()) {
        c = 0;
        ++r;
      }
      if (r >= table->rows()) return {};
    } else {
      c -= 1;
      if (c < 0) {
        c = table->columns() - 1;
        --r;
      }
      if (r < 0) return {};
    }
    const QTextTableCell next = table->cellAt(r, c);
    if (next.isValid() && next.row() == r && next.column() == c && next != cell) return next;
  }
}

// Word moves into a cell by selecting its contents.
void selectCellContents(QTextCursor& cursor, const QTextTableCell& cell) {
  cursor.setPosition(cell.firstPosition());
  cursor.setPosition(cell.lastPosition(), QTextCursor::KeepAnchor);
}

}  // namespace

// ---- Font -------------------------------------------------------------------------------

void SelectionFont::apply(const RunValues& values) {
  DocumentState& d = *doc_;
  setRunValues(d.typing, values);
  QTextCharFormat f;
  setRunValues(f, values);
  if (d.cursor.hasSelection()) {
    d.beginEdit();
    d.cursor.mergeCharFormat(f);
  }
  // In an empty paragraph the paragraph mark takes the formatting too (it sets the
  // height of the empty line); a mark that has it already is left as it is.
  if (!d.cursor.hasSelection() && d.cursor.block().length() <= 1 &&
      d.cursor.block().charFormat() != d.typing) {
    QTextCursor c(d.cursor.block());
    c.setBlockCharFormat(d.typing);
    d.model.refreshParagraph(d.cursor.block());
  }
}

void SelectionFont::SetBold(long value) {
  enter("Font.Bold");
  RunValues v = runValues(doc_->typing);
  v.bold = wordBool(value, v.bold);
  apply(v);
}

long SelectionFont::Bold() {
  enter("Font.Bold");
  return runValues(doc_->typing).bold ? word::wdTrue : word::wdFalse;
}

void SelectionFont::SetSize(double points) {
  enter("Font.Size");
  if (!std::isfinite(points) || points < 1 || points > kMaxFontSize) failValueOutOfRange();
  RunValues v = runValues(doc_->typing);
  v.size = std::round(points * 2) / 2;  // Word keeps half points
  apply(v);
}

double SelectionFont::Size() {
  enter("Font.Size");
  return runValues(doc_->typing).size;
}

void SelectionFont::SetName(const QString& name) {
  enter("Font.Name");
  if (name.trimmed().isEmpty()) return;  // Word ignores an empty name
  RunValues v = runValues(doc_->typing);
  v.fontName = name;
  apply(v);
}

QString SelectionFont::Name() {
  enter("Font.Name");
  return runValues(doc_->typing).fontName;
}

// ---- Paragraph format -------------------------------------------------------------------

void SelectionParagraphFormat::SetAlignment(int value) {
  enter("ParagraphFormat.Alignment");
  if (value < 0 || value > 3) failValueOutOfRange();
  doc_->changeParagraphs([&](ParagraphValues& v) { v.alignment = value; });
}

int SelectionParagraphFormat::Alignment() {
  enter("ParagraphFormat.Alignment");
  return paragraphValues(doc_->cursor.blockFormat()).alignment;
}

void SelectionParagraphFormat::SetLineSpacingRule(int value) {
  enter("ParagraphFormat.LineSpacingRule");
  if (value < 0 || value > 5) failValueOutOfRange();
  doc_->changeParagraphs([&](ParagraphValues& v) {
    v.lineSpacingRule = value;
    if (value == 0) v.lineSpacing = kPointsPerLine;
    if (value == 1) v.lineSpacing = 1.5 * kPointsPerLine;
    if (value == 2) v.lineSpacing = 2 * kPointsPerLine;
  });
}

void SelectionParagraphFormat::SetLineSpacing(double points) {
  enter("ParagraphFormat.LineSpacing");
  if (!std::isfinite(points) || points < 0.7 || points > kMaxLength) failValueOutOfRange();
  doc_->changeParagraphs([&](ParagraphValues& v) {
    v.lineSpacing = points;
    // A spacing in points turns the fixed "single/1.5/double" rules into a multiple.
    if (v.lineSpacingRule <= 2) v.lineSpacingRule = word::wdLineSpaceMultiple;
  });
}

void SelectionParagraphFormat::SetSpaceBeforeAuto(long value) {
  enter("ParagraphFormat.SpaceBeforeAuto");
  doc_->changeParagraphs(
      [&](ParagraphValues& v) { v.spaceBeforeAuto = wordBool(value, v.spaceBeforeAuto); });
}

void SelectionParagraphFormat::SetSpaceAfterAuto(long value) {
  enter("ParagraphFormat.SpaceAfterAuto");
  doc_->changeParagraphs(
      [&](ParagraphValues& v) { v.spaceAfterAuto = wordBool(value, v.spaceAfterAuto); });
}

void SelectionParagraphFormat::SetFirstLineIndent(double points) {
  enter("ParagraphFormat.FirstLineIndent");
  checkLength(points);
  doc_->changeParagraphs([&](ParagraphValues& v) {
    v.firstLineIndent = points;
    v.firstLineIndentDirect = true;
  });
}

void SelectionParagraphFormat::SetLeftIndent(double points) {
  enter("ParagraphFormat.LeftIndent");
  checkLength(points);
  doc_->changeParagraphs([&](ParagraphValues& v) {
    v.leftIndent = points;
    v.leftIndentDirect = true;
  });
}

word::Ref<word::TabStop> SelectionParagraphFormat::TabStops(double position) {
  enter("ParagraphFormat.TabStops");
  checkLength(position);
  return word::Ref<word::TabStop>(std::make_shared<SelectionTabStop>(doc_, position));
}

// Setting a tab stop's position moves the stop at the old position; where there is none,
// a stop is added at the new position.
void SelectionTabStop::SetPosition(double points) {
  enter("TabStop.Position");
  checkLength(points);
  if (points < 0) failValueOutOfRange();
  const double from = position_;
  // Checked on every paragraph before any changes, so a refusal leaves all as they were.
  const QTextBlock last = doc_->lastSelectedBlock();
  for (QTextBlock b = doc_->firstSelectedBlock(); b.isValid(); b = b.next()) {
    QList<double> stops = paragraphValues(b.blockFormat()).tabStops;
    stops.removeIf(
        [&](double t) { return std::abs(t - from) < 0.05 || std::abs(t - points) < 0.05; });
    if (stops.size() >= kMaxTabStops) fail(QStringLiteral("Too many tab stops are set."));
    if (b == last) break;
  }
  doc_->changeParagraphs([&](ParagraphValues& v) {
    v.tabStops.removeIf(
        [&](double t) { return std::abs(t - from) < 0.05 || std::abs(t - points) < 0.05; });
    v.tabStops.append(points);
    std::sort(v.tabStops.begin(), v.tabStops.end());
  });
  position_ = points;
}

double SelectionTabStop::Position() {
  enter("TabStop.Position");
  return position_;
}

// ---- Header page numbers ----------------------------------------------------------------

void EnginePageNumbers::Add(int alignment, bool firstPage) {
  enter("PageNumbers.Add");
  if (alignment < 0 || alignment > 4) failValueOutOfRange();
  doc_->model.header.pageNumbers = true;
  doc_->model.header.alignment = std::min(alignment, 2);
  doc_->model.header.firstPage = firstPage;
}

word::Ref<word::PageNumbers> EngineHeader::PageNumbers() {
  enter("HeaderFooter.PageNumbers");
  return word::Ref<word::PageNumbers>(std::make_shared<EnginePageNumbers>(doc_));
}

word::Ref<word::HeaderFooter> EngineSection::Headers(int index) {
  enter("Section.Headers");
  // Only the primary header exists: first-page and even-page headers are not used.
  if (index != word::wdHeaderFooterPrimary) failMemberMissing();
  return word::Ref<word::HeaderFooter>(std::make_shared<EngineHeader>(doc_));
}

// ---- Lists ------------------------------------------------------------------------------

namespace {
// Word's list commands put the paragraph where its level says: its own indents go.
void placeAtLevel(const DocumentModel& model, ParagraphValues& v) {
  v.leftIndentDirect = false;
  v.firstLineIndentDirect = false;
  applyListLevelIndents(model, v);
}
}  // namespace

void SelectionListFormat::ApplyListTemplate(const word::Ref<word::ListTemplate>& listTemplate,
                                            bool continuePreviousList, int applyTo,
                                            int defaultListBehavior) {
  enter("ListFormat.ApplyListTemplate");
  (void)continuePreviousList;  // bullets have no numbering to continue
  (void)defaultListBehavior;
  auto* tmpl = dynamic_cast<EngineListTemplate*>(listTemplate.get());
  if (!tmpl) fail(QString::fromLatin1(word::kObjectNotSet));
  if (tmpl->document() != doc_ || !doc_->model.findListTemplate(tmpl->templateName()))
    fail(QStringLiteral("The list template does not belong to this document."));
  if (applyTo < 0 || applyTo > 2) failValueOutOfRange();
  const QString name = tmpl->templateName();
  doc_->beginEdit();
  // "This point forward" carries on through the list paragraphs that follow the selection
  // directly; "whole list" also reaches back through those before it; "selection" covers
  // the selected paragraphs only.
  QTextBlock first = doc_->firstSelectedBlock();
  QTextBlock last = doc_->lastSelectedBlock();
  const QString oldList = paragraphValues(first.blockFormat()).listTemplate;
  const auto inOldList = [&](const QTextBlock& b) {
    return b.isValid() && paragraphValues(b.blockFormat()).listTemplate == oldList;
  };
  if (!oldList.isEmpty() && applyTo != kListApplyToSelection) {
    while (inOldList(last.next())) last = last.next();
    if (applyTo == word::wdListApplyToWholeList)
      while (inOldList(first.previous())) first = first.previous();
  }
  for (QTextBlock b = first; b.isValid(); b = b.next()) {
    QTextBlockFormat f = b.blockFormat();
    ParagraphValues v = paragraphValues(f);
    if (v.listTemplate.isEmpty()) v.listLevel = 1;
    v.listTemplate = name;
    placeAtLevel(doc_->model, v);
    setParagraphValues(f, v);
    QTextCursor(b).setBlockFormat(f);
    doc_->model.refreshParagraph(b);
    if (b == last) break;
  }
}

void SelectionListFormat::changeLevel(int delta) {
  doc_->changeParagraphs([&](ParagraphValues& v) {
    if (v.listTemplate.isEmpty()) return;  // not in a list: nothing to move
    v.listLevel = std::clamp(v.listLevel + delta, 1, kListLevels);
    placeAtLevel(doc_->model, v);
  });
}

void SelectionListFormat::ListIndent() {
  enter("ListFormat.ListIndent");
  changeLevel(+1);
}

void SelectionListFormat::ListOutdent() {
  enter("ListFormat.ListOutdent");
  changeLevel(-1);
}

void SelectionListFormat::RemoveNumbers(int numberType) {
  enter("ListFormat.RemoveNumbers");
  if (numberType < 1 || numberType > 3) failValueOutOfRange();
  // The list level and the indents it gave go; indents the paragraph set itself stay.
  doc_->changeParagraphs([&](ParagraphValues& v) {
    if (v.listTemplate.isEmpty()) return;
    v.listTemplate.clear();
    v.listLevel = 0;
    if (!v.leftIndentDirect) v.leftIndent = 0;
    if (!v.firstLineIndentDirect) v.firstLineIndent = 0;
  });
}

void SelectionParagraphs::Indent() {
  enter("Paragraphs.Indent");
  // Indenting stops at the largest indent a paragraph may be given (a deep list level may
  // already lie beyond it; that one stays where it is).
  doc_->changeParagraphs([&](ParagraphValues& v) {
    v.leftIndent = std::max(v.leftIndent, std::min(kMaxLength, v.leftIndent + kIndentStep));
    v.leftIndentDirect = true;
  });
}

void SelectionParagraphs::Outdent() {
  enter("Paragraphs.Outdent");
  doc_->changeParagraphs([&](ParagraphValues& v) {
    // Outdenting stops at the margin (the hanging bullet of a list may still sit left of
    // the text).
    v.leftIndent = std::max(0.0, v.leftIndent - kIndentStep);
    v.leftIndentDirect = true;
  });
}

// ---- Cells ------------------------------------------------------------------------------

template <class F>
void SelectionShading::change(const char* member, F f) {
  enter(member);
  doc_->beginEdit();  // before looking at the cells: it may remove text
  const CellBlock cells = selectedCells(*doc_);
  if (!cells.table)
    fail(
        QStringLiteral("This method or property is not available because the object refers to a "
                       "table cell that does not exist."));
  for (int r = cells.row; r < cells.row + cells.rows; ++r) {
    for (int c = cells.column; c < cells.column + cells.columns; ++c) {
      QTextTableCell cell = cells.table->cellAt(r, c);
      if (!cell.isValid() || cell.row() != r || cell.column() != c) continue;
      QTextTableCellFormat format = cell.format().toTableCellFormat();
      CellValues v = cellValues(format);
      v.shaded = true;
      f(v);
      setCellValues(format, v);
      cell.setFormat(format);
    }
  }
  doc_->model.refreshTable(cells.table);
}

void SelectionShading::SetTexture(int v) {
  change("Shading.Texture", [&](CellValues& c) { c.texture = v; });
}
void SelectionShading::SetForegroundPatternColor(long v) {
  change("Shading.ForegroundPatternColor", [&](CellValues& c) { c.foregroundColor = v; });
}
void SelectionShading::SetBackgroundPatternColor(long v) {
  change("Shading.BackgroundPatternColor", [&](CellValues& c) { c.backgroundColor = v; });
}

word::Ref<word::Shading> SelectionCells::Shading() {
  enter("Cells.Shading");
  if (!selectedCells(*doc_).table)
    fail(QStringLiteral("This command is available only when the insertion point is in a table."));
  return word::Ref<word::Shading>(std::make_shared<SelectionShading>(doc_));
}

void SelectionCells::Merge() {
  enter("Cells.Merge");
  doc_->beginEdit();  // before looking at the cells: it may remove text
  const CellBlock cells = selectedCells(*doc_);
  if (!cells.table)
    fail(QStringLiteral("This command is available only when the insertion point is in a table."));
  if (cells.rows * cells.columns < 2)
    fail(QStringLiteral("The selection must contain at least two cells to merge."));
  cells.table->mergeCells(cells.row, cells.column, cells.rows, cells.columns);
  flushEdits(doc_->model);  // Qt takes in the new spans when the edit block closes
  const QTextTableCell merged = cells.table->cellAt(cells.row, cells.column);
  doc_->cursor.setPosition(merged.firstPosition());
  doc_->model.refreshTable(cells.table);
  doc_->takeTypingFormatFromCursor();
}

// ---- Selection --------------------------------------------------------------------------

void EngineSelection::TypeText(const QString& text) {
  DocumentState& d = enter("Selection.TypeText");
  d.beginEdit();
  // Line breaks start new paragraphs; characters that the text store reserves for its
  // own structure are dropped, and so are those a saved file cannot hold (XML forbids
  // them), so that the document is what its file says.
  QString clean = text;
  clean.replace(QStringLiteral("\r\n"), QStringLiteral("\r"));
  clean.replace(QLatin1Char('\n'), QLatin1Char('\r'));
  clean.replace(QChar::ParagraphSeparator, QLatin1Char('\r'));
  clean.remove(QChar(0xFDD0));
  clean.remove(QChar(0xFDD1));
  clean.remove(QChar(0xFDEF));
  clean.remove(QChar::ObjectReplacementCharacter);
  clean = docx::xmlSafe(clean);
  const QStringList parts = clean.split(QLatin1Char('\r'));
  for (int i = 0; i < parts.size(); ++i) {
    if (i > 0) TypeParagraph();
    if (!parts[i].isEmpty()) d.cursor.insertText(parts[i], d.typing);
  }
  // The line height follows the font of the paragraph's text.
  d.model.refreshParagraph(d.cursor.block());
  // Typing nothing over a selection still replaces it.
  if (clean.isEmpty() && d.cursor.hasSelection()) d.removeSelectedText(d.cursor);
}

void EngineSelection::TypeParagraph() {
  DocumentState& d = enter("Selection.TypeParagraph");
  d.beginEdit();
  if (d.cursor.hasSelection()) d.removeSelectedText(d.cursor);
  QTextBlockFormat f = d.cursor.blockFormat();
  ParagraphValues v = paragraphValues(f);
  v.sectionStart = false;
  setParagraphValues(f, v);
  d.cursor.insertBlock(f, d.typing);
  d.model.refreshParagraph(d.cursor.block());
}

void EngineSelection::InsertBreak(int type) {
  DocumentState& d = enter("Selection.InsertBreak");
  if (type != word::wdSectionBreakNextPage && type != word::wdPageBreak)
    fail(QStringLiteral("This kind of break is not supported (type %1).").arg(type));
  if (d.cursor.currentTable())
    fail(QStringLiteral("A section break cannot be inserted in a table."));
  d.beginEdit();
  if (d.cursor.hasSelection()) d.removeSelectedText(d.cursor);
  QTextBlockFormat f = d.cursor.blockFormat();
  ParagraphValues v = paragraphValues(f);
  // A page break is kept as a section start too: the page setup is the same for all.
  v.sectionStart = true;
  setParagraphValues(f, v);
  d.cursor.insertBlock(f, d.typing);
  d.model.refreshParagraph(d.cursor.block());
}

word::Ref<word::Font> EngineSelection::Font() {
  enter("Selection.Font");
  return word::Ref<word::Font>(std::make_shared<SelectionFont>(doc_));
}

word::Ref<word::ParagraphFormat> EngineSelection::ParagraphFormat() {
  enter("Selection.ParagraphFormat");
  return word::Ref<word::ParagraphFormat>(std::make_shared<SelectionParagraphFormat>(doc_));
}

word::Ref<word::Section> EngineSelection::Sections(int index) {
  enter("Selection.Sections");
  // The sections the selection touches, counted from the one it starts in.
  int touched = 1;
  const QTextBlock last = doc_->lastSelectedBlock();
  for (QTextBlock b = doc_->firstSelectedBlock().next(); b.isValid(); b = b.next()) {
    if (paragraphValues(b.blockFormat()).sectionStart) ++touched;
    if (b == last) break;
  }
  if (index < 1 || index > touched) failMemberMissing();
  return word::Ref<word::Section>(std::make_shared<EngineSection>(doc_));
}

word::Ref<word::Range> EngineSelection::Range() {
  enter("Selection.Range");
  return word::Ref<word::Range>(std::make_shared<EngineRange>(doc_, false));
}

word::Ref<word::Paragraphs> EngineSelection::Paragraphs() {
  enter("Selection.Paragraphs");
  return word::Ref<word::Paragraphs>(std::make_shared<SelectionParagraphs>(doc_));
}

word::Ref<word::Cells> EngineSelection::Cells() {
  enter("Selection.Cells");
  if (!selectedCells(*doc_).table)
    fail(QStringLiteral("This command is available only when the insertion point is in a table."));
  return word::Ref<word::Cells>(std::make_shared<SelectionCells>(doc_));
}

namespace {
// Home or End by line answered from a copy of the paragraph or table around the cursor;
// false when the copy cannot tell (the document is then laid out).
bool lineEdge(DocumentState& d, bool end, bool extend) {
  std::optional<qreal> x;
  if (!LineCopy(d.model).lineEdge(d.cursor, end, extend, x)) return false;
  d.keepLineX(x);
  return true;
}
}  // namespace

int EngineSelection::moveHorizontal(int unit, int count, int extend, bool right,
                                    const char* member) {
  DocumentState& d = enter(member);
  if (extend != word::wdMove && extend != word::wdExtend) failValueOutOfRange();
  if (count < 0) {
    count = distance(count);
    right = !right;
  }
  QTextCursor& c = d.cursor;
  const auto mode = extend == word::wdExtend ? QTextCursor::KeepAnchor : QTextCursor::MoveAnchor;
  int moved = 0;
  if (unit == word::wdCell) {
    for (; moved < count; ++moved) {
      QTextTable* table = c.currentTable();
      if (!table) break;
      const QTextTableCell next = neighbourCell(table, table->cellAt(c.position()), right);
      if (!next.isValid()) break;
      selectCellContents(c, next);
    }
  } else if (unit == word::wdCharacter || unit == word::wdWord) {
    const auto op = unit == word::wdWord
                        ? (right ? QTextCursor::NextWord : QTextCursor::PreviousWord)
                        : (right ? QTextCursor::NextCharacter : QTextCursor::PreviousCharacter);
    int remaining = count;
    if (mode == QTextCursor::MoveAnchor && c.hasSelection() && remaining > 0) {
      // Collapsing a selection counts as the first move.
      c.setPosition(right ? c.selectionEnd() : c.selectionStart());
      --remaining;
      ++moved;
    }
    for (; remaining > 0; --remaining, ++moved)
      if (!c.movePosition(op, mode)) break;
  } else {
    fail(QStringLiteral("Bad parameter"));
  }
  d.takeTypingFormatFromCursor();
  return moved;
}

int EngineSelection::moveVertical(int unit, int count, int extend, bool down, const char* member) {
  DocumentState& d = enter(member);
  if (extend != word::wdMove && extend != word::wdExtend) failValueOutOfRange();
  if (unit != word::wdLine) fail(QStringLiteral("Bad parameter"));
  if (count < 0) {
    count = distance(count);
    down = !down;
  }
  QTextCursor& c = d.cursor;
  const auto mode = extend == word::wdExtend ? QTextCursor::KeepAnchor : QTextCursor::MoveAnchor;
  int moved = 0;
  if (mode == QTextCursor::MoveAnchor && c.hasSelection()) {
    // A selection collapses before the move: upwards to its start, downwards to its end,
    // except that a selection of table cells goes down from the column where it starts.
    const bool cells = c.hasComplexSelection() ||
                       d.tableAt(c.anchor()) != d.tableAt(c.position()) ||
                       (c.currentTable() && c.currentTable()->cellAt(c.anchor()) !=
                                                c.currentTable()->cellAt(c.position()));
    c.setPosition(down && !cells ? c.selectionEnd() : c.selectionStart());
  }
  // Answered by the table grid, else from a copy of the part of the document the moves
  // cross; the document is laid out only when neither can tell. The x kept between moves
  // is the engine's while the copy answers (Qt keeps its own after a move of its cursor).
  std::optional<qreal> x = d.keptLineX();
  std::optional<LineCopy> copy;
  bool copyAnswers = x || c.verticalMovementX() == -1;
  bool lineMoved = false;  // a move by line made: Qt's cursor then keeps the x of each place
  std::optional<SettledLayout> settled;
  for (; moved < count; ++moved) {
    const int to =
        mode == QTextCursor::MoveAnchor ? lineMoveInTable(d.model, c.position(), down) : -1;
    if (to >= 0) {
      c.setPosition(to);
      x = lineMoved && copy ? copy->xAt(to) : std::nullopt;
      continue;
    }
    lineMoved = true;
    if (copyAnswers) {
      if (!copy) copy.emplace(d.model);
      if (const std::optional<bool> stepped =
              copy->step(c, down, mode == QTextCursor::KeepAnchor, x)) {
        if (!*stepped) break;
        continue;
      }
      copyAnswers = false;
      // Qt's cursor keeps whole numbers only: this is as near as it can be told the x.
      if (x) c.setVerticalMovementX(int(*x));
    }
    if (!settled) settled.emplace(d.model);
    if (!c.movePosition(down ? QTextCursor::Down : QTextCursor::Up, mode)) break;
  }
  d.keepLineX(copyAnswers ? x : std::nullopt);
  d.takeTypingFormatFromCursor();
  return moved;
}

int EngineSelection::MoveRight(int unit, int count, int extend) {
  return moveHorizontal(unit, count, extend, true, "Selection.MoveRight");
}
int EngineSelection::MoveLeft(int unit, int count, int extend) {
  return moveHorizontal(unit, count, extend, false, "Selection.MoveLeft");
}
int EngineSelection::MoveUp(int unit, int count, int extend) {
  return moveVertical(unit, count, extend, false, "Selection.MoveUp");
}
int EngineSelection::MoveDown(int unit, int count, int extend) {
  return moveVertical(unit, count, extend, true, "Selection.MoveDown");
}

int EngineSelection::EndKey(int unit, int extend) {
  DocumentState& d = enter("Selection.EndKey");
  if (extend != word::wdMove && extend != word::wdExtend) failValueOutOfRange();
  const auto mode = extend == word::wdExtend ? QTextCursor::KeepAnchor : QTextCursor::MoveAnchor;
  const int before = d.cursor.position();
  if (unit == word::wdLine && lineEdge(d, true, mode == QTextCursor::KeepAnchor)) {
    d.takeTypingFormatFromCursor();
    return d.cursor.position() - before;
  }
  const SettledLayout settled(d.model);
  if (unit == word::wdLine)
    d.cursor.movePosition(QTextCursor::EndOfLine, mode);
  else if (unit == word::wdStory)
    d.cursor.movePosition(QTextCursor::End, mode);
  else
    fail(QStringLiteral("Bad parameter"));
  d.takeTypingFormatFromCursor();
  return d.cursor.position() - before;
}

int EngineSelection::HomeKey(int unit, int extend) {
  DocumentState& d = enter("Selection.HomeKey");
  if (extend != word::wdMove && extend != word::wdExtend) failValueOutOfRange();
  const auto mode = extend == word::wdExtend ? QTextCursor::KeepAnchor : QTextCursor::MoveAnchor;
  const int before = d.cursor.position();
  if (unit == word::wdLine && lineEdge(d, false, mode == QTextCursor::KeepAnchor)) {
    d.takeTypingFormatFromCursor();
    return before - d.cursor.position();
  }
  const SettledLayout settled(d.model);
  if (unit == word::wdLine) {
    d.cursor.movePosition(QTextCursor::StartOfLine, mode);
  } else if (unit == word::wdStory) {
    // The story starts at the first page that navigation has not removed.
    d.cursor.setPosition(d.leadingPages.storyStart(d.model), mode);
  } else {
    fail(QStringLiteral("Bad parameter"));
  }
  d.takeTypingFormatFromCursor();
  return before - d.cursor.position();
}

void EngineSelection::GoTo(int what, int which, const QVariant& count, const QVariant& name) {
  DocumentState& d = enter("Selection.GoTo");
  (void)name;  // page names are numbers; Count carries the number where one is given
  if (what != word::wdGoToPage) fail(QStringLiteral("This GoTo target is not supported."));
  const int pages = pageCount(d.model);
  const int first = d.leadingPages.firstPage();
  const int current = std::max(first, pageOfPosition(d.model, d.cursor.position()));
  // Wide arithmetic: a count near the ends of int must not overflow before the clamp.
  const qint64 n = count.isValid() && !count.isNull() ? count.toInt() : 1;
  qint64 target = current;
  switch (which) {
    case word::wdGoToAbsolute:
      target = first + n - 1;
      break;
    case word::wdGoToNext:
      target = current + std::max<qint64>(1, n);
      break;
    case 3:  // wdGoToPrevious
      target = current - std::max<qint64>(1, n);
      break;
    case 4:  // wdGoToFirst
      target = first;
      break;
    case -1:  // wdGoToLast
      target = pages - 1;
      break;
    default:
      failValueOutOfRange();
  }
  target = std::clamp<qint64>(target, first, pages - 1);
  const int page = static_cast<int>(target);
  const int position = std::max(0, pageStartPosition(d.model, page));
  d.cursor.setPosition(position);
  d.leadingPages.wentTo({page, position});
  d.takeTypingFormatFromCursor();
}

int EngineSelection::Delete(int unit, int count) {
  DocumentState& d = enter("Selection.Delete");
  if (unit != word::wdCharacter && unit != word::wdWord) fail(QStringLiteral("Bad parameter"));
  if (count < 1) return 0;
  QTextCursor& c = d.cursor;
  if (c.hasSelection()) {
    // A selection from the start of the story to the start of a later page removes the
    // whole leading pages; the pages after them keep the layout they had.
    if (const auto end = d.leadingPages.wholePagesSelected(d.model, d.cursor)) {
      d.leadingPages.removeBefore(end->page);
      c.setPosition(end->position);
      return 1;
    }
    d.beginEdit();
    d.removeSelectedText(c);
    d.takeTypingFormatFromCursor();
    return 1;
  }
  d.beginEdit();
  int deleted = 0;
  for (; deleted < count; ++deleted) {
    if (c.atEnd()) break;
    c.movePosition(unit == word::wdWord ? QTextCursor::NextWord : QTextCursor::NextCharacter,
                   QTextCursor::KeepAnchor);
    if (!c.hasSelection()) break;
    d.removeSelectedText(c);
  }
  d.takeTypingFormatFromCursor();
  return deleted;
}

}  // namespace engine
