// The recipe vocabulary: what each builder expands to and how it numbers its steps, and
// the numbering of the section recipes as a whole.
#include <gtest/gtest.h>

#include <set>

#include "generator/Recipe.h"
#include "generator/Sections.h"

namespace {

using generator::Op;
using generator::Step;

// Statement numbers in the order the run enters them (a loop's body once).
void flatten(const std::vector<Step>& steps, std::vector<long>& out) {
  for (const Step& s : steps) {
    out.push_back(s.number);
    if (s.op == Op::Repeat) {
      flatten(s.steps, out);
      out.push_back(s.number2);
    } else if (s.op == Op::AddTable || s.op == Op::TableGridIfNot || s.op == Op::AddListTemplate) {
      out.push_back(s.number2);
    }
  }
}

std::vector<long> numbers(const std::vector<Step>& steps) {
  std::vector<long> out;
  flatten(steps, out);
  return out;
}

std::vector<Op> ops(const std::vector<Step>& steps) {
  std::vector<Op> out;
  for (const Step& s : steps) out.push_back(s.op);
  return out;
}

TEST(RecipeBuilders, TextStepsCarryTheirFormatting) {
  const Step title = generator::Title(116, QStringLiteral("T"));
  EXPECT_EQ(title.breaks, 2);
  EXPECT_TRUE(title.bold);
  EXPECT_EQ(title.size, 20);
  EXPECT_EQ(title.alignment, 1);

  const Step heading =
      generator::SectionHeading(182, QStringLiteral("II."), QStringLiteral("Executive Summary"));
  EXPECT_EQ(heading.text, QStringLiteral("II.\tExecutive Summary"));
  EXPECT_EQ(heading.breaks, 0);
  EXPECT_EQ(heading.size, 16);
  EXPECT_EQ(heading.alignment, 1);
  EXPECT_EQ(generator::SectionHeading(864, QStringLiteral("VI."), QStringLiteral("x"), 2).breaks,
            2);

  EXPECT_EQ(generator::SubHeading(1, QStringLiteral("s")).size, 14);
  EXPECT_EQ(generator::MinorHeading(1, QStringLiteral("m"), 1).breaks, 1);
  EXPECT_EQ(generator::MinorHeading(1, QStringLiteral("m")).size, 11);
  const Step body1 = generator::Body1(772, QStringLiteral("b"));
  EXPECT_FALSE(body1.bold);
  EXPECT_EQ(body1.breaks, 1);
  EXPECT_EQ(generator::Body0(528, QStringLiteral("b")).breaks, 0);
  EXPECT_EQ(generator::Body(184, QStringLiteral("b")).breaks, 2);
}

TEST(RecipeBuilders, ListGroupsNumberTheirStepsTwoApart) {
  EXPECT_EQ(numbers(generator::ListOpen(1466)), (std::vector<long>{1466, 1468}));
  EXPECT_EQ(ops(generator::ListOpen(1466)), (std::vector<Op>{Op::ParagraphBreak, Op::StartList}));
  EXPECT_EQ(numbers(generator::SubListOpen(1472)), (std::vector<long>{1472, 1474, 1476}));
  EXPECT_EQ(generator::SubListOpen(1472)[1].index, 2);
  EXPECT_EQ(ops(generator::BackToMainLevel(1670)),
            (std::vector<Op>{Op::ParagraphBreak, Op::Outdent, Op::StartList}));
  EXPECT_EQ(generator::BackToMainLevel(1670)[2].index, 1);
  EXPECT_EQ(numbers(generator::ListClose(1488)), (std::vector<long>{1488, 1490, 1492, 1494}));
  EXPECT_EQ(ops(generator::ListClose(1488)),
            (std::vector<Op>{Op::ParagraphBreak, Op::RemoveNumbers, Op::Outdent, Op::Outdent}));
  EXPECT_EQ(ops(generator::EndList(572, 1)), (std::vector<Op>{Op::RemoveNumbers, Op::Outdent}));
  EXPECT_EQ(numbers(generator::ListItems(376, {QStringLiteral("a"), QStringLiteral("b")})),
            (std::vector<long>{376, 378, 380, 382}));
}

TEST(RecipeBuilders, ListBlockVariants) {
  // Five items from 874 end at 894.
  const auto block =
      generator::ListBlock(874, {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"),
                                 QStringLiteral("d"), QStringLiteral("e")});
  EXPECT_EQ(numbers(block).front(), 874);
  EXPECT_EQ(numbers(block).back(), 894);
  EXPECT_EQ(block.size(), 11u);
  EXPECT_EQ(block[2].op, Op::PlainText);
  EXPECT_EQ(block[2].text, QStringLiteral("a"));
  EXPECT_EQ(block[3].op, Op::Formatted);
  EXPECT_EQ(block[3].breaks, 1);
  EXPECT_EQ(block[3].text, QStringLiteral("b"));

  // The shared opening puts the break and the list under one number: 902 to 918.
  const auto shared = generator::ListBlock(
      902, {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"), QStringLiteral("d")},
      generator::ListBlockOpening::Shared);
  EXPECT_EQ(numbers(shared), (std::vector<long>{902, 902, 904, 906, 908, 910, 912, 914, 916, 918}));

  // Font reset: ten items from 968 end at 1002, size then bold before the list starts.
  const auto reset = generator::ListBlockFontReset(
      968, {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4"),
            QStringLiteral("5"), QStringLiteral("6"), QStringLiteral("7"), QStringLiteral("8"),
            QStringLiteral("9"), QStringLiteral("10")});
  EXPECT_EQ(numbers(reset).back(), 1002);
  EXPECT_EQ(ops(reset).at(1), Op::FontSize);
  EXPECT_EQ(reset[1].value, 11);
  EXPECT_EQ(ops(reset).at(2), Op::FontBold);
  EXPECT_FALSE(reset[2].flag);
  EXPECT_EQ(ops(reset).at(3), Op::StartList);
}

TEST(RecipeBuilders, TableAndFormatGroups) {
  EXPECT_EQ(numbers({generator::AddTable(634, 636, 15, 7)}), (std::vector<long>{634, 636}));
  EXPECT_EQ(numbers({generator::RowHeights(644, 646, 648, 15, 23.35, 1)}),
            (std::vector<long>{644, 646, 648}));
  EXPECT_EQ(generator::RowHeights(644, 646, 648, 15, 23.35, 1).count, 15);
  EXPECT_EQ(numbers(generator::ApplyStyleOptions(654)), (std::vector<long>{654, 656, 658, 660}));
  const auto shading = generator::CellShading(698, 0, -16777216, 12632256);
  EXPECT_EQ(numbers(shading), (std::vector<long>{698, 700, 702, 704}));
  EXPECT_EQ(shading[2].colour, -16777216);
  EXPECT_EQ(shading[3].colour, 12632256);
}

TEST(RecipeBuilders, ListTemplateDefinitionSpansThirtyOneStatements) {
  const auto steps = generator::ListTemplateDefinition(
      250, 1, QStringLiteral("my list1"), QString(QChar(0xF0B7)), QStringLiteral("Symbol"));
  const std::vector<long> n = numbers(steps);
  ASSERT_EQ(n.size(), 31u);
  EXPECT_EQ(n.front(), 250);
  EXPECT_EQ(n.back(), 310);
  EXPECT_EQ(steps.front().text, QStringLiteral("my list1"));
  EXPECT_EQ(steps[2].text, QString(QChar(0xF0B7)));
  EXPECT_EQ(steps.back().op, Op::LevelLinkedStyle);
  EXPECT_EQ(steps[steps.size() - 2].text, QStringLiteral("Symbol"));
}

// Each section's statements run two apart from its first number to its last, with no gap;
// only the listed numbers cover two statements.
void expectContiguous(const generator::Recipe& recipe, long first, long last,
                      std::set<long> shared = {}) {
  const std::vector<long> n = numbers(recipe);
  ASSERT_FALSE(n.empty());
  EXPECT_EQ(n.front(), first);
  EXPECT_EQ(n.back(), last);
  for (size_t i = 1; i < n.size(); ++i) {
    const long step = n[i] - n[i - 1];
    if (step == 0) {
      EXPECT_TRUE(shared.count(n[i])) << "statement " << n[i] << " numbered twice";
    } else {
      EXPECT_EQ(step, 2) << "between " << n[i - 1] << " and " << n[i];
    }
  }
}

TEST(SectionRecipes, StatementsAreNumberedWithoutGaps) {
  expectContiguous(generator::titleAndContents(), 116, 180);
  expectContiguous(generator::openingSections(), 182, 498, {374});
  expectContiguous(generator::marketingPlan(), 500, 862, {660});
}

}  // namespace

namespace {

// Every step of the plan holds values only in the fields its op uses, as the one table of
// them says; a step with a value its op ignores is caught, inside a loop's body too.
TEST(SectionRecipes, EveryStepHoldsOnlyTheValuesItsOperationUses) {
  for (generator::Recipe (*section)() :
       {generator::titleAndContents, generator::openingSections, generator::marketingPlan,
        generator::operationalPlan, generator::managementAndFinances,
        generator::financialPlanAndAppendices, generator::refiningThePlan})
    for (const Step& s : section())
      EXPECT_EQ(generator::strayFields(s), 0u) << "statement " << s.number;

  Step stray = generator::PlainText(1, QStringLiteral("t"));
  stray.bold = true;
  EXPECT_EQ(generator::strayFields(stray), generator::kBold);
  Step loop = generator::RowHeights(1, 3, 5, 2, 20.0, 0);
  loop.steps.front().colour = 7;
  EXPECT_EQ(generator::strayFields(loop), generator::kColour);
  EXPECT_EQ(generator::strayFields(generator::RowHeights(1, 3, 5, 2, 20.0, 0)), 0u);
}

}  // namespace
