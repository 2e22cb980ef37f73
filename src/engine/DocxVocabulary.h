// The names and unit conversions that the .docx writer and reader share, so that what one
// writes the other reads back to the same value.
#pragma once

#include <QString>
#include <optional>

#include "engine/EngineLimits.h"

namespace engine::docx {

// Namespaces and content types of the parts a package holds.
inline const QString kW =
    QStringLiteral("http://schemas.openxmlformats.org/wordprocessingml/2006/main");
inline const QString kR =
    QStringLiteral("http://schemas.openxmlformats.org/officeDocument/2006/relationships");
inline const QString kPackageRelationships =
    QStringLiteral("http://schemas.openxmlformats.org/package/2006/relationships");
inline const QString kContentTypes =
    QStringLiteral("http://schemas.openxmlformats.org/package/2006/content-types");
inline const QString kRelOfficeDocument = QStringLiteral(
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument");
inline const QString kRelStyles =
    QStringLiteral("http://schemas.openxmlformats.org/officeDocument/2006/relationships/styles");
inline const QString kRelNumbering =
    QStringLiteral("http://schemas.openxmlformats.org/officeDocument/2006/relationships/numbering");
inline const QString kRelSettings =
    QStringLiteral("http://schemas.openxmlformats.org/officeDocument/2006/relationships/settings");
inline const QString kRelHeader =
    QStringLiteral("http://schemas.openxmlformats.org/officeDocument/2006/relationships/header");

// Lengths: WordprocessingML counts twentieths of a point (twips), font sizes in half points.
int pointsToTwips(double points);
double twipsToPoints(int twips);
int pointsToHalfPoints(double points);
constexpr int kMaxHalfPoints = int(2 * kMaxFontSize);

// Word colours are 0x00BBGGRR numbers; the file holds "RRGGBB" or "auto".
QString colorToHex(long wordColor);
// Empty optional when the text is neither "auto" nor six hex digits.
std::optional<long> hexToColor(const QString& text);

// Line spacing: Word's rule and points <-> the w:line / w:lineRule pair.
struct LineSpacingXml {
  int line = 240;
  QString rule;  // "auto", "atLeast" or "exact"
};
LineSpacingXml lineSpacingToXml(int rule, double points);
// Empty optional for an unknown lineRule.
std::optional<std::pair<int, double>> lineSpacingFromXml(int line, const QString& rule);

// Paragraph alignment: Word's WdParagraphAlignment <-> w:jc.
QString alignmentToXml(int alignment);
std::optional<int> alignmentFromXml(const QString& value);

// List numbering style: WdListNumberStyle <-> w:numFmt.
QString numberStyleToXml(int style);
std::optional<int> numberStyleFromXml(const QString& value);

// Trailing character after a list number: WdTrailingCharacter <-> w:suff.
QString trailingToXml(int trailing);
std::optional<int> trailingFromXml(const QString& value);

// Cell shading texture: WdTextureIndex <-> w:shd's w:val.
QString textureToXml(int texture);
std::optional<int> textureFromXml(const QString& value);

// A table style's identifier in styles.xml, made from its name ("Table Grid" -> "TableGrid").
QString styleIdFromName(const QString& name);

// Drops the characters XML 1.0 does not allow (control characters, lone surrogates,
// U+FFFE and U+FFFF); keeps tab, line feed and carriage return.
QString xmlSafe(const QString& text);

}  // namespace engine::docx
