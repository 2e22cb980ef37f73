// The recipe data of sections VI to XII, checked step by step against the hand-written
// expectations: statement numbers, texts with their formatting, list, font, paragraph,
// cursor and table steps.
#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "SecondHalfExpected.h"
#include "generator/Sections.h"

namespace {

using expected::Kind;
using generator::Op;
using generator::Step;

void flatten(const std::vector<Step>& steps, std::vector<const Step*>& out) {
  for (const Step& s : steps) {
    out.push_back(&s);
    if (s.op == Op::Repeat) flatten(s.steps, out);
  }
}

class SecondHalfRecipe : public ::testing::Test {
 protected:
  void SetUp() override {
    for (auto make : {generator::operationalPlan, generator::managementAndFinances,
                      generator::financialPlanAndAppendices, generator::refiningThePlan}) {
      recipes_.push_back(make());
    }
    for (const auto& recipe : recipes_) flatten(recipe, steps_);
  }

  // Every statement number in the order the run reaches them: a loop's head, its body,
  // then its closing line; a two-statement step's second number right after its first.
  std::vector<long> statementNumbers() const {
    std::vector<long> numbers;
    for (const auto& recipe : recipes_) appendNumbers(recipe, numbers);
    return numbers;
  }

  std::vector<const Step*> ofOps(std::initializer_list<Op> ops) const {
    std::vector<const Step*> found;
    for (const Step* s : steps_)
      for (Op op : ops)
        if (s->op == op) found.push_back(s);
    return found;
  }

  const Step* at(long number, Op op) const {
    for (const Step* s : steps_)
      if (s->number == number && s->op == op) return s;
    return nullptr;
  }

  std::vector<generator::Recipe> recipes_;
  std::vector<const Step*> steps_;

