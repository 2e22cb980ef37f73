#include "base/CursorFile.h"

#include <QFile>
#include <QImage>
#include <QPixmap>
#include <stdexcept>

#include "base/SharedRoutines.h"

namespace base {

QString handCursorPath() { return programFolder() + QStringLiteral("/HAND-M.CUR"); }

QCursor loadCursorFile(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly))
    throw std::runtime_error(("The cursor file could not be read: " + path).toStdString());
  const QByteArray header = file.read(22);
  // A .cur file: reserved 0, type 2, at least one entry; the first entry's planes and
  // bit-count words hold the hot spot.
  auto word16 = [&header](int at) {
    return static_cast<int>(static_cast<uchar>(header.at(at)) |
                            static_cast<uchar>(header.at(at + 1)) << 8);
  };
  if (header.size() < 22 || word16(2) != 2 || word16(4) == 0)
    throw std::runtime_error(("Invalid picture: " + path).toStdString());
  const int hotX = word16(10);
  const int hotY = word16(12);
  const QImage image(path, "CUR");
  if (image.isNull()) throw std::runtime_error(("Invalid picture: " + path).toStdString());
  return QCursor(QPixmap::fromImage(image), qMin(hotX, image.width() - 1),
                 qMin(hotY, image.height() - 1));
}

}  // namespace base
