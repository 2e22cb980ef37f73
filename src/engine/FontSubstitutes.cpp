#include "engine/FontSubstitutes.h"

#include <QFont>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QHash>
#include <QRawFont>
#include <QtEndian>

#include "engine/LayoutDevice.h"

namespace engine {

void installFontSubstitutes() {
  static const bool installed = [] {
    QFont::insertSubstitutions(QStringLiteral("Garamond"),
                               {QStringLiteral("EB Garamond 12"), QStringLiteral("EB Garamond"),
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

namespace {

// The fonts the plan and Word's default template name. Sources:
// - Garamond (Monotype Garamond, as Office installs it): ascent 862 and descent 263 per
//   1000 units from its published Adobe font metric (AFM) file. Its widths there (space
//   250, a 406, e 417, o 510, t 292, i 229, n 510, s 365, r 333, h 510) set running English
//   text about 2.7 % wider than EB Garamond 12 does, so line breaks move unless matched.
// - Calibri: usWinAscent 1950 and usWinDescent 550 of 2048 units (OS/2 table of the face
//   Windows ships); Carlito is metric-compatible and carries the same values and widths.
// - Courier New: usWinAscent 1705 and usWinDescent 615 of 2048 units; Liberation Mono is
//   metric-compatible (same values, same 600-unit advance).
constexpr NamedFontMetrics kNamedFonts[] = {
    {"Garamond", 862, 263, 0, 1.027},
    {"Calibri", 1950.0 * 1000 / 2048, 550.0 * 1000 / 2048, 0, 1.0},
    {"Courier New", 1705.0 * 1000 / 2048, 615.0 * 1000 / 2048, 0, 1.0},
};

QFont probeFont(const QString& family) {
  installFontSubstitutes();
  QFont font(family);
  font.setPointSizeF(100);
  font.setHintingPreference(QFont::PreferNoHinting);
  return font;
}

}  // namespace

const NamedFontMetrics* namedFontMetrics(const QString& family) {
  for (const NamedFontMetrics& m : kNamedFonts)
    if (family.compare(QLatin1String(m.name), Qt::CaseInsensitive) == 0) return &m;
  return nullptr;
}

bool drawnBySubstitute(const QString& family) {
  static QHash<QString, bool> cache;
  const auto found = cache.constFind(family);
  if (found != cache.constEnd()) return *found;
  const bool substitute =
      QFontInfo(probeFont(family)).family().compare(family, Qt::CaseInsensitive) != 0;
  cache.insert(family, substitute);
  return substitute;
}

double wordLineHeightRatio(const QString& family) {
  static QHash<QString, double> cache;
  const auto found = cache.constFind(family);
  if (found != cache.constEnd()) return *found;
  const QFont font = probeFont(family);
  double ratio = 1.0;
  // Qt spaces document lines by ascent, descent and the font's line gap.
  const double qtHeight = QFontMetricsF(font, layoutDevice()).lineSpacing();
  const NamedFontMetrics* named = namedFontMetrics(family);
  const QRawFont raw = QRawFont::fromFont(font);
  const QByteArray os2 = raw.fontTable("OS/2");
  double wordHeight = 0;  // of a 100-point line
  if (named && drawnBySubstitute(family)) {
    wordHeight = (named->ascent + named->descent + named->lineGap) / 1000.0 * 100.0;
  } else if (raw.isValid() && os2.size() >= 78 && raw.unitsPerEm() > 0) {
    // usWinAscent and usWinDescent sit at bytes 74 and 76 of the OS/2 table.
    const double winHeight = qFromBigEndian<quint16>(os2.constData() + 74) +
                             qFromBigEndian<quint16>(os2.constData() + 76);
    wordHeight = winHeight / raw.unitsPerEm() * 100.0;
  }
  // Guard against broken tables: keep the ratio within sensible bounds.
  if (wordHeight > 0 && qtHeight > 0) ratio = std::clamp(wordHeight / qtHeight, 0.8, 1.6);
  cache.insert(family, ratio);
  return ratio;
}

double wordWidthScale(const QString& family) {
  const NamedFontMetrics* named = namedFontMetrics(family);
  if (!named || named->widthScale == 1.0 || !drawnBySubstitute(family)) return 1.0;
  return named->widthScale;
}

}  // namespace engine
