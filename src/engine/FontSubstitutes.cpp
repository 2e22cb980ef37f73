#include "engine/FontSubstitutes.h"

#include <QFontMetricsF>
#include <QHash>
#include <QRawFont>
#include <QtEndian>

#include "engine/LayoutDevice.h"

namespace engine {

void installFontSubstitutes() {
  static const bool installed = [] {
    QFont::insertSubstitutions(QStringLiteral("Garamond"),
                               {QStringLiteral("EB Garamond"), QStringLiteral("EB Garamond 12"),
                                QStringLiteral("Liberation Serif")});
    QFont::insertSubstitutions(QStringLiteral("Calibri"),
                               {QStringLiteral("Carlito"), QStringLiteral("Liberation Sans")});
    QFont::insertSubstitutions(QStringLiteral("Courier New"), {QStringLiteral("Liberation Mono"),
                                                               QStringLiteral("DejaVu Sans Mono")});
    QFont::insertSubstitutions(QStringLiteral("Times New Roman"),
                               {QStringLiteral("Liberation Serif")});
    QFont::insertSubstitutions(QStringLiteral("Arial"), {QStringLiteral("Liberation Sans")});
    // Symbol bullets are drawn as Unicode characters, which a text font carries.
    QFont::insertSubstitutions(QStringLiteral("Symbol"),
                               {QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Sans")});
    return true;
  }();
  (void)installed;
}

QString displayBullet(const QString& numberFormat) {
  QString out;
  for (QChar ch : numberFormat) {
    const char16_t u = ch.unicode();
    if (u == 0xF0B7)
      out += QChar(0x2022);
    else if (u == 0xF0A7)
      out += QChar(0x25AA);
    else if (u == 0xF0D8)
      out += QChar(0x27A2);
    else if (u >= 0xF020 && u <= 0xF0FF)
      out += QChar(char16_t(u - 0xF000));
    else
      out += ch;
  }
  return out;
}

double wordLineHeightRatio(const QString& family) {
  static QHash<QString, double> cache;
  const auto found = cache.constFind(family);
  if (found != cache.constEnd()) return *found;
  installFontSubstitutes();
  QFont font(family);
  font.setPointSizeF(100);
  font.setHintingPreference(QFont::PreferNoHinting);
  double ratio = 1.0;
  const QRawFont raw = QRawFont::fromFont(font);
  const QByteArray os2 = raw.fontTable("OS/2");
  // Qt spaces document lines by ascent, descent and the font's line gap.
  const double qtHeight = QFontMetricsF(font, layoutDevice()).lineSpacing();
  // usWinAscent and usWinDescent sit at bytes 74 and 76 of the OS/2 table.
  if (raw.isValid() && os2.size() >= 78 && raw.unitsPerEm() > 0 && qtHeight > 0) {
    const double winHeight = qFromBigEndian<quint16>(os2.constData() + 74) +
                             qFromBigEndian<quint16>(os2.constData() + 76);
    const double wordHeight = winHeight / raw.unitsPerEm() * 100.0;
    // Guard against broken tables: keep the ratio within sensible bounds.
    ratio = std::clamp(wordHeight / qtHeight, 0.8, 1.6);
  }
  cache.insert(family, ratio);
  return ratio;
}

QFont listBulletFont(const ListLevelDefinition& level, const RunValues& text) {
  installFontSubstitutes();
  const QString family = level.font.name.isEmpty() ? text.fontName : level.font.name;
  QFont font(family);
  const double size =
      level.font.size == kUndefined || level.font.size <= 0 ? text.size : level.font.size;
  font.setPointSizeF(size > 0 ? size : 11);
  const bool bold = level.font.bold == kUndefined ? text.bold : level.font.bold != 0;
  font.setBold(bold);
  font.setHintingPreference(QFont::PreferNoHinting);
  return font;
}

}  // namespace engine
