#include "engine/PageLayout.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextLayout>
#include <QTextTable>
#include <algorithm>
#include <cmath>
#include <limits>
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

// What page questions need, for one version of the layout; the document's change signal
// resets it. It also holds the document's open edit block. A child of the document, so
// it goes with it.
class LayoutCache : public QObject {
 public:
  explicit LayoutCache(QTextDocument* doc) : QObject(doc), edits(doc) {
    setObjectName(QLatin1String(kCacheName));
    connect(doc, &QTextDocument::contentsChange, this, [this](int from, int, int) {
      if (!settling) changedFrom(from);
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

  void changedFrom(int from) {
    settled = false;
    firstChange = std::min(firstChange, std::max(0, from));
    pageStartsKnown = false;
    bulletsKnown = false;
  }

  static constexpr const char* kCacheName = "halvenor-layout-cache";

  QTextCursor edits;  // holds the open edit block
  bool isOpen = false;
  int held = 0;           // settled layouts alive
  bool settling = false;  // the row padding's own changes are no news
  bool settled = false;
  int firstChange = 0;  // the first position changed since the layout last settled
  bool pageStartsKnown = false;
  std::vector<int> pageStarts;  // the first position of each page
  bool bulletsKnown = false;
  std::vector<BulletMark> bullets;  // in document order
};

LayoutCache& cacheOf(const QTextDocument* doc) {
  QObject* found =
      doc->findChild<QObject*>(QLatin1String(LayoutCache::kCacheName), Qt::FindDirectChildrenOnly);
  if (found) return *static_cast<LayoutCache*>(found);
  return *new LayoutCache(const_cast<QTextDocument*>(doc));
}

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
// depend on where the row falls on the page.
double cellContentHeight(const QTextDocument* doc, const QTextTableCell& cell) {
  const QRectF first = doc->documentLayout()->blockBoundingRect(cell.firstCursorPosition().block());
  const QRectF last = doc->documentLayout()->blockBoundingRect(cell.lastCursorPosition().block());
  return std::max(0.0, last.bottom() - first.top());
}

// Rows with a minimum or exact height: each cell gets the height its text lacks as padding
// below it (Qt's tables know no row heights of their own). Tables that end before `from`
// are as they were.
bool padRows(QTextDocument* doc, int from) {
  bool changed = false;
  QTextCursor edit(doc);
  edit.beginEditBlock();
  for (QTextFrame* frame : doc->rootFrame()->childFrames()) {
    auto* table = qobject_cast<QTextTable*>(frame);
    if (!table || table->lastPosition() < from) continue;
    const TableValues v = tableValues(table->format());
    for (int r = 0; r < table->rows(); ++r) {
      const bool fixed = r < v.rowHeightRules.size() && v.rowHeightRules[r] != 0 &&
                         r < v.rowHeights.size() && v.rowHeights[r] > 0;
      for (int c = 0; c < table->columns(); ++c) {
        QTextTableCell cell = table->cellAt(r, c);
        if (!cell.isValid() || cell.row() != r || cell.column() != c) continue;
        double padding = 0;
        if (fixed && cell.rowSpan() == 1)
          padding = std::max(0.0, v.rowHeights[r] - cellContentHeight(doc, cell));
        QTextTableCellFormat format = cell.format().toTableCellFormat();
        if (std::abs(format.bottomPadding() - qtLength(padding)) > 0.01) {
          format.setBottomPadding(qtLength(padding));
          cell.setFormat(format);
          changed = true;
        }
      }
    }
  }
  edit.endEditBlock();
  return changed;
}

}  // namespace

void flushEdits(const DocumentModel& model) {
  LayoutCache& cache = cacheOf(model.text());
  cache.close();
  cache.open();
}

void settleLayout(const DocumentModel& model) {
  QTextDocument* doc = model.text();
  LayoutCache& cache = cacheOf(doc);
  cache.close();  // Qt lays out what the edits changed
  if (!cache.settled) {
    doc->documentLayout()->documentSize();
    cache.settling = true;
    const bool padded = padRows(doc, cache.firstChange);
    cache.settling = false;
    if (padded) doc->documentLayout()->documentSize();
    cache.settled = true;
    cache.firstChange = std::numeric_limits<int>::max();
  }
  cache.open();
}

SettledLayout::SettledLayout(const DocumentModel& model) : model_(model) {
  LayoutCache& cache = cacheOf(model.text());
  ++cache.held;
  settleLayout(model);
  cache.close();
}

SettledLayout::~SettledLayout() {
  LayoutCache& cache = cacheOf(model_.text());
  --cache.held;
  cache.open();
}

void forgetLayout(const DocumentModel& model) { cacheOf(model.text()).changedFrom(0); }

void forgetBullets(const DocumentModel& model) { cacheOf(model.text()).bulletsKnown = false; }

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
  LayoutCache& cache = cacheOf(doc);
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
    LayoutCache& cache = cacheOf(doc);
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
