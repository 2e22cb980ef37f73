#include "base/ClipboardPicture.h"

#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>
#include <QPainter>
#include <utility>

namespace base {
namespace {

QImage rasterOf(const QPicture& picture) {
  const QRect bounds = picture.boundingRect();
  if (bounds.isEmpty()) return {};
  QImage image(bounds.size(), QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.translate(-bounds.topLeft());
  painter.drawPicture(0, 0, picture);
  return image;
}

QByteArray bytesOf(const QPicture& picture) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QPicture copy(picture);
  copy.save(&buffer);
  return bytes;
}

// The page as the clipboard holds it: the picture itself, and its bytes and a raster image
// made only when another reader asks for them. A reader in this program takes the picture
// as it is, without writing and parsing its bytes; the raster costs a page-sized bitmap.
class PageMimeData : public QMimeData {
 public:
  explicit PageMimeData(QPicture picture) : picture_(std::move(picture)) {}

  const QPicture& picture() const { return picture_; }

  QStringList formats() const override {
    QStringList out = QMimeData::formats();
    out.append(pictureType());
    if (offersImage()) out.append(imageType());
    return out;
  }
  bool hasFormat(const QString& type) const override {
    return type == pictureType() || (type == imageType() && offersImage()) ||
           QMimeData::hasFormat(type);
  }

 protected:
  QVariant retrieveData(const QString& type, QMetaType wanted) const override {
    if (type == pictureType()) return bytesOf(picture_);
    if (type == imageType() && offersImage()) return rasterOf(picture_);
    return QMimeData::retrieveData(type, wanted);
  }

 private:
  static QString pictureType() { return QString::fromLatin1(kPictureMimeType); }
  // Qt's own type for image data, which it converts to whatever another program asks for.
  static QString imageType() { return QStringLiteral("application/x-qt-image"); }
  bool offersImage() const { return !picture_.boundingRect().isEmpty(); }

  QPicture picture_;
};

std::optional<QPicture> pictureFrom(const QMimeData* data) {
  if (!data) return std::nullopt;
  if (const auto* page = dynamic_cast<const PageMimeData*>(data)) return page->picture();
  const QString type = QString::fromLatin1(kPictureMimeType);
  if (data->hasFormat(type)) {
    QByteArray bytes = data->data(type);
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QPicture picture;
    if (picture.load(&buffer)) return picture;
  }
  if (data->hasImage()) {
    // Another program's raster picture: wrap it as a picture of its own size.
    const QImage image = qvariant_cast<QImage>(data->imageData());
    if (image.isNull()) return std::nullopt;
    QPicture picture;
    QPainter painter(&picture);
    painter.drawImage(0, 0, image);
    painter.end();
    return picture;
  }
  return std::nullopt;
}

}  // namespace

void PutClipboardPicture(const QPicture& picture) {
  QGuiApplication::clipboard()->setMimeData(new PageMimeData(picture));
}

std::optional<QPicture> GetClipboardPicture(int /*format*/) {
  for (int attempt = 0; attempt < 1000; ++attempt) {
    if (auto picture = pictureFrom(QGuiApplication::clipboard()->mimeData())) return picture;
  }
  return std::nullopt;
}

}  // namespace base
