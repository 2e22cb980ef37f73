#include "preview/PagePicture.h"

#include <QPainter>
#include <cmath>

namespace preview {

PagePicture::PagePicture(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  resize(0, 0);
}

void PagePicture::setPicture(const QPicture& picture) {
  picture_ = picture;
  // A box sizes itself to a picture assigned to it.
  sourceWidth_ = pictureWidthTwips();
  sourceHeight_ = pictureHeightTwips();
  resizeTwips(sourceWidth_, sourceHeight_);
  update();
}

long PagePicture::pictureWidthTwips() const {
  return picture_.isNull()
             ? 0
             : static_cast<long>(picture_.boundingRect().width()) * kTwipsPerPictureUnit;
}

long PagePicture::pictureHeightTwips() const {
  return picture_.isNull()
             ? 0
             : static_cast<long>(picture_.boundingRect().height()) * kTwipsPerPictureUnit;
}

void PagePicture::drawScaled(const QPicture& source, long sourceWidth, long sourceHeight,
                             long targetWidth, long targetHeight) {
  picture_ = source;
  sourceWidth_ = sourceWidth;
  sourceHeight_ = sourceHeight;
  resizeTwips(targetWidth, targetHeight);
  update();
}

void PagePicture::resizeTwips(long width, long height) {
  widthTwips_ = width < 0 ? 0 : width;
  heightTwips_ = height < 0 ? 0 : height;
  resize(pixelsFromTwips(widthTwips_), pixelsFromTwips(heightTwips_));
}

void PagePicture::moveTwips(double left, double top) {
  left_ = left;
  top_ = top;
  move(pixelsFromTwips(left), pixelsFromTwips(top));
}

void PagePicture::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);
  if (picture_.isNull() || sourceWidth_ <= 0 || sourceHeight_ <= 0) return;
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  // Replaying the vector picture at the zoomed scale keeps text and lines crisp.
  // Pixels per picture unit: the target's pixels over the source's picture units.
  const double unitsPerTwip = 1.0 / kTwipsPerPictureUnit;
  painter.scale(
      widthTwips_ / static_cast<double>(kTwipsPerPixel) / (sourceWidth_ * unitsPerTwip),
      heightTwips_ / static_cast<double>(kTwipsPerPixel) / (sourceHeight_ * unitsPerTwip));
  painter.setClipRect(QRectF(0, 0, sourceWidth_ * unitsPerTwip, sourceHeight_ * unitsPerTwip));
  const QRect bounds = picture_.boundingRect();
  painter.drawPicture(-bounds.topLeft(), picture_);
}

}  // namespace preview
