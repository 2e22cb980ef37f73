#include "engine/LayoutDevice.h"

#include <QImage>

namespace engine {

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

}  // namespace engine
