// The limits the built-in engine keeps, named once: those of Word's object model that a
// call is checked against, and those that bound what a .docx file read back may hold.
#pragma once

#include <QtGlobal>

namespace engine {

// ---- the object model (Word's own limits) ----

// The largest length in points that a position or size may take: 22 inches, Word's widest
// page. Bounds indents, tab stops, list positions, column widths, row heights and line
// spacing, so that nothing set lies beyond any page.
constexpr double kMaxLength = 1584.0;
// The largest font size in points that Word accepts.
constexpr double kMaxFontSize = 1638.0;
// Columns of one table: Word's own limit (Tables.Add refuses more, and a file with more is
// refused too).
constexpr int kMaxTableColumns = 63;
// Rows Tables.Add accepts, and the largest number a list level may start at: Word's
// 16-bit limit.
constexpr int kMaxWordCount = 32767;
// Custom tab stops one paragraph may hold: Word's limit; a saved document with more would
// not open again.
constexpr int kMaxTabStops = 64;
// Levels of a list template (1-based in the object model, 0-based in the file).
constexpr int kListLevels = 9;

// ---- a file being read (bounds against hostile input) ----
// The plan this program writes uses a small part of each; they keep a hostile file from
// holding the reader for more than seconds.

constexpr int kMaxParagraphs = 50000;
constexpr int kMaxRuns = 200000;
// Rows of one table, and tables of one document.
constexpr int kMaxTableRows = 10000;
constexpr int kMaxTableCells = 50000;  // all tables together
constexpr int kMaxListTemplates = 1000;
// Lengths in twips: a generous bound around the largest page Word allows (twice 22 inches).
constexpr int kMaxTwips = 63360;
// One paragraph's text: 140,000 characters, far past any real paragraph (a full page holds
// about 3,500) and past the longest this program writes (two details of 65,535 characters
// and a space), and still few enough that its longest word lays out in seconds (breaking a
// word wider than a line takes time that grows with the square of the word's length).
constexpr qsizetype kMaxParagraphCharacters = 140000;
// Tab characters in one paragraph: more than a Letter page holds at the default half-inch
// stops on every one of its lines (13 stops x 46 lines); beyond this only layout time grows.
constexpr int kMaxParagraphTabs = 1000;
// Characters of a list level's bullet text: far past any bullet or number pattern.
constexpr int kMaxBulletText = 64;
// Nesting of XML elements in one part: far deeper than any part this program writes, far
// shallower than the stack allows.
constexpr int kMaxXmlDepth = 64;

}  // namespace engine
