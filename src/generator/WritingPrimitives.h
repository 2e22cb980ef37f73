// The two primitives the plan's text rests on: typing a block with its four formatting
// values, and the runs of periods of the table of contents.
#pragma once

#include <QString>

#include "word/WordObjects.h"

namespace generator {

// On the plan document's ActiveWindow.Selection, in this order: `breaks` paragraph marks
// (none when zero or negative), Font.Bold, Font.Size, ParagraphFormat.Alignment, then the
// text. No mark follows the text. A failing Word call ends the call there and propagates.
void TypeFormatted(const word::Ref<word::Document>& plan, const QString& text, short breaks,
                   bool bold, short size, long alignment);

// `count` periods (none when zero or negative): the dots of a contents line.
QString DotLeader(short count);

}  // namespace generator
