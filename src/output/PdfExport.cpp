// Page pictures onto PDF files and other paged devices.
#include "output/PdfExport.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <stdexcept>

#include "base/WholeFile.h"

namespace output {
namespace {

[[noreturn]] void fail(const QString& text) { throw std::runtime_error(text.toStdString()); }

void drawPage(QPainter& painter, QPagedPaintDevice& device, const QPicture& page) {
  const QRect bounds = page.boundingRect();
  if (page.isNull() || bounds.width() <= 0 || bounds.height() <= 0) return;  // a blank page
  // The device's page in its own pixels; pictures are in points.
  const QRectF target(0, 0, device.width(), device.height());
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  // A picture replays scaled by the device's resolution over the one it was recorded at;
  // that factor is taken back out so the page fills the device's page exactly.
  const double replayX = static_cast<double>(device.logicalDpiX()) / page.logicalDpiX();
  const double replayY = static_cast<double>(device.logicalDpiY()) / page.logicalDpiY();
  painter.scale(target.width() / bounds.width() / replayX,
                target.height() / bounds.height() / replayY);
  painter.setClipRect(QRectF(0, 0, bounds.width() * replayX, bounds.height() * replayY));
  painter.drawPicture(-bounds.topLeft(), page);
  painter.restore();
}

}  // namespace

void paintPages(QPainter& painter, QPagedPaintDevice& device, const std::vector<QPicture>& pages,
                int first, int last) {
  if (first < 0) first = 0;
  if (last >= static_cast<int>(pages.size())) last = static_cast<int>(pages.size()) - 1;
  for (int index = first; index <= last; ++index) {
    if (index > first && !device.newPage()) fail(QStringLiteral("Cannot start a new page"));
    drawPage(painter, device, pages[static_cast<size_t>(index)]);
  }
}

QByteArray pdfBytes(const std::vector<QPicture>& pages, const QString& title) {
  if (pages.empty()) fail(QStringLiteral("There are no pages to write"));
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  {
    QPdfWriter writer(&buffer);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait,
                                     QMarginsF(0, 0, 0, 0), QPageLayout::Point));
    writer.setResolution(1200);
    writer.setCreator(QStringLiteral("Halvenor"));
    writer.setTitle(title);
    QPainter painter;
    if (!painter.begin(&writer)) fail(QStringLiteral("Cannot draw the pages as a PDF"));
    paintPages(painter, writer, pages, 0, static_cast<int>(pages.size()) - 1);
    if (!painter.end()) fail(QStringLiteral("Cannot draw the pages as a PDF"));
  }
  return bytes;
}

void savePdfReplacing(const std::vector<QPicture>& pages, const QString& target,
                      const QString& title) {
  // Drawn in memory first, so a PDF that cannot be drawn leaves the target as it was.
  base::writeFileReplacing(target, pdfBytes(pages, title));
}

}  // namespace output
