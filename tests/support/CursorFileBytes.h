// The bytes of a small .cur file with a given hot spot, for the hand-pointer tests.
#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QtEndian>

namespace testing_support {

// A .cur file: Qt writes an .ico, whose header then says "cursor" and carries a hot spot.
inline QByteArray cursorFileBytes(int hotX, int hotY) {
  QImage image(32, 32, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QPainter(&image).fillRect(QRect(4, 4, 8, 20), Qt::black);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, "ico");
  if (!writer.write(image)) return {};
  qToLittleEndian<quint16>(2, bytes.data() + 2);
  qToLittleEndian<quint16>(static_cast<quint16>(hotX), bytes.data() + 10);
  qToLittleEndian<quint16>(static_cast<quint16>(hotY), bytes.data() + 12);
  return bytes;
}

}  // namespace testing_support