 private:
  static void appendNumbers(const std::vector<Step>& steps, std::vector<long>& numbers) {
    for (const Step& s : steps) {
      numbers.push_back(s.number);
      if (s.op == Op::Repeat) {
        appendNumbers(s.steps, numbers);
        numbers.push_back(s.number2);
      } else if (s.op == Op::AddTable || s.op == Op::TableGridIfNot) {
        numbers.push_back(s.number2);
      }
    }
  }
};

TEST_F(SecondHalfRecipe, StatementNumbersRunFrom864To1754TwoApartWithoutGaps) {
  std::vector<long> numbers = statementNumbers();
  ASSERT_FALSE(numbers.empty());
  EXPECT_EQ(numbers.front(), second_half::kFirstStatement);
  EXPECT_EQ(numbers.back(), second_half::kLastStatement);
  for (size_t i = 1; i < numbers.size(); ++i)
    EXPECT_LE(numbers[i - 1], numbers[i]) << "statement " << numbers[i] << " out of order";
  std::set<long> present(numbers.begin(), numbers.end());
  for (long n = second_half::kFirstStatement; n <= second_half::kLastStatement; n += 2)
    EXPECT_TRUE(present.count(n)) << "no step carries statement " << n;
  for (long n : present) EXPECT_EQ(n % 2, 0) << "odd statement number " << n;
}

TEST_F(SecondHalfRecipe, EachSectionRecipeCoversItsOwnStretch) {
  const std::pair<long, long> stretches[] = {{864, 1248}, {1250, 1308}, {1310, 1452}, {1454, 1754}};
  for (size_t i = 0; i < recipes_.size(); ++i) {
    ASSERT_FALSE(recipes_[i].empty());
    EXPECT_EQ(recipes_[i].front().number, stretches[i].first);
    long last = recipes_[i].back().number;
    if (recipes_[i].back().op == Op::Repeat) last = recipes_[i].back().number2;
    EXPECT_EQ(last, stretches[i].second);
  }
}

// The formatting a kind of text is typed with; plain text is typed in whatever is in force.
void expectFormatting(const Step& s, Kind kind) {
  if (kind == Kind::Plain) return;
  EXPECT_EQ(s.bold, expected::isBold(kind));
  EXPECT_EQ(s.size, expected::pointSize(kind));
  EXPECT_EQ(s.alignment, expected::alignment(kind));
}

TEST_F(SecondHalfRecipe, TextsAreTypedInOrderWithTheirBreaksAndFormatting) {
  std::vector<const Step*> typed = ofOps({Op::Formatted, Op::PlainText});
  // Table cells are typed as plain text too; they are checked with the tables.
  std::vector<const Step*> texts;
  for (const Step* s : typed) {
    bool inTable = (s->number >= 1098 && s->number <= 1154) ||
                   (s->number >= 1184 && s->number <= 1248) ||
                   (s->number >= 1372 && s->number <= 1408);
    if (!inTable) texts.push_back(s);
  }
  const size_t expected = std::size(second_half::kTexts);
  ASSERT_EQ(texts.size(), expected);
  for (size_t i = 0; i < expected; ++i) {
    const expected::Text& want = second_half::kTexts[i];
    const Step& got = *texts[i];
    SCOPED_TRACE(testing::Message() << "statement " << want.number);
    EXPECT_EQ(got.number, want.number);
    EXPECT_EQ(got.op, want.kind == Kind::Plain ? Op::PlainText : Op::Formatted);
    if (got.op == Op::Formatted) {
      EXPECT_EQ(got.breaks, want.marks);
    }
    expectFormatting(got, want.kind);
    EXPECT_EQ(expected::mismatch(want, got.text), QString());
  }
}

TEST_F(SecondHalfRecipe, GuidanceTextsAreCleanSingleParagraphs) {
  for (const Step* s : ofOps({Op::Formatted, Op::PlainText})) {
    SCOPED_TRACE(testing::Message() << "statement " << s->number);
    EXPECT_FALSE(s->text.contains(QLatin1Char('\n')));
    EXPECT_FALSE(s->text.contains(QLatin1Char('\r')));
    EXPECT_EQ(s->text, s->text.trimmed());
    // Only the headings carry a tab; only the quoted texts carry doubled spaces.
    if (s->size != 16) {
      EXPECT_FALSE(s->text.contains(QLatin1Char('\t')));
    }
    if (s->text.contains(QStringLiteral("  "))) {
      EXPECT_TRUE(s->text.startsWith(QStringLiteral("Optional:  ")) ||
                  s->text.startsWith(QStringLiteral("Breakeven Sales")));
    }
  }
}

TEST_F(SecondHalfRecipe, ListStepsOpenIndentAndCloseAsDocumented) {
  struct ListStep {
    long number;
    Op op;
    int listTemplate;  // for StartList
  };
  // clang-format off
  const ListStep expected[] = {
      {876, Op::StartList, 1}, {890, Op::RemoveNumbers, 0}, {892, Op::Outdent, 0}, {894, Op::Outdent, 0},
      {902, Op::StartList, 1}, {914, Op::RemoveNumbers, 0}, {916, Op::Outdent, 0}, {918, Op::Outdent, 0},
      {942, Op::StartList, 1}, {960, Op::RemoveNumbers, 0}, {962, Op::Outdent, 0}, {964, Op::Outdent, 0},
      {974, Op::StartList, 1}, {998, Op::RemoveNumbers, 0}, {1000, Op::Outdent, 0}, {1002, Op::Outdent, 0},
      {1012, Op::StartList, 1}, {1026, Op::RemoveNumbers, 0}, {1028, Op::Outdent, 0}, {1030, Op::Outdent, 0},
      {1038, Op::StartList, 1}, {1050, Op::RemoveNumbers, 0}, {1052, Op::Outdent, 0}, {1054, Op::Outdent, 0},
      {1070, Op::StartList, 1}, {1088, Op::RemoveNumbers, 0}, {1090, Op::Outdent, 0}, {1092, Op::Outdent, 0},
      {1160, Op::StartList, 1}, {1170, Op::RemoveNumbers, 0}, {1172, Op::Outdent, 0}, {1174, Op::Outdent, 0},
      {1266, Op::StartList, 1}, {1286, Op::RemoveNumbers, 0}, {1288, Op::Outdent, 0}, {1290, Op::Outdent, 0},
      {1422, Op::StartList, 1}, {1448, Op::RemoveNumbers, 0}, {1450, Op::Outdent, 0}, {1452, Op::Outdent, 0},
      {1468, Op::StartList, 1}, {1474, Op::StartList, 2}, {1476, Op::Indent, 0},
      {1490, Op::RemoveNumbers, 0}, {1492, Op::Outdent, 0}, {1494, Op::Outdent, 0},
      {1502, Op::StartList, 1}, {1534, Op::Indent, 0}, {1540, Op::StartList, 2},
      {1544, Op::ListOutdent, 0}, {1546, Op::StartList, 1},
      {1568, Op::RemoveNumbers, 0}, {1570, Op::Outdent, 0}, {1572, Op::Outdent, 0},
      {1582, Op::StartList, 1}, {1602, Op::RemoveNumbers, 0}, {1604, Op::Outdent, 0}, {1606, Op::Outdent, 0},
      {1614, Op::StartList, 1}, {1640, Op::RemoveNumbers, 0}, {1642, Op::Outdent, 0}, {1644, Op::Outdent, 0},
      {1652, Op::StartList, 1}, {1662, Op::StartList, 2}, {1664, Op::Indent, 0},
      {1672, Op::Outdent, 0}, {1674, Op::StartList, 1}, {1680, Op::StartList, 2}, {1682, Op::Indent, 0},
      {1694, Op::RemoveNumbers, 0}, {1696, Op::Outdent, 0}, {1698, Op::Outdent, 0},
      {1708, Op::StartList, 1}, {1716, Op::StartList, 2}, {1718, Op::Indent, 0},
      {1726, Op::Outdent, 0}, {1728, Op::StartList, 1}, {1734, Op::StartList, 2}, {1736, Op::Indent, 0},
      {1744, Op::Outdent, 0}, {1746, Op::StartList, 1},
  };
  // clang-format on
  std::vector<const Step*> got = ofOps(
      {Op::StartList, Op::RemoveNumbers, Op::Outdent, Op::Indent, Op::ListIndent, Op::ListOutdent});
  ASSERT_EQ(got.size(), std::size(expected));
  for (size_t i = 0; i < got.size(); ++i) {
    SCOPED_TRACE(testing::Message() << "statement " << expected[i].number);
    EXPECT_EQ(got[i]->number, expected[i].number);
    EXPECT_EQ(got[i]->op, expected[i].op);
    if (expected[i].op == Op::StartList) {
      EXPECT_EQ(got[i]->index, expected[i].listTemplate);
    }
  }
}

TEST_F(SecondHalfRecipe, FontStepsResetListsToRegularText) {
  std::vector<std::pair<long, bool>> bold;
  for (const Step* s : ofOps({Op::FontBold})) bold.emplace_back(s->number, s->flag);
  const std::vector<std::pair<long, bool>> expectedBold = {
      {972, false},  {1010, false}, {1068, false}, {1098, true},  {1184, true}, {1464, false},
      {1498, false}, {1578, false}, {1610, false}, {1648, false}, {1704, false}};
  EXPECT_EQ(bold, expectedBold);

  std::vector<std::pair<long, double>> size;
  for (const Step* s : ofOps({Op::FontSize})) size.emplace_back(s->number, s->value);
  const std::vector<std::pair<long, double>> expectedSize = {{970, 11}, {1008, 11}, {1066, 11}};
  EXPECT_EQ(size, expectedSize);
  EXPECT_TRUE(ofOps({Op::FontName}).empty()) << "no step changes the font name";
}

TEST_F(SecondHalfRecipe, InvestorParagraphFormatAndCursorMoves) {
  struct FormatStep {
    long number;
    Op op;
    double value;
    double value2;
  };
  const FormatStep expected[] = {
      {1506, Op::WithParagraphFormat, 0, 0}, {1508, Op::SpaceBeforeAuto, 0, 0},
      {1510, Op::SpaceAfterAuto, 0, 0},      {1512, Op::FirstLineIndent, -0.75, 0},
      {1514, Op::MoveTabStop, 1, 0.5},       {1516, Op::WithParagraphFormat, 0, 0},
      {1518, Op::LeftIndent, 0.5, 0},        {1520, Op::SpaceBeforeAuto, 0, 0},
      {1522, Op::SpaceAfterAuto, 0, 0},      {1524, Op::WithParagraphFormat, 0, 0},
      {1526, Op::SpaceBeforeAuto, 0, 0},     {1528, Op::SpaceAfterAuto, 0, 0},
      {1530, Op::FirstLineIndent, -0.25, 0},
  };
  std::vector<const Step*> got =
      ofOps({Op::WithParagraphFormat, Op::SpaceBeforeAuto, Op::SpaceAfterAuto, Op::FirstLineIndent,
             Op::LeftIndent, Op::MoveTabStop});
  ASSERT_EQ(got.size(), std::size(expected));
  for (size_t i = 0; i < got.size(); ++i) {
    SCOPED_TRACE(testing::Message() << "statement " << expected[i].number);
    EXPECT_EQ(got[i]->number, expected[i].number);
    EXPECT_EQ(got[i]->op, expected[i].op);
    if (got[i]->op == Op::SpaceBeforeAuto || got[i]->op == Op::SpaceAfterAuto) {
      EXPECT_FALSE(got[i]->flag);
    }
    if (got[i]->op == Op::FirstLineIndent || got[i]->op == Op::LeftIndent ||
        got[i]->op == Op::MoveTabStop) {
      EXPECT_DOUBLE_EQ(got[i]->value, expected[i].value);
    }
    if (got[i]->op == Op::MoveTabStop) {
      EXPECT_DOUBLE_EQ(got[i]->value2, expected[i].value2);
    }
  }

  const Step* up = at(1542, Op::MoveUp);
  ASSERT_NE(up, nullptr);
  EXPECT_EQ(up->unit, 5);
  EXPECT_EQ(up->count, 2);
  EXPECT_EQ(up->extend, 0);
  const Step* down = at(1548, Op::MoveDown);
  ASSERT_NE(down, nullptr);
  EXPECT_EQ(down->unit, 5);
  EXPECT_EQ(down->count, 2);
  const Step* end = at(1550, Op::EndKey);
  ASSERT_NE(end, nullptr);
  EXPECT_EQ(end->unit, 5);
  EXPECT_EQ(end->extend, 0);
}

class AgingTables : public SecondHalfRecipe {
 protected:
  void expectTable(long first, const char* label, bool shaded) {
    SCOPED_TRACE(testing::Message() << "aging table at " << first);
    const Step* add = at(first + 2, Op::AddTable);
    ASSERT_NE(add, nullptr);
    EXPECT_EQ(add->number2, first + 4);
    EXPECT_EQ(add->count, 3);
    EXPECT_EQ(add->count2, 7);

    const Step* heights = at(first + 6, Op::Repeat);
    ASSERT_NE(heights, nullptr);
    EXPECT_EQ(heights->number2, first + 10);
    EXPECT_EQ(heights->count, 3);
    ASSERT_EQ(heights->steps.size(), 1u);
    EXPECT_EQ(heights->steps[0].op, Op::RowHeight);
    EXPECT_EQ(heights->steps[0].number, first + 8);
    EXPECT_DOUBLE_EQ(heights->steps[0].value, 23.35);
    EXPECT_EQ(heights->steps[0].count, 1);

    const Step* grid = at(first + 12, Op::TableGridIfNot);
    ASSERT_NE(grid, nullptr);
    EXPECT_EQ(grid->number2, first + 14);
    const Op options[] = {Op::ApplyStyleHeadingRows, Op::ApplyStyleLastRow,
                          Op::ApplyStyleFirstColumn, Op::ApplyStyleLastColumn};
    for (int i = 0; i < 4; ++i) {
      const Step* option = at(first + 16 + 2 * i, options[i]);
      ASSERT_NE(option, nullptr);
      EXPECT_TRUE(option->flag);
    }

    long n = first + 24;
    std::vector<const char*> texts(std::begin(second_half::kAgingHeadings),
                                   std::end(second_half::kAgingHeadings));
    texts.push_back(label);
    for (const char* text : texts) {
      const Step* move = at(n, Op::MoveRight);
      ASSERT_NE(move, nullptr) << n;
      EXPECT_EQ(move->unit, 12);
      EXPECT_EQ(move->count, 1);
      EXPECT_EQ(move->extend, 0);
      const Step* typed = at(n + 2, Op::PlainText);
      ASSERT_NE(typed, nullptr) << n + 2;
      EXPECT_EQ(typed->text, QString::fromUtf8(text));
      n += 4;
    }
    const Step* up = at(n, Op::MoveUp);
    ASSERT_NE(up, nullptr);
    EXPECT_EQ(up->unit, 5);
    EXPECT_EQ(up->count, 3);
    EXPECT_EQ(up->extend, 0);
    const Step* extend = at(n + 2, Op::MoveRight);
    ASSERT_NE(extend, nullptr);
    EXPECT_EQ(extend->unit, 1);
    EXPECT_EQ(extend->count, 7);
    EXPECT_EQ(extend->extend, 1);
    n += 4;
    if (shaded) {
      ASSERT_NE(at(n, Op::WithCellShading), nullptr);
      const Step* texture = at(n + 2, Op::ShadingTexture);
      ASSERT_NE(texture, nullptr);
      EXPECT_EQ(texture->count, 0);
      const Step* fore = at(n + 4, Op::ShadingForeground);
      ASSERT_NE(fore, nullptr);
      EXPECT_EQ(fore->colour, -16777216L);
      const Step* back = at(n + 6, Op::ShadingBackground);
      ASSERT_NE(back, nullptr);
      EXPECT_EQ(back->colour, 12632256L);
      n += 8;
    }
    const Step* down = at(n, Op::MoveDown);
    ASSERT_NE(down, nullptr);
    EXPECT_EQ(down->unit, 5);
    EXPECT_EQ(down->count, 5);
    EXPECT_EQ(down->extend, 0);
  }
};

TEST_F(AgingTables, ReceivablesTableIsBuiltUnshaded) {
  const Step* bold = at(1098, Op::FontBold);
  ASSERT_NE(bold, nullptr);
  EXPECT_TRUE(bold->flag);
  expectTable(1098, second_half::kReceivablesLabel, false);
  EXPECT_EQ(at(1154, Op::MoveDown)->count, 5);
}

TEST_F(AgingTables, PayablesTableIsBuiltAndShaded) {
  const Step* bold = at(1184, Op::FontBold);
  ASSERT_NE(bold, nullptr);
  EXPECT_TRUE(bold->flag);
  expectTable(1184, second_half::kPayablesLabel, true);
  EXPECT_NE(at(1248, Op::MoveDown), nullptr);
}

TEST_F(SecondHalfRecipe, OnlyThePayablesTableIsShaded) {
  std::vector<long> shading;
  for (const Step* s : ofOps(
           {Op::WithCellShading, Op::ShadingTexture, Op::ShadingForeground, Op::ShadingBackground}))
    shading.push_back(s->number);
  EXPECT_EQ(shading, (std::vector<long>{1240, 1242, 1244, 1246}));
  EXPECT_EQ(ofOps({Op::AddTable}).size(), 3u);
}

TEST_F(SecondHalfRecipe, BreakEvenTableIsBuiltAndMerged) {
  const Step* add = at(1372, Op::AddTable);
  ASSERT_NE(add, nullptr);
  EXPECT_EQ(add->number2, 1374);
  EXPECT_EQ(add->count, 4);
  EXPECT_EQ(add->count2, 2);
  for (auto [number, column] : {std::pair<long, int>{1376, 1}, {1378, 2}}) {
    const Step* width = at(number, Op::ColumnWidth);
    ASSERT_NE(width, nullptr);
    EXPECT_EQ(width->index, column);
    EXPECT_DOUBLE_EQ(width->value, 130);
  }
  const Step* grid = at(1380, Op::TableGridIfNot);
  ASSERT_NE(grid, nullptr);
  EXPECT_EQ(grid->number2, 1382);
  EXPECT_NE(at(1384, Op::ApplyStyleHeadingRows), nullptr);
  EXPECT_NE(at(1386, Op::ApplyStyleLastRow), nullptr);
  EXPECT_NE(at(1388, Op::ApplyStyleFirstColumn), nullptr);
  EXPECT_NE(at(1390, Op::ApplyStyleLastColumn), nullptr);
  EXPECT_TRUE(ofOps({Op::RowHeight}).size() == 2u) << "only the aging tables set row heights";
  EXPECT_EQ(ofOps({Op::ColumnWidth}).size(), 2u);

  struct Move {
    long number;
    Op op;
    int unit, count, extend;
  };
  const Move moves[] = {{1392, Op::MoveRight, 12, 2, 0},
                        {1396, Op::MoveDown, 5, 1, 1},
                        {1400, Op::MoveRight, 12, 1, 0},
                        {1404, Op::MoveDown, 5, 1, 0},
                        {1408, Op::MoveDown, 5, 2, 0}};
  for (const Move& m : moves) {
    const Step* s = at(m.number, m.op);
    ASSERT_NE(s, nullptr) << m.number;
    EXPECT_EQ(s->unit, m.unit) << m.number;
    EXPECT_EQ(s->count, m.count) << m.number;
    EXPECT_EQ(s->extend, m.extend) << m.number;
  }
  EXPECT_NE(at(1398, Op::CellMerge), nullptr);
  EXPECT_EQ(ofOps({Op::CellMerge}).size(), 1u);
  EXPECT_EQ(at(1394, Op::PlainText)->text, QString::fromUtf8(second_half::kBreakEvenLabel));
  EXPECT_EQ(at(1394, Op::PlainText)->text.size(), 26);
  EXPECT_EQ(at(1402, Op::PlainText)->text, QString::fromUtf8(second_half::kBreakEvenNumerator));
  EXPECT_EQ(at(1406, Op::PlainText)->text, QString::fromUtf8(second_half::kBreakEvenDenominator));
  // The font is left as it is: the table's text is regular.
  for (const Step* s : ofOps({Op::FontBold})) EXPECT_FALSE(s->number > 1370 && s->number < 1410);
}

TEST_F(SecondHalfRecipe, SectionsStartOnNewPagesWithTheirHeadings) {
  std::vector<long> breaks;
  for (const Step* s : ofOps({Op::SectionBreak})) breaks.push_back(s->number);
  EXPECT_EQ(breaks, (std::vector<long>{1250, 1292, 1298, 1310, 1414, 1454}));
  // Each break is followed directly by its section's heading.
  for (long n : breaks) {
    const Step* heading = at(n + 2, Op::Formatted);
    ASSERT_NE(heading, nullptr) << n;
    EXPECT_EQ(heading->size, 16);
    EXPECT_EQ(heading->breaks, 0);
  }
}

}  // namespace
