// Moves by visual line answered from a copy of the part of the document they cross.
#include "engine/LineMoves.h"

#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextFrame>
#include <QTextLayout>
#include <QTextTable>
#include <algorithm>
#include <climits>
#include <limits>
#include <vector>

#include "engine/PageLayout.h"

namespace engine {

// The copy: the document's text from `start` to `end` (a paragraph's start and a
// paragraph's end, tables whole), laid out in one column as the document would be.
struct LineCopy::Copy {
  DocumentModel model;
  int start = 0, end = 0;
  bool atDocumentStart = false, atDocumentEnd = false;
  std::optional<SettledLayout> settled;

  QTextDocument* text() const { return model.text(); }
  bool holds(int position) const { return position >= start && position <= end; }
};

namespace {

// A paragraph or a table of the root frame, as the span [first, last] of its positions.
struct Item {
  int first, last;
  bool table;
};

std::vector<Item> topLevelItems(const QTextDocument* doc) {
  std::vector<Item> items;
  for (auto it = doc->rootFrame()->begin(); !it.atEnd(); ++it) {
    if (QTextFrame* frame = it.currentFrame())
      items.push_back({frame->firstPosition() - 1, frame->lastPosition(), true});
    else if (const QTextBlock block = it.currentBlock(); block.isValid())
      items.push_back({block.position(), block.position() + block.length() - 1, false});
  }
  return items;
}

// The block's lines, laid out on demand as Qt's cursor asks for them.
QTextLayout* laidOut(const QTextDocument* doc, const QTextBlock& block) {
  QTextLayout* layout = block.layout();
  if (layout->lineCount() == 0) doc->documentLayout()->blockBoundingRect(block);
  return layout;
}

QTextFrame* frameAt(QTextDocument* doc, int position) {
  QTextCursor at(doc);
  at.setPosition(position);
  return at.currentFrame();
}

// Qt's cursor fits a selection to the frames it crosses by the direction of the move;
// setting the position fits it by where the anchor lies. They differ only for a selection
// that crosses a frame against the direction of the move.
bool fitsAgainstTheMove(QTextDocument* doc, int target, int anchor, bool down) {
  return frameAt(doc, target) != frameAt(doc, anchor) && (down ? target < anchor : target > anchor);
}

// The x that Qt's cursor keeps for moves by line, where it stands (QTextCursor's own rule).
qreal cursorX(const QTextDocument* doc, int position) {
  const QTextBlock block = doc->findBlock(position);
  const int relative = position - block.position();
  const QTextLine line = laidOut(doc, block)->lineForTextPosition(relative);
  return line.isValid() ? line.cursorToX(relative) : -1;
}

// A format without the object it belongs to (a table's number differs in the copy).
QTextFormat withoutObject(QTextFormat format) {
  format.clearProperty(QTextFormat::ObjectIndex);
  return format;
}

// A left-aligned, left-to-right paragraph of a table cell, without indents, that certainly
// fits one line: where Qt's cursor stands on its line and where it lands on it do not
// depend on the width of the cell.
bool simpleOneLine(const DocumentModel& model, const QTextBlock& block) {
  const QTextBlockFormat format = block.blockFormat();
  return block.isValid() && block.textDirection() == Qt::LeftToRight &&
         !(format.alignment() & (Qt::AlignHCenter | Qt::AlignRight | Qt::AlignJustify)) &&
         format.leftMargin() == 0 && format.textIndent() == 0 &&
         cellParagraphFitsOneLine(model, block);
}

// The paragraph laid out alone on one line (as the document's layout lays out its line
// where it fits: the same glyphs from the same place).
struct AloneLine {
  std::unique_ptr<QTextLayout> layout;
  QTextLine line;
};
std::optional<AloneLine> lineAlone(const QTextDocument* doc, const QTextBlock& block) {
  AloneLine alone{std::make_unique<QTextLayout>(block), QTextLine()};
  alone.layout->setTextOption(doc->defaultTextOption());
  alone.layout->beginLayout();
  alone.line = alone.layout->createLine();
  if (alone.line.isValid()) {
    alone.line.setLeadingIncluded(true);
    alone.line.setLineWidth(std::numeric_limits<int>::max() / 256.0);
    alone.line.setPosition(QPointF(0, 0));
  }
  const bool one = alone.line.isValid() && !alone.layout->createLine().isValid();
  alone.layout->endLayout();
  if (!one) return std::nullopt;
  return alone;
}

// The copy has the same paragraphs, formats and tables as the document from `start` on.
bool sameStructure(const QTextDocument* doc, const QTextDocument* copy, int start) {
  if (copy->characterCount() - 1 > doc->characterCount() - start) return false;
  QTextBlock original = doc->findBlock(start);
  for (QTextBlock b = copy->begin(); b.isValid(); b = b.next(), original = original.next()) {
    if (!original.isValid() || original.position() - start != b.position() ||
        original.text() != b.text() || original.blockFormat() != b.blockFormat() ||
        withoutObject(original.charFormat()) != withoutObject(b.charFormat()))
      return false;
    // The last paragraph is copied up to its end only.
    if (b.next().isValid() && original.length() != b.length()) return false;
  }
  const QList<QTextFrame*> copiedTables = copy->rootFrame()->childFrames();
  for (QTextFrame* frame : copiedTables) {
    auto* table = qobject_cast<QTextTable*>(frame);
    QTextCursor at(const_cast<QTextDocument*>(doc));
    at.setPosition(table ? table->firstPosition() + start : 0);
    QTextTable* originalTable = at.currentTable();
    if (!table || !originalTable ||
        originalTable->firstPosition() - start != table->firstPosition() ||
        originalTable->rows() != table->rows() || originalTable->columns() != table->columns() ||
        withoutObject(originalTable->format()) != withoutObject(table->format()))
      return false;
    for (int r = 0; r < table->rows(); ++r) {
      for (int c = 0; c < table->columns(); ++c) {
        const QTextTableCell cell = table->cellAt(r, c), originalCell = originalTable->cellAt(r, c);
        if (cell.row() != originalCell.row() || cell.column() != originalCell.column() ||
            cell.rowSpan() != originalCell.rowSpan() ||
            cell.columnSpan() != originalCell.columnSpan() ||
            withoutObject(cell.format()) != withoutObject(originalCell.format()))
          return false;
      }
    }
  }
  return true;
}

}  // namespace

LineCopy::LineCopy(const DocumentModel& model) : model_(model) {}
LineCopy::~LineCopy() = default;

std::optional<int> LineCopy::betweenOneLineCells(int position, bool down,
                                                 std::optional<qreal>& x) const {
  QTextDocument* doc = model_.text();
  const QTextBlock block = doc->findBlock(position);
  QTextTable* table = tableAt(model_, position);
  if (!table || !simpleOneLine(model_, block)) return std::nullopt;
  // Qt's move leaves the cell from its first paragraph going up and its last going down,
  // into the same column of the row above or below.
  const QTextTableCell cell = table->cellAt(position);
  const bool edge = down ? block.position() + block.length() - 1 == cell.lastPosition()
                         : block.position() == cell.firstPosition();
  const int row = down ? cell.row() + cell.rowSpan() : cell.row() - 1;
  if (!edge || row < 0 || row >= table->rows()) return std::nullopt;
  const QTextTableCell next = table->cellAt(row, cell.column());
  const QTextBlock target = doc->findBlock(down ? next.firstPosition() : next.lastPosition());
  if (!simpleOneLine(model_, target)) return std::nullopt;
  const std::optional<AloneLine> from = lineAlone(doc, block);
  const std::optional<AloneLine> to = lineAlone(doc, target);
  if (!from || !to) return std::nullopt;
  if (!x) x = from->line.cursorToX(position - block.position());
  return target.position() + to->line.xToCursor(*x);
}

bool LineCopy::cover(int anchor, int position, Reach reach) {
  if (copy_ && copy_->holds(anchor) && copy_->holds(position)) return true;
  QTextDocument* doc = model_.text();
  const std::vector<Item> items = topLevelItems(doc);
  if (items.empty()) return false;
  auto indexOf = [&](int at) {
    const auto found =
        std::find_if(items.begin(), items.end(), [&](const Item& item) { return at <= item.last; });
    return found == items.end() ? int(items.size()) - 1 : int(found - items.begin());
  };
  const int before = reach == Reach::Up || reach == Reach::Both ? reach_ : 0;
  const int after = reach == Reach::Down || reach == Reach::Both ? reach_ : 0;
  int a = std::max(0, std::min(indexOf(anchor), indexOf(position)) - before);
  int b = std::min(int(items.size()) - 1, std::max(indexOf(anchor), indexOf(position)) + after);
  // It starts and ends with a paragraph.
  while (a > 0 && items[a].table) --a;
  while (b < int(items.size()) - 1 && items[b].table) ++b;
  if (items[a].table || items[b].table) return false;

  auto copy = std::make_unique<Copy>();
  copy->start = items[a].first;
  copy->end = items[b].last;
  copy->atDocumentStart = a == 0;
  copy->atDocumentEnd = b == int(items.size()) - 1;
  copy->model.page = model_.page;
  copy->model.refreshLayout();  // the page's text width, tab stops and default font
  QTextCursor selection(doc);
  selection.setPosition(copy->start);
  selection.setPosition(copy->end, QTextCursor::KeepAnchor);
  QTextCursor into(copy->text());
  into.insertFragment(QTextDocumentFragment(selection));
  // A fragment leaves out its first paragraph's own formats.
  const QTextBlock first = doc->findBlock(copy->start);
  QTextCursor firstCopied(copy->text()->begin());
  firstCopied.setBlockFormat(first.blockFormat());
  firstCopied.setBlockCharFormat(first.charFormat());
  flushEdits(copy->model);  // Qt takes in the copied tables
  if (!sameStructure(doc, copy->text(), copy->start)) return false;
  copy->settled.emplace(copy->model);  // laid out in one column, as moves by line need
  copy_ = std::move(copy);
  return copy_->holds(anchor) && copy_->holds(position);
}

std::optional<bool> LineCopy::step(QTextCursor& cursor, bool down, bool extend,
                                   std::optional<qreal>& x) {
  if (const std::optional<int> target = betweenOneLineCells(cursor.position(), down, x)) {
    if (*target == cursor.position()) return false;
    if (extend && fitsAgainstTheMove(model_.text(), *target, cursor.anchor(), down))
      return std::nullopt;
    cursor.setPosition(*target, extend ? QTextCursor::KeepAnchor : QTextCursor::MoveAnchor);
    return true;
  }
  for (;;) {
    if (!cover(cursor.anchor(), cursor.position(), down ? Reach::Down : Reach::Up))
      return std::nullopt;
    QTextDocument* doc = copy_->text();
    const int start = copy_->start;
    const int position = cursor.position() - start;
    QTextBlock block = doc->findBlock(position);
    QTextLayout* layout = laidOut(doc, block);
    const QTextLine line = layout->lineForTextPosition(position - block.position());
    if (!x) x = cursorX(doc, position);
    // QTextCursor's Up and Down: the next line of the paragraph, else the next paragraph's
    // first line (or last, going up); out of a table cell into the cell below or above in
    // the same column, or past the table.
    int i = line.lineNumber() + (down ? 1 : -1);
    bool beyondCopy = false;
    if (down && i >= layout->lineCount()) {
      int blockPosition = block.position() + block.length() - 1;
      auto* table = qobject_cast<QTextTable*>(frameAt(doc, blockPosition));
      if (table && table->cellAt(blockPosition).lastPosition() == blockPosition) {
        const QTextTableCell cell = table->cellAt(blockPosition);
        const int row = cell.row() + cell.rowSpan();
        blockPosition = row < table->rows() ? table->cellAt(row, cell.column()).firstPosition()
                                            : table->lastPosition() + 1;
        block = doc->findBlock(blockPosition);
      } else {
        block = block.next();
      }
      if (!block.isValid()) {
        if (copy_->atDocumentEnd) return false;
        beyondCopy = true;
      } else {
        layout = laidOut(doc, block);
        i = 0;
      }
    } else if (!down && i == -1) {
      if (block == doc->begin()) {
        if (copy_->atDocumentStart) return false;
        beyondCopy = true;
      } else {
        int blockPosition = block.position();
        auto* table = qobject_cast<QTextTable*>(frameAt(doc, blockPosition));
        if (table && table->cellAt(blockPosition).firstPosition() == blockPosition) {
          const QTextTableCell cell = table->cellAt(blockPosition);
          const int row = cell.row() - 1;
          blockPosition = row >= 0 ? table->cellAt(row, cell.column()).lastPosition()
                                   : table->firstPosition() - 1;
          block = doc->findBlock(blockPosition);
        } else {
          block = block.previous();
        }
        layout = laidOut(doc, block);
        i = layout->lineCount() - 1;
      }
    }
    if (beyondCopy) {
      // The move leaves the copy: copy more of the document.
      reach_ = reach_ > INT_MAX / 4 ? INT_MAX / 2 : reach_ * 4;
      copy_.reset();
      continue;
    }
    const int target =
        (layout->lineCount() > 0 ? layout->lineAt(i).xToCursor(*x) : 0) + block.position();
    if (target == position) return false;
    if (extend && fitsAgainstTheMove(doc, target, cursor.anchor() - start, down))
      return std::nullopt;
    cursor.setPosition(target + start, extend ? QTextCursor::KeepAnchor : QTextCursor::MoveAnchor);
    return true;
  }
}

std::optional<qreal> LineCopy::xAt(int position) {
  if (!cover(position, position, Reach::Both)) return std::nullopt;
  return cursorX(copy_->text(), position - copy_->start);
}

bool LineCopy::lineEdge(QTextCursor& cursor, bool end, bool extend, std::optional<qreal>& x) {
  if (extend && cursor.hasSelection()) return false;
  if (!cover(cursor.position(), cursor.position(), Reach::None)) return false;
  QTextDocument* doc = copy_->text();
  const int start = copy_->start;
  QTextCursor moving(doc);
  moving.setPosition(cursor.position() - start);
  moving.movePosition(end ? QTextCursor::EndOfLine : QTextCursor::StartOfLine);
  const int target = moving.position();
  cursor.setPosition(target + start, extend ? QTextCursor::KeepAnchor : QTextCursor::MoveAnchor);
  x = cursorX(doc, target);
  return true;
}

}  // namespace engine
