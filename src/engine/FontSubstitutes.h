// Word's font names on a machine that may lack Word's fonts: metric-compatible or
// look-alike substitutes, and how list bullets are shown.
#pragma once

#include <QString>

namespace engine {

// Registers the substitutes with Qt's font matching once ("Garamond" -> EB Garamond,
// "Calibri" -> Carlito, "Courier New" -> Liberation Mono...). Cheap after the first call.
void installFontSubstitutes();

// The bullet text as drawn: Symbol-font private-use characters become their Unicode
// equivalents (U+F0B7 -> U+2022 bullet).
QString displayBullet(const QString& numberFormat);

// Line metrics and width of a font Word names, for when a substitute draws it: per 1000
// units of the em, Word's single line is ascent + descent + lineGap.
struct NamedFontMetrics {
  const char* name;
  double ascent, descent, lineGap;
  // The named face's advance widths over the substitute's, on running English text.
  double widthScale;
};

// The table entry for a named font, or null for a font the table does not know.
const NamedFontMetrics* namedFontMetrics(const QString& family);

// True when the family is drawn by another face (a substitute) on this machine.
bool drawnBySubstitute(const QString& family);

// How much taller Word's single line is than Qt's natural line for the font family: Word
// spaces lines by the font's Windows ascent plus descent, Qt by its typographic ones. A
// named font in the table that a substitute draws is spaced by the named font's metrics.
double wordLineHeightRatio(const QString& family);

// How much wider the named font sets text than the face that draws it (1 when the font
// itself draws, or the table does not know it).
double wordWidthScale(const QString& family);

}  // namespace engine
