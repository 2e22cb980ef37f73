#include "engine/PageLayout.h"

#include <QAbstractTextDocumentLayout>
#include <QFontMetricsF>
#include <QPainter>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextLayout>
#include <QTextTable>
#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <vector>

#include "engine/FontSubstitutes.h"
#include "engine/LayoutDevice.h"

namespace engine {
namespace {

// The document position of a block's layout origin (its lines are relative to it).
QPointF layoutOrigin(const QTextDocument* doc, const QTextBlock& block) {
  return doc->documentLayout()->blockBoundingRect(block).topLeft();
}

int pageOfY(const DocumentModel& model, double y) {
  return std::max(0, int(std::floor(y / model.page.pageHeight)));
}

// A font whose pixel size on the painter's device equals `points` layout units.
QFont deviceFont(QFont font, double points, QPainter& painter) {
  const int dpi = painter.device() ? painter.device()->logicalDpiY() : 72;
  font.setPointSizeF(points * 72.0 / (dpi > 0 ? dpi : 72));
  return font;
}

// A bullet as drawn: where its baseline starts, its font in layout units and its text.
struct BulletMark {
  QPointF at;
  QFont font;
  QString text;
};

}  // namespace

// What page questions need, for one version of the layout; the document's change signal
// resets it. It also holds the document's open edit block. A child of the document, so
// it goes with it; the model keeps a pointer to it (DocumentModel::layoutCache).
class LayoutCache : public QObject {
 public:
  explicit LayoutCache(QTextDocument* doc) : QObject(doc), edits(doc) {
    setObjectName(QLatin1String(kCacheName));
    connect(doc, &QTextDocument::contentsChange, this, [this](int from, int removed, int added) {
      if (settling) return;
      ++version;
      changed(from, removed, added);
    });
    open();
  }

  // The open edit block: closed to lay out, opened again for the edits to come, except
  // while a settled layout is held.
  void close() {
    if (!isOpen) return;
    isOpen = false;
    edits.endEditBlock();
  }
  void open() {
    if (isOpen || held > 0) return;
    isOpen = true;
    edits.beginEditBlock();
  }

  // Text from `from` on: `removed` characters gave way to `added` ones.
  void changed(qint64 from, qint64 removed, qint64 added) {
    settled = false;
    // The changed span grows to cover this change; an end behind it moves with the text.
    if (changeEnd >= from) changeEnd = std::max(from + added, changeEnd + added - removed);
    changeStart = std::min(changeStart, std::max<qint64>(0, from));
    changeEnd = std::max(changeEnd, from + added);
    pageStartsKnown = false;
    bulletsKnown = false;
  }

  static constexpr const char* kCacheName = "halvenor-layout-cache";

