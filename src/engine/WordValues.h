// Word's values of a paragraph, a run and a list level's bullet font, each declared once
// here. The structs in DocumentModel.h, their custom format properties, the Inspection used
// by tests and the comparisons are all made from these lists.
//
// To add a paragraph value: one line in ENGINE_PARAGRAPH_VALUES (the model keeps and copies
// it, Inspection shows it), one entry in the w:pPr table of DocxProperties.cpp (the .docx
// writer and reader), and what it does: its object-model member in EngineSelection.cpp
// (with its display in DocumentModel::refreshParagraph when it changes the look).
#pragma once

#include <QList>
#include <QString>

// Paragraph values (stored as custom block format properties):
// X(type, member, default, custom property id). Lengths in points.
// - alignment: WdParagraphAlignment: 0 left, 1 centre, 2 right, 3 justify.
// - lineSpacingRule: WdLineSpacing: 0 single, 1 1.5 lines, 2 double, 3 at least,
//   4 exactly, 5 multiple; lineSpacing for rule 5: 12 points = one line (1.08 lines).
// - spaceAfter: none, the classic Normal, on which the plan's own table of contents counts
//   its pages (with 8 pt after, its cover page spills onto a page of its own).
// - Indents as they apply. In a list, an indent the paragraph does not set itself (its
//   `...Direct` flag false) is the list level's and follows the level; one it sets
//   overrides the level's, as WordprocessingML's w:ind in w:pPr over w:lvl's.
//   leftIndent from the left margin; firstLineIndent relative to it (negative = hanging).
// - tabStops: custom left-aligned tab stops, ascending.
// - listTemplate: "" = not in a list; listLevel 1..9 in a list, 0 otherwise.
// - sectionStart: a next-page section break comes before this paragraph.
#define ENGINE_PARAGRAPH_VALUES(X)                              \
  X(int, alignment, 0, kParagraphAlignment)                     \
  X(int, lineSpacingRule, 5, kLineSpacingRule)                  \
  X(double, lineSpacing, 12.95, kLineSpacing)                   \
  X(double, spaceBefore, 0, kSpaceBefore)                       \
  X(double, spaceAfter, 0, kSpaceAfter)                         \
  X(bool, spaceBeforeAuto, false, kSpaceBeforeAuto)             \
  X(bool, spaceAfterAuto, false, kSpaceAfterAuto)               \
  X(double, leftIndent, 0, kLeftIndent)                         \
  X(double, firstLineIndent, 0, kFirstLineIndent)               \
  X(bool, leftIndentDirect, false, kLeftIndentDirect)           \
  X(bool, firstLineIndentDirect, false, kFirstLineIndentDirect) \
  X(QList<double>, tabStops, QList<double>(), kTabStops)        \
  X(QString, listTemplate, QString(), kListTemplate)            \
  X(int, listLevel, 0, kListLevel)                              \
  X(bool, sectionStart, false, kSectionStart)

// Run values: X(type, member, default). Bold and size are Qt's own character properties,
// the font name a custom one: the name as set, e.g. "Garamond", never its substitute.
#define ENGINE_RUN_VALUES(X) \
  X(bool, bold, false)       \
  X(double, size, 11)        \
  X(QString, fontName, QStringLiteral("Calibri"))

// A list level's bullet font: X(member, Word's Font member). Word's booleans (0 false,
// -1 true) or kUndefined (take it from the text).
// clang-format off
#define ENGINE_LIST_FONT_VALUES(X)     \
  X(bold, Bold)                        \
  X(italic, Italic)                    \
  X(strikethrough, Strikethrough)      \
  X(subscript, Subscript)              \
  X(superscript, Superscript)          \
  X(shadow, Shadow)                    \
  X(outline, Outline)                  \
  X(emboss, Emboss)                    \
  X(engrave, Engrave)                  \
  X(allCaps, AllCaps)                  \
  X(hidden, Hidden)                    \
  X(underline, Underline)              \
  X(color, Color)                      \
  X(animation, Animation)              \
  X(doubleStrikeThrough, DoubleStrikeThrough)
// clang-format on
