// The plan is typed by a fixed recipe: a list of steps, each carrying the statement number
// under which the run reports its failure. Sections are written as data in this
// vocabulary (`Body(184, "Write this section last.")`, `SectionBreak(196)`, ...) and one
// small interpreter (RecipeRunner.h) plays them against the plan document's selection.
//
// Group builders (`ListBlock`, `ListOpen`, ...) expand into several steps numbered two apart
// from the first number they are given.
#pragma once

#include <QString>
#include <initializer_list>
#include <optional>
#include <vector>

#include "shell/BusinessRecord.h"

namespace generator {

// What a step does. Each is one Word call (or a short fixed sequence of them) on the plan
// document's current selection unless its comment says otherwise.
enum class Op {
  // Text.
  Formatted,       // TypeFormatted(text or field, breaks, bold, size, alignment)
  SectionBreak,    // InsertBreak(2)
  ParagraphBreak,  // TypeParagraph
  PlainText,       // TypeText(text)
  // Lists.
  StartList,      // Range.ListFormat.ApplyListTemplate(list template `index`, false, 2, 2)
  ListIndent,     // Range.ListFormat.ListIndent
  ListOutdent,    // Range.ListFormat.ListOutdent
  RemoveNumbers,  // Range.ListFormat.RemoveNumbers(1)
  Outdent,        // Paragraphs.Outdent
  Indent,         // Paragraphs.Indent
  // Character format of the selection.
  FontBold,  // Font.Bold = flag
  FontSize,  // Font.Size = value (points)
  FontName,  // Font.Name = text
  // Paragraph format: `WithParagraphFormat` holds the selection's ParagraphFormat for the
  // steps after it that name no other object.
  WithParagraphFormat,
  SpaceBeforeAuto,   // flag
  SpaceAfterAuto,    // flag
  FirstLineIndent,   // InchesToPoints(value)
  LeftIndent,        // InchesToPoints(value)
  MoveTabStop,       // TabStops(InchesToPoints(value)).Position = InchesToPoints(value2)
  LineSpacingRule,   // ParagraphFormat.LineSpacingRule = count
  LineSpacingLines,  // ParagraphFormat.LineSpacing = LinesToPoints(value)
  // Document set-up.
  PageNumbers,  // Sections(1).Headers(1).PageNumbers.Add(count, flag)
  // Cursor.
  MoveRight,  // unit, count, extend
  MoveLeft,
  MoveUp,
  MoveDown,
  EndKey,  // unit, extend
  // Tables. `AddTable` adds a table of count x count2 at the selection's range through the
  // application's ActiveDocument; its second number holds it as the current table.
  AddTable,
  ColumnWidth,     // current table's Columns(index).Width = value
  RowHeight,       // current table's Rows(loop counter).SetHeight(value, count)
  TableGridIfNot,  // number: test Style <> "Table Grid"; number2: set it
  ApplyStyleHeadingRows,
  ApplyStyleLastRow,
  ApplyStyleFirstColumn,
  ApplyStyleLastColumn,
  ReleaseTable,       // current table = Nothing
  WithCellShading,    // holds the selection's Cells.Shading
  ShadingTexture,     // count
  ShadingForeground,  // colour
  ShadingBackground,  // colour
  CellMerge,          // Cells.Merge
  // List templates: `AddListTemplate` resolves the plan's ListTemplates under `number` and
  // adds template `index` named text under `number2`; `WithListLevel` holds its level 1,
  // `WithLevelFont` that level's Font.
  AddListTemplate,
  WithListLevel,
  LevelNumberFormat,       // text
  LevelTrailingCharacter,  // count
  LevelNumberStyle,        // count
  LevelNumberPosition,     // InchesToPoints(value)
  LevelAlignment,          // count
  LevelTextPosition,       // InchesToPoints(value)
  LevelTabPosition,        // InchesToPoints(value)
  LevelResetOnHigher,      // count
  LevelStartAt,            // count
  LevelLinkedStyle,        // text
  WithLevelFont,
  LevelFontFlag,  // `flag` names the attribute (LevelFontAttribute), colour the value
  LevelFontName,  // text
  // A counted loop: `number` is its head, `number2` its closing line; `steps` run `count`
  // times with the loop counter going from 1 up.
  Repeat,
};

// The business details a cover line shows, read when the step runs (from the run's values
// or the main window). The city line is the city-and-state field, one space, the zip code.
using shell::BusinessField;

// The font attributes a list level leaves undefined, in the order they are set.
enum class LevelFontAttribute {
  Bold,
  Italic,
  Strikethrough,
  Subscript,
  Superscript,
  Shadow,
  Outline,
  Emboss,
  Engrave,
  AllCaps,
  Hidden,
  Underline,
  Color,
  Size,
  Animation,
  DoubleStrikeThrough,
};

struct Step {
  Op op = Op::ParagraphBreak;
  long number = 0;   // statement number
  long number2 = 0;  // second statement number of two-statement steps
  QString text;
  std::optional<BusinessField> field;  // typed instead of `text` when set
  // TypeFormatted's values.
  int breaks = 0;
  bool bold = false;
  int size = 11;
  int alignment = 0;
  // Other values, as the op describes; `fieldsOf` says which each op uses.
  bool flag = false;
  int index = 0;  // list template (1 or 2), column
  int unit = 0;
  int count = 0;
  int count2 = 0;
  int extend = 0;
  double value = 0;
  double value2 = 0;
  long colour = 0;
  LevelFontAttribute attribute = LevelFontAttribute::Bold;
  std::vector<Step> steps;  // a loop's body
};

using Recipe = std::vector<Step>;

// Which of a step's values its op uses, besides the op and the statement number. The one
// table in Recipe.cpp (`fieldsOf`) says it for every op; a step holding any other value
// than the default in a field its op does not use is a fault in its builder.
enum StepField : unsigned {
  kNumber2 = 1u << 0,
  kText = 1u << 1,
  kField = 1u << 2,
  kBreaks = 1u << 3,
  kBold = 1u << 4,
  kSize = 1u << 5,
  kAlignment = 1u << 6,
  kFlag = 1u << 7,
  kIndex = 1u << 8,
  kUnit = 1u << 9,
  kCount = 1u << 10,
  kCount2 = 1u << 11,
  kExtend = 1u << 12,
  kValue = 1u << 13,
  kValue2 = 1u << 14,
  kColour = 1u << 15,
  kAttribute = 1u << 16,
  kSteps = 1u << 17,
};
using StepFields = unsigned;

// The fields `op` uses.
StepFields fieldsOf(Op op);
// The fields of `step`, or of a step in its loop body, that hold a value their op does not
// use; 0 when every step is as its op's entry says (the recipe tests check every step).
StepFields strayFields(const Step& step);

// A piece of a recipe: one step or a group of them; lets a recipe be written as one list.
struct Piece {
  Piece(Step step) : steps{std::move(step)} {}                 // NOLINT: implicit by design
  Piece(std::vector<Step> group) : steps(std::move(group)) {}  // NOLINT
  std::vector<Step> steps;
};

Recipe join(std::initializer_list<Piece> pieces);

// --- Text -----------------------------------------------------------------------------

// TypeFormatted with the given values.
Step Formatted(long number, const QString& text, int breaks, bool bold, int size, int alignment);
// Bold 20 pt centred after two breaks.
Step Title(long number, const QString& text);
// Numeral, TAB, title; bold 16 pt centred; no breaks unless given.
Step SectionHeading(long number, const QString& numeral, const QString& title, int breaks = 0);
// Bold 14 pt left after two breaks (or the given number).
Step SubHeading(long number, const QString& text, int breaks = 2);
// Bold 11 pt left after two breaks (or the given number).
Step MinorHeading(long number, const QString& text, int breaks = 2);
// Regular 11 pt left after two breaks (or the given number).
Step Body(long number, const QString& text, int breaks = 2);
Step Body1(long number, const QString& text);
Step Body0(long number, const QString& text);
// A business detail's cover line typed as Body/1.
Step FieldBody1(long number, BusinessField field);
Step SectionBreak(long number);
Step ParagraphBreak(long number);
Step PlainText(long number, const QString& text);
// Plain text, then a paragraph break.
std::vector<Step> ListItem(long textNumber, long breakNumber, const QString& text);
// List items numbered two apart from `first`.
std::vector<Step> ListItems(long first, std::initializer_list<QString> texts);

// --- Lists ----------------------------------------------------------------------------

Step StartList(long number, int listTemplate);
Step ListIndent(long number);
Step ListOutdent(long number);
Step RemoveNumbers(long number);
Step Outdent(long number);
Step Indent(long number);
// Remove numbers, then `outdents` Outdent steps.
std::vector<Step> EndList(long first, int outdents);

// Paragraph break; Start list 1.
std::vector<Step> ListOpen(long first);
// Paragraph break; Start list 2; Indent.
std::vector<Step> SubListOpen(long first);
// Paragraph break; Outdent; Start list 1.
std::vector<Step> BackToMainLevel(long first);
// Paragraph break; End list 2.
std::vector<Step> ListClose(long first);

enum class ListBlockOpening {
  Separate,  // the opening Paragraph break and Start list 1 each have a number
  Shared,    // both run under the first number
};
// Paragraph break; Start list 1; the first item as Plain text; each further item as
// Body/1; Paragraph break; End list 2.
std::vector<Step> ListBlock(long first, std::initializer_list<QString> items,
                            ListBlockOpening opening = ListBlockOpening::Separate);
// A List block in which Font.Size = 11 and Font.Bold = false follow its opening break.
std::vector<Step> ListBlockFontReset(long first, std::initializer_list<QString> items);

// --- Character and paragraph format -----------------------------------------------------

Step FontBold(long number, bool bold);
Step FontSize(long number, double points);
Step FontName(long number, const QString& name);
Step WithParagraphFormat(long number);
Step SpaceBeforeAuto(long number, bool on);
Step SpaceAfterAuto(long number, bool on);
Step FirstLineIndent(long number, double inches);
Step LeftIndent(long number, double inches);
Step MoveTabStop(long number, double fromInches, double toInches);

// --- Cursor ---------------------------------------------------------------------------

Step MoveRight(long number, int unit, int count, int extend = 0);
Step MoveLeft(long number, int unit, int count, int extend = 0);
Step MoveUp(long number, int unit, int count, int extend = 0);
Step MoveDown(long number, int unit, int count, int extend = 0);
Step EndKey(long number, int unit, int extend = 0);

// --- Tables ---------------------------------------------------------------------------

// Tables.Add(selection's range, rows, columns, 1, 0) under `addNumber`; the result becomes
// the current table under `holdNumber`.
Step AddTable(long addNumber, long holdNumber, int rows, int columns);
Step ColumnWidth(long number, int column, double points);
// For rows 1 to `rows`: SetHeight(points, rule); head, body and closing line numbered.
Step RowHeights(long head, long body, long close, int rows, double points, int rule);
// If Style <> "Table Grid" (test under `testNumber`), set it (under `setNumber`).
Step TableGridIfNot(long testNumber, long setNumber);
Step ApplyStyleHeadingRows(long number, bool on = true);
Step ApplyStyleLastRow(long number, bool on = true);
Step ApplyStyleFirstColumn(long number, bool on = true);
Step ApplyStyleLastColumn(long number, bool on = true);
// The four options on, in Word's order, numbered two apart.
std::vector<Step> ApplyStyleOptions(long first);
Step ReleaseTable(long number);
// For each text: move right one cell, then type it as plain text; numbered two apart.
std::vector<Step> TextInNextCells(long first, std::initializer_list<QString> texts);
Step WithCellShading(long number);
Step ShadingTexture(long number, int texture);
Step ShadingForeground(long number, long colour);
Step ShadingBackground(long number, long colour);
// With Cells.Shading; Texture; ForegroundPatternColor; BackgroundPatternColor.
std::vector<Step> CellShading(long first, int texture, long foreground, long background);
Step CellMerge(long number);

// --- Document set-up and list templates ------------------------------------------------

Step PageNumbersAdd(long number, int alignment, bool firstPage);
Step LineSpacingRule(long number, int rule);
Step LineSpacingLines(long number, double lines);
// Creates list template `index` named `name` and defines its level 1 as a bullet of
// `bullet` in font `fontName`: 31 statements from `first`.
std::vector<Step> ListTemplateDefinition(long first, int index, const QString& name,
                                         const QString& bullet, const QString& fontName);

// --- Loops ----------------------------------------------------------------------------

Step Repeat(long head, long close, int times, std::vector<Step> body);

}  // namespace generator