  QTextCursor edits;  // holds the open edit block
  bool isOpen = false;
  int held = 0;           // settled layouts alive
  bool settling = false;  // the row padding's own changes are no news
  bool settled = false;
  qint64 version = 0;  // changes of the text Qt reported so far
  // The span of text changed since the layout last settled.
  qint64 changeStart = 0;
  qint64 changeEnd = std::numeric_limits<int>::max();
  bool pageStartsKnown = false;
  std::vector<int> pageStarts;  // the first position of each page
  bool bulletsKnown = false;
  std::vector<BulletMark> bullets;  // in document order
};

LayoutCache& DocumentModel::layoutCache() const {
  if (!layoutCache_) layoutCache_ = new LayoutCache(text_.get());
  return *layoutCache_;
}

namespace {

// Every bullet of the document, where the settled layout puts it.
std::vector<BulletMark> findBullets(const DocumentModel& model) {
  std::vector<BulletMark> marks;
  QTextDocument* doc = model.text();
  for (QTextBlock b = doc->begin(); b.isValid(); b = b.next()) {
    const QTextBlockFormat format = b.blockFormat();
    if (format.stringProperty(prop::kListTemplate).isEmpty()) continue;
    const ParagraphValues v = paragraphValues(format);
    const ListTemplateDefinition* tmpl = model.findListTemplate(v.listTemplate);
    if (!tmpl || !b.layout() || b.layout()->lineCount() == 0) continue;
    const QPointF origin = layoutOrigin(doc, b);
    const QTextLine line = b.layout()->lineAt(0);
    const double baseline = origin.y() + line.y() + line.ascent();
    const ListLevelDefinition level = effectiveListLevel(*tmpl, v.listLevel);
    const RunValues text = runValues(b.length() > 1 ? QTextCursor(b).charFormat() : b.charFormat());
    // The paragraph's zero is where its first line would start without indents.
    const double zero = origin.x() + line.x() - (format.leftMargin() + format.textIndent());
    const double x = zero + std::max(0.0, v.leftIndent + v.firstLineIndent);
    marks.push_back(
        {QPointF(x, baseline), listBulletFont(level, text), displayBullet(level.numberFormat)});
  }
  return marks;
}

void drawBullets(const std::vector<BulletMark>& marks, QPainter& painter, double top,
                 double bottom) {
  for (const BulletMark& mark : marks) {
    if (mark.at.y() < top || mark.at.y() > bottom) continue;
    painter.setFont(deviceFont(mark.font, mark.font.pointSizeF(), painter));
    painter.setPen(Qt::black);
    painter.drawText(mark.at, mark.text);
  }
}

// The height of a cell's text: from the top of its first paragraph to the bottom of its
// last (the layout leaves out the outer spacing of a cell's paragraphs). It does not
// depend on where the row falls on the page. The last line counts with its whole line
// spacing, as the row holds it: Qt's rectangle of a paragraph spaced by a multiple ends at
// the last line's own height (an 11 pt line of 16 pt), which left a row set to at least
// 23.35 pt 5 pt taller than Word's.
double cellContentHeight(const QTextDocument* doc, const QTextTableCell& cell) {
  const QTextBlock lastBlock = cell.lastCursorPosition().block();
  const QRectF first = doc->documentLayout()->blockBoundingRect(cell.firstCursorPosition().block());
  const QRectF last = doc->documentLayout()->blockBoundingRect(lastBlock);
  double bottom = last.bottom();
  const QTextLayout* layout = lastBlock.layout();
  const QTextBlockFormat format = lastBlock.blockFormat();
  if (layout && layout->lineCount() > 0 &&
      format.lineHeightType() == QTextBlockFormat::ProportionalHeight) {
    const QTextLine line = layout->lineAt(layout->lineCount() - 1);
    bottom = std::max(bottom, last.top() + line.y() + line.height() * format.lineHeight() / 100.0);
  }
  return std::max(0.0, bottom - first.top());
}

// Whether row `r` has a minimum or exact height of its own.
bool rowHasSetHeight(const TableValues& v, int r) {
  return r < v.rowHeightRules.size() && v.rowHeightRules[r] != 0 && r < v.rowHeights.size() &&
         v.rowHeights[r] > 0;
}

// Sets the cell's bottom padding to `padding` points; true when it changed.
bool setPaddingBelow(QTextTableCell& cell, double padding) {
  QTextTableCellFormat format = cell.format().toTableCellFormat();
  if (std::abs(format.bottomPadding() - qtLength(padding)) <= 0.01) return false;
  format.setBottomPadding(qtLength(padding));
  cell.setFormat(format);
  return true;
}

// Rows with a minimum or exact height: each cell gets the height its text lacks as padding
// below it (Qt's tables know no row heights of their own). A cell's text height does not
// depend on anything outside it, so only cells in the changed span from `from` to `to`
// are looked at.
bool padRows(QTextDocument* doc, qint64 from, qint64 to) {
  bool changed = false;
  // One edit for all tables: each edit lays out again from where it changed to the end, so
  // one per table would cost as much as the document for every table.
  QTextCursor edit(doc);
  edit.beginEditBlock();
  for (QTextFrame* frame : doc->rootFrame()->childFrames()) {
    auto* table = qobject_cast<QTextTable*>(frame);
    if (!table || table->lastPosition() < from || table->firstPosition() > to) continue;
    const TableValues v = tableValues(table->format());
    // The rows the span reaches (all of them where a row cannot be told).
    const QTextTableCell first = table->cellAt(int(std::max<qint64>(from, 0)));
    const QTextTableCell last = table->cellAt(int(std::min<qint64>(to, table->lastPosition())));
    const int firstRow = from > table->firstPosition() && first.isValid() ? first.row() : 0;
    const int lastRow = to < table->lastPosition() && last.isValid()
                            ? last.row() + last.rowSpan() - 1
                            : table->rows() - 1;
    for (int r = firstRow; r <= lastRow; ++r) {
      const bool fixed = rowHasSetHeight(v, r);
      for (int c = 0; c < table->columns(); ++c) {
        QTextTableCell cell = table->cellAt(r, c);
        if (!cell.isValid() || cell.row() != r || cell.column() != c) continue;
        double padding = 0;
        if (fixed && cell.rowSpan() == 1)
          padding = std::max(0.0, v.rowHeights[r] - cellContentHeight(doc, cell));
        if (setPaddingBelow(cell, padding)) changed = true;
      }
    }
  }
  edit.endEditBlock();
  return changed;
}

// The room an empty paragraph takes as one line of its mark's font, spaced as its format
// says, with its space before and after.
double emptyParagraphHeight(const QTextBlockFormat& format, double natural) {
  double line = natural;
  switch (format.lineHeightType()) {
    case QTextBlockFormat::ProportionalHeight:
      line = natural * format.lineHeight() / 100.0;
      break;
    case QTextBlockFormat::FixedHeight:
      line = format.lineHeight();
      break;
    case QTextBlockFormat::MinimumHeight:
      line = std::max(natural, format.lineHeight());
      break;
    case QTextBlockFormat::LineDistanceHeight:
      line = natural + format.lineHeight();
      break;
    default:
      break;
  }
  return std::max(0.0, format.topMargin() + line + format.bottomMargin());
}
double emptyParagraphHeight(const QTextBlock& block) {
  const QTextLayout* layout = block.layout();
  if (!layout || layout->lineCount() == 0) return 0;
  return emptyParagraphHeight(block.blockFormat(), layout->lineAt(0).height());
}

// The empty paragraph straight after the table, or an invalid block when the paragraph
// there holds text.
QTextBlock emptyParagraphAfter(const QTextDocument* doc, const QTextTable* table) {
  const QTextBlock after = doc->findBlock(table->lastPosition() + 1);
  if (after.isValid() && after.length() == 1 && after.position() == table->lastPosition() + 1)
    return after;
  return {};
}

// Sets the table's bottom margin to `room` points; true when it changed.
bool setRoomBelow(QTextTable* table, double room) {
  QTextTableFormat format = table->format();
  if (std::abs(format.bottomMargin() - qtLength(room)) <= 0.01) return false;
  format.setBottomMargin(qtLength(room));
  table->setFormat(format);
  return true;
}

// Word shows an empty paragraph right after a table as a blank line; Qt's layout tucks it
// into the table's bottom edge, where it takes no room, so the next paragraph would stand
// right under the table. The table's bottom margin gives the line back (the paragraph is
// drawn inside it). Only tables whose following paragraph lies in the changed span from
// `from` to `to` are looked at.
bool makeRoomAfterTables(QTextDocument* doc, qint64 from, qint64 to) {
  bool changed = false;
  QTextCursor edit(doc);
  edit.beginEditBlock();
  for (QTextFrame* frame : doc->rootFrame()->childFrames()) {
    auto* table = qobject_cast<QTextTable*>(frame);
    if (!table || table->lastPosition() + 1 < from || table->firstPosition() > to) continue;
    const QTextBlock after = emptyParagraphAfter(doc, table);
    if (setRoomBelow(table, after.isValid() ? emptyParagraphHeight(after) : 0)) changed = true;
  }
  edit.endEditBlock();
  return changed;
}

double cellLineRoom(const QTextBlock& block, QTextTable* table, const QTextTableCell& cell);

// A paragraph laid out alone as one line, as Qt's document layout lays out its first line
// (glyphs, fonts and line height depend only on the paragraph).
struct AloneLine {
  double height = 0;  // the line's own height, leading included
  double extent = 0;  // the height of its layout's bounding rectangle
  double width = 0;   // the natural width of its text
};
std::optional<AloneLine> layOutAlone(const QTextDocument* doc, const QTextBlock& block) {
  QTextLayout layout(block);
  layout.setTextOption(doc->defaultTextOption());
  layout.beginLayout();
  QTextLine line = layout.createLine();
  if (!line.isValid()) {
    layout.endLayout();
    return {};
  }
  line.setLeadingIncluded(true);
  line.setLineWidth(std::numeric_limits<int>::max() / 256.0);
  line.setPosition(QPointF(0, 0));
  const bool one = !layout.createLine().isValid();
  layout.endLayout();
  if (!one) return {};
  return AloneLine{line.height(), layout.boundingRect().height(), line.naturalTextWidth()};
}

// The bottom padding of every cell of the table, worked out without a layout: only where
// every cell of every row with a set height holds one paragraph that certainly fits one
// line, measured alone; otherwise none.
std::optional<std::vector<std::pair<QTextTableCell, double>>> paddingsWithoutLayout(
    const QTextDocument* doc, QTextTable* table) {
  const TableValues v = tableValues(table->format());
  std::vector<std::pair<QTextTableCell, double>> paddings;
  for (int r = 0; r < table->rows(); ++r) {
    const bool fixed = rowHasSetHeight(v, r);
    for (int c = 0; c < table->columns(); ++c) {
      const QTextTableCell cell = table->cellAt(r, c);
      if (!cell.isValid() || cell.row() != r || cell.column() != c) continue;
      if (!fixed || cell.rowSpan() != 1) {
        paddings.emplace_back(cell, 0.0);
        continue;
      }
      const QTextBlock block = cell.firstCursorPosition().block();
      const QTextBlockFormat format = block.blockFormat();
      const bool proportional = format.lineHeightType() == QTextBlockFormat::ProportionalHeight;
      std::optional<AloneLine> line;
      if (block == cell.lastCursorPosition().block() && !block.text().contains(QLatin1Char('\t')) &&
          (proportional || format.lineHeightType() == QTextBlockFormat::SingleHeight))
        line = layOutAlone(doc, block);
      // One line for certain: narrower than the least room its cell gives it.
      const double room = cellLineRoom(block, table, cell);
      if (!line || room < 0 || line->width + 1.0 >= room) return std::nullopt;
      // As cellContentHeight measures it: the layout's rectangle, or the line with its
      // whole spacing where that reaches further.
      double height = line->extent;
      if (proportional) height = std::max(height, line->height * format.lineHeight() / 100.0);
      paddings.emplace_back(cell, std::max(0.0, v.rowHeights[r] - std::max(0.0, height)));
    }
  }
  return paddings;
}

// Before a document is first laid out on pages: the row paddings and the room after
// tables that settling would work out from the layout, worked out beforehand where no
// layout is needed for them (a padded row's cells each hold one paragraph that certainly
// fits one line; the paragraph after a table is empty). Qt then lays the pages out once,
// instead of once and again from the first padded table to the end. Whatever is not
// worked out here the settling does as before.
void padAndSpaceBeforeLayout(const DocumentModel& model) {
  QTextDocument* doc = model.text();
  QTextCursor edit(doc);
  edit.beginEditBlock();
  for (QTextFrame* frame : doc->rootFrame()->childFrames()) {
    auto* table = qobject_cast<QTextTable*>(frame);
    if (!table) continue;
    // The room after the table, for an empty paragraph right after it.
    if (const QTextBlock after = emptyParagraphAfter(doc, table); after.isValid())
      if (const std::optional<AloneLine> line = layOutAlone(doc, after))
        setRoomBelow(table, emptyParagraphHeight(after.blockFormat(), line->height));
    if (auto paddings = paddingsWithoutLayout(doc, table))
      for (auto& [cell, padding] : *paddings) setPaddingBelow(cell, padding);
  }
  edit.endEditBlock();
}

}  // namespace

void flushEdits(const DocumentModel& model) {
  LayoutCache& cache = model.layoutCache();
  cache.close();
  cache.open();
}

void settleLayout(const DocumentModel& model) {
  QTextDocument* doc = model.text();
  LayoutCache& cache = model.layoutCache();
  const QSizeF pageSize(model.page.pageWidth, model.page.pageHeight);
  // The lines that moves by line laid out in one column are laid out again on pages: the
  // edits since are not laid out in one column first.
  if (doc->pageSize() != pageSize && !doc->pageSize().isNull()) doc->setPageSize(QSizeF(0, 0));
  cache.close();  // Qt lays out what the edits changed
  // Until the first question about pages the document has no page size, and so no
  // layout: setting it lays the whole document out, from then on only what changes.
  if (doc->pageSize() != pageSize) {
    cache.settling = true;
    padAndSpaceBeforeLayout(model);
    cache.settling = false;
    // Drawing a page shapes its text again unless the layout keeps the glyphs it made.
    for (QTextBlock b = doc->begin(); b.isValid(); b = b.next())
      if (b.layout()) b.layout()->setCacheEnabled(true);
    doc->setPageSize(pageSize);  // a full layout: every row's padding is worked out again
    cache.changed(0, 0, std::numeric_limits<int>::max());
  }
  if (!cache.settled) {
    doc->documentLayout()->documentSize();
    cache.settling = true;
    // One edit for both, so that Qt lays the document out again once.
    QTextCursor edit(doc);
    edit.beginEditBlock();
    const bool padded = padRows(doc, cache.changeStart, cache.changeEnd);
    const bool spaced = makeRoomAfterTables(doc, cache.changeStart, cache.changeEnd);
    edit.endEditBlock();
    cache.settling = false;
    if (padded || spaced) doc->documentLayout()->documentSize();
    cache.settled = true;
    cache.changeStart = std::numeric_limits<int>::max();
    cache.changeEnd = -1;
  }
  cache.open();
}

namespace {

// The width a line of the paragraph has in its cell at the least (points), or -1 where the
// table's columns do not tell.
double cellLineRoom(const QTextBlock& block, QTextTable* table, const QTextTableCell& cell) {
  const QList<QTextLength> columns = table->format().columnWidthConstraints();
  double available = 0;
  for (int c = cell.column(); c < cell.column() + cell.columnSpan(); ++c) {
    if (c >= columns.size() || columns[c].type() != QTextLength::FixedLength) return -1;
    available += fromQtLength(columns[c].rawValue());
  }
  const QTextTableCellFormat format = cell.format().toTableCellFormat();
  const QTextBlockFormat paragraph = block.blockFormat();
  available -= fromQtLength(format.leftPadding() + format.rightPadding() + format.leftBorder() +
                            format.rightBorder());
  available -= paragraph.leftMargin() + paragraph.rightMargin() + std::abs(paragraph.textIndent());
  return available;
}

// True when the paragraph's text certainly fits on one line of its cell (with room to
// spare for any difference between the measure here and the layout's).
bool fitsOneLine(const QTextBlock& block, QTextTable* table, const QTextTableCell& cell) {
  if (block.length() <= 1) return true;
  if (block.text().contains(QLatin1Char('\t'))) return false;
  const double available = cellLineRoom(block, table, cell);
  if (available < 0) return false;
  double width = 0;
  for (auto it = block.begin(); !it.atEnd(); ++it) {
    const QTextFragment fragment = it.fragment();
    width += QFontMetricsF(fragment.charFormat().font(), layoutDevice())
                 .horizontalAdvance(fragment.text());
  }
  return width * 1.1 + 6 < available;
}

}  // namespace

bool cellParagraphFitsOneLine(const DocumentModel& model, const QTextBlock& block) {
  QTextTable* table = tableAt(model, block.position());
  const QTextTableCell cell = table ? table->cellAt(block.position()) : QTextTableCell();
  return cell.isValid() && fitsOneLine(block, table, cell);
}

int lineMoveInTable(const DocumentModel& model, int position, bool down) {
  QTextDocument* doc = model.text();
  QTextCursor at(doc);
  at.setPosition(std::clamp(position, 0, doc->characterCount() - 1));
  QTextTable* table = at.currentTable();
  if (!table) return -1;
  const QTextTableCell cell = table->cellAt(position);
  const QTextBlock block = doc->findBlock(position);
  if (!cell.isValid() || !block.isValid()) return -1;
  // Only from the paragraph at the cell's edge, and from its last line (down) or first
  // line (up): its end or start is, and so is all of it when it has just the one line.
  const int blockEnd = block.position() + block.length() - 1;
  const bool atEdge =
      down ? blockEnd == cell.lastPosition() : block.position() == cell.firstPosition();
  const bool atEnd = down ? position == blockEnd : position == block.position();
  if (!atEdge || (!atEnd && !fitsOneLine(block, table, cell))) return -1;
  int target;
  if (down) {
    const int row = cell.row() + cell.rowSpan();
    target = row < table->rows() ? table->cellAt(row, cell.column()).firstPosition()
                                 : table->lastPosition() + 1;
  } else {
    const int row = cell.row() - 1;
    target =
        row >= 0 ? table->cellAt(row, cell.column()).lastPosition() : table->firstPosition() - 1;
  }
  // Into an empty paragraph: its start, wherever the line above or below ends.
  const QTextBlock to = doc->findBlock(target);
  if (!to.isValid() || to.length() != 1 || target < 0) return -1;
  return to.position();
}

SettledLayout::SettledLayout(const DocumentModel& model) : model_(model) {
  QTextDocument* doc = model.text();
  LayoutCache& cache = model.layoutCache();
  ++cache.held;
  const QSizeF pageSize(model.page.pageWidth, model.page.pageHeight);
  if (doc->pageSize() == pageSize) {
    settleLayout(model);
    cache.close();
  } else {
    cache.close();
    // Not laid out on pages yet: moves by line need only where lines break, which the
    // page height and row paddings do not change. Without a page height Qt lays out in
    // one column and relays out only what changed (on pages it relays out every table
    // after a change), and brings the layout up to the line asked for when asked.
    const QSizeF columnSize(model.page.pageWidth, -1);
    if (doc->pageSize() != columnSize) doc->setPageSize(columnSize);
  }
}

SettledLayout::~SettledLayout() {
  LayoutCache& cache = model_.layoutCache();
  --cache.held;
  cache.open();
}

void forgetLayout(const DocumentModel& model) {
  model.layoutCache().changed(0, 0, std::numeric_limits<int>::max());
}

qint64 textVersion(const DocumentModel& model) {
  flushEdits(model);  // Qt reports the open edits as they are taken in
  return model.layoutCache().version;
}

void forgetBullets(const DocumentModel& model) { model.layoutCache().bulletsKnown = false; }

int pageCount(const DocumentModel& model) {
  QTextDocument* doc = model.text();
  settleLayout(model);  // lays the document out
  return std::max(1, doc->pageCount());
}

int pageOfPosition(const DocumentModel& model, int position) {
  QTextDocument* doc = model.text();
  settleLayout(model);
  const QTextBlock block = doc->findBlock(position);
  if (!block.isValid() || !block.layout()) return 0;
  const QPointF origin = layoutOrigin(doc, block);
  const QTextLine line = block.layout()->lineForTextPosition(position - block.position());
  const double y = origin.y() + (line.isValid() ? line.y() : 0);
  return pageOfY(model, y + 0.01);
}

int pageStartPosition(const DocumentModel& model, int page) {
  QTextDocument* doc = model.text();
  settleLayout(model);
  if (page <= 0) return 0;
  LayoutCache& cache = model.layoutCache();
  if (!cache.pageStartsKnown) {
    // One walk over the lines: a page starts at the first line, in text order, that lies
    // on it or on a later page.
    std::vector<int>& starts = cache.pageStarts;
    starts.clear();
    auto reach = [&](int linePage, int position) {
      while (int(starts.size()) <= linePage) starts.push_back(position);
    };
    for (QTextBlock b = doc->begin(); b.isValid(); b = b.next()) {
      if (!b.layout()) continue;
      const QPointF origin = layoutOrigin(doc, b);
      for (int i = 0; i < b.layout()->lineCount(); ++i) {
        const QTextLine line = b.layout()->lineAt(i);
        reach(pageOfY(model, origin.y() + line.y() + 0.01), b.position() + line.textStart());
      }
      if (b.layout()->lineCount() == 0) reach(pageOfY(model, origin.y() + 0.01), b.position());
    }
    cache.pageStartsKnown = true;
  }
  return page < int(cache.pageStarts.size()) ? cache.pageStarts[page] : -1;
}

QPicture drawPage(const DocumentModel& model, int page) {
  QTextDocument* doc = model.text();
  settleLayout(model);
  const QRectF pageRect(0, 0, model.page.pageWidth, model.page.pageHeight);
  QPicture picture;
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  painter.fillRect(pageRect, Qt::white);
  const bool exists = page >= 0 && page < pageCount(model);
  if (exists) {
    painter.save();
    painter.setClipRect(pageRect);
    const double top = page * model.page.pageHeight;
    painter.translate(0, -top);
    QAbstractTextDocumentLayout::PaintContext context;
    context.clip = QRectF(0, top, pageRect.width(), pageRect.height());
    context.palette.setColor(QPalette::Text, Qt::black);
    doc->documentLayout()->draw(&painter, context);
    LayoutCache& cache = model.layoutCache();
    if (!cache.bulletsKnown) {
      cache.bullets = findBullets(model);
      cache.bulletsKnown = true;
    }
    drawBullets(cache.bullets, painter, top, top + model.page.pageHeight);
    painter.restore();
    if (model.header.pageNumbers && (page > 0 || model.header.firstPage)) {
      installFontSubstitutes();
      QFont font(QStringLiteral("Calibri"));
      font.setHintingPreference(QFont::PreferNoHinting);
      painter.setFont(deviceFont(font, 11, painter));
      const QString number = QString::number(page + 1);
      const QFontMetricsF metrics(painter.font(), painter.device());
      const double width = metrics.horizontalAdvance(number);
      const double left = model.page.leftMargin;
      const double right = model.page.pageWidth - model.page.rightMargin;
      double x = right - width;
      if (model.header.alignment == 0) x = left;
      if (model.header.alignment == 1) x = (left + right - width) / 2;
      painter.setPen(Qt::black);
      painter.drawText(QPointF(x, model.page.headerDistance + metrics.ascent()), number);
    }
  }
  painter.end();
  picture.setBoundingRect(pageRect.toAlignedRect());
  return picture;
}

}  // namespace engine
