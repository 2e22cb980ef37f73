#include "preview/HandCursor.h"

#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QPixmap>
#include <QtEndian>
#include <stdexcept>

namespace preview {

QCursor loadCursorFile(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly))
    throw std::runtime_error(("Cannot read \"" + path + "\": " + file.errorString()).toStdString());
  const QByteArray head = file.read(22);
  file.seek(0);
  QImageReader reader(&file);
  const QImage image = reader.read();
  if (image.isNull()) throw std::runtime_error(("Invalid picture: \"" + path + "\"").toStdString());
  // A cursor file (type 2) carries the hot spot in its first directory entry.
  int hotX = -1, hotY = -1;
  const auto* bytes = reinterpret_cast<const uchar*>(head.constData());
  if (head.size() >= 22 && qFromLittleEndian<quint16>(bytes + 2) == 2) {
    hotX = qFromLittleEndian<quint16>(bytes + 10);
    hotY = qFromLittleEndian<quint16>(bytes + 12);
    if (hotX >= image.width() || hotY >= image.height()) hotX = hotY = -1;
  }
  return QCursor(QPixmap::fromImage(image), hotX, hotY);
}

}  // namespace preview
