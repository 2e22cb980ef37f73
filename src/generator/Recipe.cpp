#include "generator/Recipe.h"

#include "word/WordConstants.h"

namespace generator {

namespace {

Step make(Op op, long number) {
  Step s;
  s.op = op;
  s.number = number;
  return s;
}

Step withFlag(Op op, long number, bool flag) {
  Step s = make(op, number);
  s.flag = flag;
  return s;
}

Step withValue(Op op, long number, double value) {
  Step s = make(op, number);
  s.value = value;
  return s;
}

Step withCount(Op op, long number, int count) {
  Step s = make(op, number);
  s.count = count;
  return s;
}

Step withText(Op op, long number, const QString& text) {
  Step s = make(op, number);
  s.text = text;
  return s;
}

Step move(Op op, long number, int unit, int count, int extend) {
  Step s = make(op, number);
  s.unit = unit;
  s.count = count;
  s.extend = extend;
  return s;
}

void append(std::vector<Step>& to, std::vector<Step> more) {
  for (Step& s : more) to.push_back(std::move(s));
}

}  // namespace

Recipe join(std::initializer_list<Piece> pieces) {
  Recipe recipe;
  for (const Piece& piece : pieces)
    recipe.insert(recipe.end(), piece.steps.begin(), piece.steps.end());
  return recipe;
}

// --- What each op uses ---

StepFields fieldsOf(Op op) {
  switch (op) {
    case Op::Formatted:
      return kText | kField | kBreaks | kBold | kSize | kAlignment;
    case Op::PlainText:
    case Op::FontName:
    case Op::LevelNumberFormat:
    case Op::LevelLinkedStyle:
    case Op::LevelFontName:
      return kText;
    case Op::StartList:
    case Op::WithListLevel:
      return kIndex;
    case Op::FontBold:
    case Op::SpaceBeforeAuto:
    case Op::SpaceAfterAuto:
    case Op::ApplyStyleHeadingRows:
    case Op::ApplyStyleLastRow:
    case Op::ApplyStyleFirstColumn:
    case Op::ApplyStyleLastColumn:
      return kFlag;
    case Op::FontSize:
    case Op::FirstLineIndent:
    case Op::LeftIndent:
    case Op::LineSpacingLines:
    case Op::LevelNumberPosition:
    case Op::LevelTextPosition:
    case Op::LevelTabPosition:
      return kValue;
    case Op::MoveTabStop:
      return kValue | kValue2;
    case Op::LineSpacingRule:
    case Op::ShadingTexture:
    case Op::LevelTrailingCharacter:
    case Op::LevelNumberStyle:
    case Op::LevelAlignment:
    case Op::LevelResetOnHigher:
    case Op::LevelStartAt:
      return kCount;
    case Op::PageNumbers:
      return kCount | kFlag;
    case Op::MoveRight:
    case Op::MoveLeft:
    case Op::MoveUp:
    case Op::MoveDown:
      return kUnit | kCount | kExtend;
    case Op::EndKey:
      return kUnit | kExtend;
    case Op::AddTable:
      return kNumber2 | kCount | kCount2;
    case Op::ColumnWidth:
      return kIndex | kValue;
    case Op::RowHeight:
      return kValue | kCount;
    case Op::TableGridIfNot:
      return kNumber2;
    case Op::ShadingForeground:
    case Op::ShadingBackground:
      return kColour;
    case Op::AddListTemplate:
      return kNumber2 | kIndex | kText;
    case Op::LevelFontFlag:
      return kAttribute | kColour;
    case Op::Repeat:
      return kNumber2 | kCount | kSteps;
    case Op::SectionBreak:
    case Op::ParagraphBreak:
    case Op::ListIndent:
    case Op::ListOutdent:
    case Op::RemoveNumbers:
    case Op::Outdent:
    case Op::Indent:
    case Op::WithParagraphFormat:
    case Op::ReleaseTable:
    case Op::WithCellShading:
    case Op::CellMerge:
    case Op::WithLevelFont:
      return 0;
  }
  return 0;
}

StepFields strayFields(const Step& step) {
  const Step unset;
  StepFields held = 0;
  if (step.number2 != unset.number2) held |= kNumber2;
  if (step.text != unset.text) held |= kText;
  if (step.field != unset.field) held |= kField;
  if (step.breaks != unset.breaks) held |= kBreaks;
  if (step.bold != unset.bold) held |= kBold;
  if (step.size != unset.size) held |= kSize;
  if (step.alignment != unset.alignment) held |= kAlignment;
  if (step.flag != unset.flag) held |= kFlag;
  if (step.index != unset.index) held |= kIndex;
  if (step.unit != unset.unit) held |= kUnit;
  if (step.count != unset.count) held |= kCount;
  if (step.count2 != unset.count2) held |= kCount2;
  if (step.extend != unset.extend) held |= kExtend;
  if (step.value != unset.value) held |= kValue;
  if (step.value2 != unset.value2) held |= kValue2;
  if (step.colour != unset.colour) held |= kColour;
  if (step.attribute != unset.attribute) held |= kAttribute;
  if (!step.steps.empty()) held |= kSteps;
  StepFields stray = held & ~fieldsOf(step.op);
  for (const Step& inner : step.steps) stray |= strayFields(inner);
  return stray;
}

// --- Text ---

Step Formatted(long number, const QString& text, int breaks, bool bold, int size, int alignment) {
  Step s = withText(Op::Formatted, number, text);
  s.breaks = breaks;
  s.bold = bold;
  s.size = size;
  s.alignment = alignment;
  return s;
}

Step Title(long number, const QString& text) {
  return Formatted(number, text, 2, true, 20, word::wdAlignParagraphCenter);
}

Step SectionHeading(long number, const QString& numeral, const QString& title, int breaks) {
  return Formatted(number, numeral + QLatin1Char('\t') + title, breaks, true, 16,
                   word::wdAlignParagraphCenter);
}

Step SubHeading(long number, const QString& text, int breaks) {
  return Formatted(number, text, breaks, true, 14, word::wdAlignParagraphLeft);
}

Step MinorHeading(long number, const QString& text, int breaks) {
  return Formatted(number, text, breaks, true, 11, word::wdAlignParagraphLeft);
}

Step Body(long number, const QString& text, int breaks) {
  return Formatted(number, text, breaks, false, 11, word::wdAlignParagraphLeft);
}

Step Body1(long number, const QString& text) { return Body(number, text, 1); }
Step Body0(long number, const QString& text) { return Body(number, text, 0); }

Step FieldBody1(long number, BusinessField field) {
  Step s = Body1(number, QString());
  s.field = field;
  return s;
}

Step SectionBreak(long number) { return make(Op::SectionBreak, number); }
Step ParagraphBreak(long number) { return make(Op::ParagraphBreak, number); }
Step PlainText(long number, const QString& text) { return withText(Op::PlainText, number, text); }

std::vector<Step> ListItem(long textNumber, long breakNumber, const QString& text) {
  return {PlainText(textNumber, text), ParagraphBreak(breakNumber)};
}

std::vector<Step> ListItems(long first, std::initializer_list<QString> texts) {
  std::vector<Step> steps;
  long n = first;
  for (const QString& text : texts) {
    append(steps, ListItem(n, n + 2, text));
    n += 4;
  }
  return steps;
}

std::vector<Step> TextInNextCells(long first, std::initializer_list<QString> texts) {
  std::vector<Step> steps;
  long n = first;
  for (const QString& text : texts) {
    steps.push_back(MoveRight(n, word::wdCell, 1));
    steps.push_back(PlainText(n + 2, text));
    n += 4;
  }
  return steps;
}

// --- Lists ---

Step StartList(long number, int listTemplate) {
  Step s = make(Op::StartList, number);
  s.index = listTemplate;
  return s;
}

Step ListIndent(long number) { return make(Op::ListIndent, number); }
Step ListOutdent(long number) { return make(Op::ListOutdent, number); }
Step RemoveNumbers(long number) { return make(Op::RemoveNumbers, number); }
Step Outdent(long number) { return make(Op::Outdent, number); }
Step Indent(long number) { return make(Op::Indent, number); }

std::vector<Step> EndList(long first, int outdents) {
  std::vector<Step> steps{RemoveNumbers(first)};
  for (int i = 1; i <= outdents; ++i) steps.push_back(Outdent(first + 2 * i));
  return steps;
}

std::vector<Step> ListOpen(long first) { return {ParagraphBreak(first), StartList(first + 2, 1)}; }

std::vector<Step> SubListOpen(long first) {
  return {ParagraphBreak(first), StartList(first + 2, 2), Indent(first + 4)};
}

std::vector<Step> BackToMainLevel(long first) {
  return {ParagraphBreak(first), Outdent(first + 2), StartList(first + 4, 1)};
}

std::vector<Step> ListClose(long first) {
  std::vector<Step> steps{ParagraphBreak(first)};
  append(steps, EndList(first + 2, 2));
  return steps;
}

namespace {

// Items and close of a list block, from `n`.
void appendItemsAndClose(std::vector<Step>& steps, long n, std::initializer_list<QString> items) {
  bool first = true;
  for (const QString& item : items) {
    steps.push_back(first ? PlainText(n, item) : Body1(n, item));
    first = false;
    n += 2;
  }
  append(steps, ListClose(n));
}

}  // namespace

std::vector<Step> ListBlock(long first, std::initializer_list<QString> items,
                            ListBlockOpening opening) {
  std::vector<Step> steps;
  long n = first;
  if (opening == ListBlockOpening::Shared) {
    steps = {ParagraphBreak(n), StartList(n, 1)};
    n += 2;
  } else {
    append(steps, ListOpen(n));
    n += 4;
  }
  appendItemsAndClose(steps, n, items);
  return steps;
}

std::vector<Step> ListBlockFontReset(long first, std::initializer_list<QString> items) {
  std::vector<Step> steps{ParagraphBreak(first), FontSize(first + 2, 11),
                          FontBold(first + 4, false), StartList(first + 6, 1)};
  appendItemsAndClose(steps, first + 8, items);
  return steps;
}

// --- Character and paragraph format ---

Step FontBold(long number, bool bold) { return withFlag(Op::FontBold, number, bold); }
Step FontSize(long number, double points) { return withValue(Op::FontSize, number, points); }
Step FontName(long number, const QString& name) { return withText(Op::FontName, number, name); }
Step WithParagraphFormat(long number) { return make(Op::WithParagraphFormat, number); }
Step SpaceBeforeAuto(long number, bool on) { return withFlag(Op::SpaceBeforeAuto, number, on); }
Step SpaceAfterAuto(long number, bool on) { return withFlag(Op::SpaceAfterAuto, number, on); }
Step FirstLineIndent(long number, double inches) {
  return withValue(Op::FirstLineIndent, number, inches);
}
Step LeftIndent(long number, double inches) { return withValue(Op::LeftIndent, number, inches); }

Step MoveTabStop(long number, double fromInches, double toInches) {
  Step s = withValue(Op::MoveTabStop, number, fromInches);
  s.value2 = toInches;
  return s;
}

// --- Cursor ---

Step MoveRight(long number, int unit, int count, int extend) {
  return move(Op::MoveRight, number, unit, count, extend);
}
Step MoveLeft(long number, int unit, int count, int extend) {
  return move(Op::MoveLeft, number, unit, count, extend);
}
Step MoveUp(long number, int unit, int count, int extend) {
  return move(Op::MoveUp, number, unit, count, extend);
}
Step MoveDown(long number, int unit, int count, int extend) {
  return move(Op::MoveDown, number, unit, count, extend);
}
Step EndKey(long number, int unit, int extend) { return move(Op::EndKey, number, unit, 0, extend); }

// --- Tables ---

Step AddTable(long addNumber, long holdNumber, int rows, int columns) {
  Step s = make(Op::AddTable, addNumber);
  s.number2 = holdNumber;
  s.count = rows;
  s.count2 = columns;
  return s;
}

Step ColumnWidth(long number, int column, double points) {
  Step s = withValue(Op::ColumnWidth, number, points);
  s.index = column;
  return s;
}

Step RowHeights(long head, long body, long close, int rows, double points, int rule) {
  Step height = withValue(Op::RowHeight, body, points);
  height.count = rule;
  return Repeat(head, close, rows, {height});
}

Step TableGridIfNot(long testNumber, long setNumber) {
  Step s = make(Op::TableGridIfNot, testNumber);
  s.number2 = setNumber;
  return s;
}

Step ApplyStyleHeadingRows(long number, bool on) {
  return withFlag(Op::ApplyStyleHeadingRows, number, on);
}
Step ApplyStyleLastRow(long number, bool on) { return withFlag(Op::ApplyStyleLastRow, number, on); }
Step ApplyStyleFirstColumn(long number, bool on) {
  return withFlag(Op::ApplyStyleFirstColumn, number, on);
}
Step ApplyStyleLastColumn(long number, bool on) {
  return withFlag(Op::ApplyStyleLastColumn, number, on);
}

std::vector<Step> ApplyStyleOptions(long first) {
  return {ApplyStyleHeadingRows(first), ApplyStyleLastRow(first + 2),
          ApplyStyleFirstColumn(first + 4), ApplyStyleLastColumn(first + 6)};
}

Step ReleaseTable(long number) { return make(Op::ReleaseTable, number); }
Step WithCellShading(long number) { return make(Op::WithCellShading, number); }
Step ShadingTexture(long number, int texture) {
  return withCount(Op::ShadingTexture, number, texture);
}

Step ShadingForeground(long number, long colour) {
  Step s = make(Op::ShadingForeground, number);
  s.colour = colour;
  return s;
}

Step ShadingBackground(long number, long colour) {
  Step s = make(Op::ShadingBackground, number);
  s.colour = colour;
  return s;
}

std::vector<Step> CellShading(long first, int texture, long foreground, long background) {
  return {WithCellShading(first), ShadingTexture(first + 2, texture),
          ShadingForeground(first + 4, foreground), ShadingBackground(first + 6, background)};
}

Step CellMerge(long number) { return make(Op::CellMerge, number); }

// --- Document set-up and list templates ---

Step PageNumbersAdd(long number, int alignment, bool firstPage) {
  Step s = withCount(Op::PageNumbers, number, alignment);
  s.flag = firstPage;
  return s;
}

Step LineSpacingRule(long number, int rule) { return withCount(Op::LineSpacingRule, number, rule); }
Step LineSpacingLines(long number, double lines) {
  return withValue(Op::LineSpacingLines, number, lines);
}

std::vector<Step> ListTemplateDefinition(long first, int index, const QString& name,
                                         const QString& bullet, const QString& fontName) {
  std::vector<Step> steps;
  long n = first;
  auto next = [&n] {
    long current = n;
    n += 2;
    return current;
  };
  auto indexed = [index](Step s) {
    s.index = index;
    return s;
  };

  Step add = make(Op::AddListTemplate, next());
  add.number2 = next();
  add.text = name;
  steps.push_back(indexed(add));
  steps.push_back(indexed(make(Op::WithListLevel, next())));
  steps.push_back(withText(Op::LevelNumberFormat, next(), bullet));
  steps.push_back(withCount(Op::LevelTrailingCharacter, next(), word::wdTrailingTab));
  steps.push_back(withCount(Op::LevelNumberStyle, next(), word::wdListNumberStyleBullet));
  steps.push_back(withValue(Op::LevelNumberPosition, next(), 0.25));
  steps.push_back(withCount(Op::LevelAlignment, next(), word::wdListLevelAlignLeft));
  steps.push_back(withValue(Op::LevelTextPosition, next(), 0.5));
  steps.push_back(withValue(Op::LevelTabPosition, next(), 0.5));
  steps.push_back(withCount(Op::LevelResetOnHigher, next(), 0));
  steps.push_back(withCount(Op::LevelStartAt, next(), 1));
  steps.push_back(make(Op::WithLevelFont, next()));
  const LevelFontAttribute undefinedAttributes[] = {
      LevelFontAttribute::Bold,          LevelFontAttribute::Italic,
      LevelFontAttribute::Strikethrough, LevelFontAttribute::Subscript,
      LevelFontAttribute::Superscript,   LevelFontAttribute::Shadow,
      LevelFontAttribute::Outline,       LevelFontAttribute::Emboss,
      LevelFontAttribute::Engrave,       LevelFontAttribute::AllCaps,
      LevelFontAttribute::Hidden,        LevelFontAttribute::Underline,
      LevelFontAttribute::Color,         LevelFontAttribute::Size,
      LevelFontAttribute::Animation,     LevelFontAttribute::DoubleStrikeThrough};
  for (LevelFontAttribute attribute : undefinedAttributes) {
    Step s = make(Op::LevelFontFlag, next());
    s.attribute = attribute;
    s.colour = word::wdUndefined;
    steps.push_back(s);
  }
  steps.push_back(withText(Op::LevelFontName, next(), fontName));
  steps.push_back(withText(Op::LevelLinkedStyle, next(), QString()));
  return steps;
}

// --- Loops ---

Step Repeat(long head, long close, int times, std::vector<Step> body) {
  Step s = make(Op::Repeat, head);
  s.number2 = close;
  s.count = times;
  s.steps = std::move(body);
  return s;
}

}  // namespace generator
