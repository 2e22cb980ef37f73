#include "engine/PageLayout.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextLayout>
#include <QTextTable>
#include <cmath>

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

void drawBullets(const DocumentModel& model, QPainter& painter, double top, double bottom) {
  QTextDocument* doc = model.text();
  for (QTextBlock b = doc->begin(); b.isValid(); b = b.next()) {
    const ParagraphValues v = paragraphValues(b.blockFormat());
    if (v.listTemplate.isEmpty()) continue;
    const ListTemplateDefinition* tmpl = model.findListTemplate(v.listTemplate);
    if (!tmpl || !b.layout() || b.layout()->lineCount() == 0) continue;
    const QPointF origin = layoutOrigin(doc, b);
    const QTextLine line = b.layout()->lineAt(0);
    const double baseline = origin.y() + line.y() + line.ascent();
    if (baseline < top || baseline > bottom) continue;
    const ListLevelDefinition level = effectiveListLevel(*tmpl, v.listLevel);
    const RunValues text = runValues(b.length() > 1 ? QTextCursor(b).charFormat() : b.charFormat());
    QFont font = listBulletFont(level, text);
    painter.setFont(deviceFont(font, font.pointSizeF(), painter));
    // The paragraph's zero is where its first line would start without indents.
    const double zero =
        origin.x() + line.x() - (b.blockFormat().leftMargin() + b.blockFormat().textIndent());
    const double x = zero + std::max(0.0, v.leftIndent + v.firstLineIndent);
    painter.setPen(Qt::black);
    painter.drawText(QPointF(x, baseline), displayBullet(level.numberFormat));
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

}  // namespace

void settleLayout(const DocumentModel& model) {
  QTextDocument* doc = model.text();
  doc->documentLayout()->documentSize();
  // Rows with a minimum or exact height: each cell gets the height its text lacks as
  // padding below it (Qt's tables know no row heights of their own).
  bool changed = false;
  QTextCursor edit(doc);
  edit.beginEditBlock();
  for (QTextFrame* frame : doc->rootFrame()->childFrames()) {
    auto* table = qobject_cast<QTextTable*>(frame);
    if (!table) continue;
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
  if (changed) doc->documentLayout()->documentSize();
}

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
  for (QTextBlock b = doc->begin(); b.isValid(); b = b.next()) {
    if (!b.layout()) continue;
    const QPointF origin = layoutOrigin(doc, b);
    for (int i = 0; i < b.layout()->lineCount(); ++i) {
      const QTextLine line = b.layout()->lineAt(i);
      if (pageOfY(model, origin.y() + line.y() + 0.01) >= page)
        return b.position() + line.textStart();
    }
    if (b.layout()->lineCount() == 0 && pageOfY(model, origin.y() + 0.01) >= page)
      return b.position();
  }
  return -1;
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
    drawBullets(model, painter, top, top + model.page.pageHeight);
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
