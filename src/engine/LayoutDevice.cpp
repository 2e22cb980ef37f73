#include "engine/LayoutDevice.h"

#include <QAbstractTextDocumentLayout>
#include <QImage>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextLayout>

namespace engine {
namespace {

// Layout units per frame length unit, measured once: a frame with a known left margin is
// laid out and the position of its paragraph read back.
double measureLayoutScale() {
  QTextDocument probe;
  probe.documentLayout()->setPaintDevice(layoutDevice());
  probe.setDocumentMargin(0);
  QTextFrameFormat frame = probe.rootFrame()->frameFormat();
  frame.setLeftMargin(1000);
  probe.rootFrame()->setFrameFormat(frame);
  QTextCursor(&probe).insertText(QStringLiteral("x"));
  probe.setTextWidth(100000);
  probe.documentLayout()->documentSize();
  const double x = probe.documentLayout()->blockBoundingRect(probe.begin()).x();
  return x > 0 ? x / 1000.0 : 1.0;
}

double layoutScale() {
  static const double scale = measureLayoutScale();
  return scale;
}

}  // namespace

QPaintDevice* layoutDevice() {
  static QImage* device = [] {
    auto* image = new QImage(1, 1, QImage::Format_ARGB32_Premultiplied);
    const int dotsPerMeter = qRound(72.0 / 0.0254);
    image->setDotsPerMeterX(dotsPerMeter);
    image->setDotsPerMeterY(dotsPerMeter);
    return image;
  }();
  return device;
}

double qtLength(double points) { return points / layoutScale(); }
double fromQtLength(double length) { return length * layoutScale(); }

}  // namespace engine
