// Word's font names on a machine that may lack Word's fonts: metric-compatible or
// look-alike substitutes, and how list bullets are shown.
#pragma once

#include <QFont>
#include <QString>

#include "engine/DocumentModel.h"

namespace engine {

// Registers the substitutes with Qt's font matching once ("Garamond" -> EB Garamond,
// "Calibri" -> Carlito, "Courier New" -> Liberation Mono...). Cheap after the first call.
void installFontSubstitutes();

// The bullet text as drawn: Symbol-font private-use characters become their Unicode
// equivalents (U+F0B7 -> U+2022 bullet).
QString displayBullet(const QString& numberFormat);

// How much taller Word's single line is than Qt's natural line for the font family: Word
// spaces lines by the font's Windows ascent plus descent, Qt by its typographic ones.
double wordLineHeightRatio(const QString& family);

// The font a list level's bullet is drawn in, given the run values of the paragraph text.
QFont listBulletFont(const ListLevelDefinition& level, const RunValues& text);

}  // namespace engine
