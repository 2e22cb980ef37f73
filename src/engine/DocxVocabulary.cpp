#include "engine/DocxVocabulary.h"

#include <array>
#include <cmath>
#include <utility>

#include "engine/EngineLimits.h"

namespace engine::docx {

namespace {

constexpr long kColorAutomatic = -16777216;

// Word's fixed line spacing rules are whole numbers of lines (single, 1.5, double).
constexpr int kLineSingle = 0, kLineOneAndHalf = 1, kLineDouble = 2, kLineAtLeast = 3,
              kLineExactly = 4, kLineMultiple = 5;

template <class T>
int roundClamped(T value, int low, int high) {
  if (!std::isfinite(static_cast<double>(value))) return 0;
  const double rounded = std::round(static_cast<double>(value));
  if (rounded < low) return low;
  if (rounded > high) return high;
  return static_cast<int>(rounded);
}

const std::array<std::pair<int, const char*>, 6> kNumberStyles = {{
    {0, "decimal"},
    {1, "upperRoman"},
    {2, "lowerRoman"},
    {3, "upperLetter"},
    {4, "lowerLetter"},
    {23, "bullet"},
}};

}  // namespace

int pointsToTwips(double points) { return roundClamped(points * 20.0, -31680, 31680 * 10); }

double twipsToPoints(int twips) { return twips / 20.0; }

int pointsToHalfPoints(double points) { return roundClamped(points * 2.0, 1, kMaxHalfPoints); }

QString colorToHex(long wordColor) {
  if (wordColor == kColorAutomatic || wordColor < 0 || wordColor > 0xFFFFFF)
    return QStringLiteral("auto");
  const long red = wordColor & 0xFF, green = (wordColor >> 8) & 0xFF,
             blue = (wordColor >> 16) & 0xFF;
  return QStringLiteral("%1%2%3")
      .arg(red, 2, 16, QLatin1Char('0'))
      .arg(green, 2, 16, QLatin1Char('0'))
      .arg(blue, 2, 16, QLatin1Char('0'))
      .toUpper();
}

std::optional<long> hexToColor(const QString& text) {
  if (text == QLatin1String("auto")) return kColorAutomatic;
  if (text.size() != 6) return std::nullopt;
  bool ok = false;
  const long rgb = text.toLong(&ok, 16);
  if (!ok || rgb < 0) return std::nullopt;
  const long red = (rgb >> 16) & 0xFF, green = (rgb >> 8) & 0xFF, blue = rgb & 0xFF;
  return red | (green << 8) | (blue << 16);
}

LineSpacingXml lineSpacingToXml(int rule, double points) {
  switch (rule) {
    case kLineSingle:
      return {240, QStringLiteral("auto")};
    case kLineOneAndHalf:
      return {360, QStringLiteral("auto")};
    case kLineDouble:
      return {480, QStringLiteral("auto")};
    case kLineAtLeast:
      return {pointsToTwips(points), QStringLiteral("atLeast")};
    case kLineExactly:
      return {pointsToTwips(points), QStringLiteral("exact")};
    default:
      // Multiple: 240 per line of 12 points, so the value is points * 20 as for the others.
      return {pointsToTwips(points), QStringLiteral("auto")};
  }
}

std::optional<std::pair<int, double>> lineSpacingFromXml(int line, const QString& rule) {
  if (rule.isEmpty() || rule == QLatin1String("auto")) {
    // Whole lines read back as Word's own rules for them, as Word itself does.
    if (line == 240) return std::make_pair(kLineSingle, 12.0);
    if (line == 360) return std::make_pair(kLineOneAndHalf, 18.0);
    if (line == 480) return std::make_pair(kLineDouble, 24.0);
    return std::make_pair(kLineMultiple, twipsToPoints(line));
  }
  if (rule == QLatin1String("atLeast")) return std::make_pair(kLineAtLeast, twipsToPoints(line));
  if (rule == QLatin1String("exact")) return std::make_pair(kLineExactly, twipsToPoints(line));
  return std::nullopt;
}

QString alignmentToXml(int alignment) {
  switch (alignment) {
    case 1:
      return QStringLiteral("center");
    case 2:
      return QStringLiteral("right");
    case 3:
      return QStringLiteral("both");
    default:
      return QStringLiteral("left");
  }
}

std::optional<int> alignmentFromXml(const QString& value) {
  if (value == QLatin1String("left") || value == QLatin1String("start")) return 0;
  if (value == QLatin1String("center")) return 1;
  if (value == QLatin1String("right") || value == QLatin1String("end")) return 2;
  if (value == QLatin1String("both") || value == QLatin1String("distribute")) return 3;
  return std::nullopt;
}

QString numberStyleToXml(int style) {
  for (const auto& [number, name] : kNumberStyles)
    if (number == style) return QString::fromLatin1(name);
  return style == 255 ? QStringLiteral("none") : QStringLiteral("decimal");
}

std::optional<int> numberStyleFromXml(const QString& value) {
  for (const auto& [number, name] : kNumberStyles)
    if (value == QLatin1String(name)) return number;
  if (value == QLatin1String("none")) return 255;
  return std::nullopt;
}

QString trailingToXml(int trailing) {
  switch (trailing) {
    case 1:
      return QStringLiteral("space");
    case 2:
      return QStringLiteral("nothing");
    default:
      return QStringLiteral("tab");
  }
}

std::optional<int> trailingFromXml(const QString& value) {
  if (value == QLatin1String("tab")) return 0;
  if (value == QLatin1String("space")) return 1;
  if (value == QLatin1String("nothing")) return 2;
  return std::nullopt;
}

// Word numbers its percentage textures in tenths of a percent (wdTexture12Pt5Percent = 125),
// WordprocessingML names them by the whole percent ("pct12"); solid is 1000.
QString textureToXml(int texture) {
  if (texture == 1000) return QStringLiteral("solid");
  if (texture > 0 && texture < 1000 && texture % 25 == 0)
    return QStringLiteral("pct%1").arg(texture / 10);
  return QStringLiteral("clear");
}

std::optional<int> textureFromXml(const QString& value) {
  if (value == QLatin1String("clear") || value == QLatin1String("nil")) return 0;
  if (value == QLatin1String("solid")) return 1000;
  if (value.startsWith(QLatin1String("pct"))) {
    bool ok = false;
    const int percent = value.mid(3).toInt(&ok);
    if (!ok || percent <= 0 || percent >= 100) return std::nullopt;
    // 12, 37, 62 and 87 stand for the half-way textures (12.5 %...).
    const int tenths = percent * 10 + ((percent % 25 == 12) ? 5 : 0);
    return tenths;
  }
  return std::nullopt;
}

QString styleIdFromName(const QString& name) {
  QString id;
  for (QChar c : name)
    if (c.isLetterOrNumber() && c.unicode() < 0x80) id.append(c);
  return id.isEmpty() ? QStringLiteral("Style") : id;
}

QString xmlSafe(const QString& text) {
  QString safe;
  safe.reserve(text.size());
  for (qsizetype i = 0; i < text.size(); ++i) {
    const char16_t c = text.at(i).unicode();
    if (QChar::isHighSurrogate(c)) {
      if (i + 1 < text.size() && QChar::isLowSurrogate(text.at(i + 1).unicode())) {
        safe.append(text.at(i));
        safe.append(text.at(i + 1));
        ++i;
      }
      continue;  // a lone high surrogate
    }
    if (QChar::isLowSurrogate(c)) continue;  // a lone low surrogate
    const bool allowed =
        c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c != 0xFFFE && c != 0xFFFF);
    if (allowed) safe.append(QChar(c));
  }
  return safe;
}

}  // namespace engine::docx
