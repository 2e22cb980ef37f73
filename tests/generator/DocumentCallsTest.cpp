// The Word calls behind the plan's set-up, its list templates, the paragraph formats of
// the Economics lists and the competitive analysis table, with their values and order.
#include <gtest/gtest.h>

#include "GeneratorRun.h"

namespace {

using generator_test::RecordingRun;
using recording::Event;

// The events from the first one named `from` on, keeping only those named in `members`.
std::vector<Event> eventsNamed(const recording::State& state, const QStringList& members,
                               const QString& from = {}) {
  std::vector<Event> found;
  bool started = from.isEmpty();
  for (const Event& e : state.events) {
    started = started || e.member == from;
    if (started && members.contains(e.member)) found.push_back(e);
  }
  return found;
}

// Numbers as a person writes them (15.6, not 15.600000000000001).
QString text(const QVariant& v) {
  return v.typeId() == QMetaType::Double ? QString::number(v.toDouble(), 'g', 10) : v.toString();
}

QString render(const std::vector<Event>& events) {
  QStringList parts;
  for (const Event& e : events) {
    QStringList values;
    if (e.value.typeId() == QMetaType::QVariantList) {
      for (const QVariant& v : e.value.toList()) values << text(v);
    } else if (e.value.isValid()) {
      values << text(e.value);
    }
    parts << e.member + QLatin1Char('(') + values.join(QLatin1Char(',')) + QLatin1Char(')');
  }
  return parts.join(QLatin1Char(' '));
}

TEST(DocumentSetUp, PageNumbersBoldGaramondAndSpacingBeforeTheFirstText) {
  RecordingRun run;
  run.run();
  const auto setUp = eventsNamed(
      *run.state, {"Documents.Add", "Section.Headers", "PageNumbers.Add", "Selection.Font.Bold",
                   "Selection.Font.Name", "ParagraphFormat.LineSpacingRule",
                   "ParagraphFormat.LineSpacing", "Selection.TypeText", "Selection.Sections"});
  ASSERT_GE(setUp.size(), 9u);
  EXPECT_EQ(render({setUp.begin(), setUp.begin() + 9}).toStdString(),
            "Documents.Add() Selection.Sections(1) Section.Headers(1) PageNumbers.Add(2,true) "
            "Selection.Font.Bold(-1) Selection.Font.Name(Garamond) "
            "ParagraphFormat.LineSpacingRule(5) ParagraphFormat.LineSpacing(15.6) "
            "Selection.Font.Bold(-1)");
  // No later step sets another font name on the text or touches the headers again.
  EXPECT_EQ(run.state->count(QStringLiteral("Selection.Font.Name")), 1);
  EXPECT_EQ(run.state->count(QStringLiteral("PageNumbers.Add")), 1);
  EXPECT_EQ(run.state->values(QStringLiteral("Application.LinesToPoints")),
            std::vector<QVariant>{QVariant(1.3)});
}

std::string expectedLevel(const QString& name, const QString& bullet, const QString& font) {
  QStringList parts{"ListTemplates.Add(false," + name + ")",
                    "ListTemplate.ListLevels(" + name + ",1)",
                    "ListLevel.NumberFormat(" + bullet + ")",
                    "ListLevel.TrailingCharacter(0)",
                    "ListLevel.NumberStyle(23)",
                    "ListLevel.NumberPosition(18)",
                    "ListLevel.Alignment(0)",
                    "ListLevel.TextPosition(36)",
                    "ListLevel.TabPosition(36)",
                    "ListLevel.ResetOnHigher(0)",
                    "ListLevel.StartAt(1)",
                    "ListLevel.Font()"};
  for (const char* attribute : {"Bold", "Italic", "Strikethrough", "Subscript", "Superscript",
                                "Shadow", "Outline", "Emboss", "Engrave", "AllCaps", "Hidden",
                                "Underline", "Color", "Size", "Animation", "DoubleStrikeThrough"})
    parts << QStringLiteral("ListLevel.Font.%1(9999999)").arg(QLatin1String(attribute));
  parts << "ListLevel.Font.Name(" + font + ")"
        << "ListLevel.LinkedStyle()";
  return parts.join(QLatin1Char(' ')).toStdString();
}

TEST(ListTemplates, BothTemplatesDefineLevelOneInOrder) {
  RecordingRun run;
  run.run();
  std::vector<Event> levelEvents;
  for (const Event& e : run.state->events)
    if (e.member.startsWith("ListLevel.") || e.member == "ListTemplates.Add" ||
        e.member == "ListTemplate.ListLevels")
      levelEvents.push_back(e);
  ASSERT_EQ(levelEvents.size(), 2 * 30u);
  EXPECT_EQ(render({levelEvents.begin(), levelEvents.begin() + 30}).toStdString(),
            expectedLevel("my list1", QString(QChar(0xF0B7)), "Symbol"));
  EXPECT_EQ(render({levelEvents.begin() + 30, levelEvents.end()}).toStdString(),
            expectedLevel("my list2", "o", "Courier New"));
  // Created before the first list is started.
  const auto order = eventsNamed(*run.state, {"ListTemplates.Add", "ListFormat.ApplyListTemplate"});
  ASSERT_GE(order.size(), 3u);
  EXPECT_EQ(order[1].member, QStringLiteral("ListTemplates.Add"));
  EXPECT_EQ(render({order[2]}).toStdString(), "ListFormat.ApplyListTemplate(my list1,false,2,2)");
}

TEST(EconomicsLists, ParagraphFormatsAndTabStops) {
  RecordingRun run;
  run.run();
  const auto formats = eventsNamed(
      *run.state,
      {"ParagraphFormat.SpaceBeforeAuto", "ParagraphFormat.SpaceAfterAuto",
       "ParagraphFormat.FirstLineIndent", "ParagraphFormat.TabStops", "TabStop.Position",
       "ListFormat.ListIndent", "ListFormat.ListOutdent", "Selection.TypeParagraph"},
      QStringLiteral("ListFormat.ListIndent"));
  ASSERT_GE(formats.size(), 23u);
  EXPECT_EQ(render({formats.begin(), formats.begin() + 23}).toStdString(),
            // The barriers: two levels in, nine items.
            "ListFormat.ListIndent() ListFormat.ListIndent() "
            "Selection.TypeParagraph() Selection.TypeParagraph() Selection.TypeParagraph() "
            "Selection.TypeParagraph() Selection.TypeParagraph() Selection.TypeParagraph() "
            "Selection.TypeParagraph() Selection.TypeParagraph() Selection.TypeParagraph() "
            // The closing question, after the last barrier's paragraph mark.
            "ListFormat.ListOutdent() ParagraphFormat.SpaceBeforeAuto(0) "
            "ParagraphFormat.SpaceAfterAuto(0) ParagraphFormat.FirstLineIndent(-36) "
            "ParagraphFormat.TabStops(54) TabStop.Position(54,36) Selection.TypeParagraph() "
            "Selection.TypeParagraph() ListFormat.ListIndent() ParagraphFormat.TabStops(72) "
            "TabStop.Position(72,90) ParagraphFormat.SpaceBeforeAuto(0)");
}

// The events up to the second table of the plan.
recording::State firstTableOnly(const recording::State& state) {
  recording::State cut;
  int tables = 0;
  for (const Event& e : state.events) {
    if (e.member == QLatin1String("Tables.Add") && ++tables == 2) break;
    cut.events.push_back(e);
  }
  return cut;
}

TEST(CompetitiveAnalysisTable, BuiltSizedStyledAndShadedInOrder) {
  RecordingRun run;
  run.run();
  const auto table = eventsNamed(
      firstTableOnly(*run.state),
      {"Tables.Add", "Column.Width", "Row.SetHeight", "Table.Style", "Table.SetStyle",
       "Table.ApplyStyleHeadingRows", "Table.ApplyStyleLastRow", "Table.ApplyStyleFirstColumn",
       "Table.ApplyStyleLastColumn", "Shading.Texture", "Shading.ForegroundPatternColor",
       "Shading.BackgroundPatternColor", "Selection.MoveRight", "Selection.MoveLeft",
       "Selection.MoveUp", "Selection.MoveDown"});
  QStringList expected{"Tables.Add(15,7,1,0)", "Column.Width(5,80)", "Column.Width(6,80)",
                       "Column.Width(7,80)"};
  for (int row = 1; row <= 15; ++row)
    expected << QStringLiteral("Row.SetHeight(%1,23.35,1)").arg(row);
  expected << "Table.Style()"
           << "Table.SetStyle(Table Grid)"
           << "Table.ApplyStyleHeadingRows(true)"
           << "Table.ApplyStyleLastRow(true)"
           << "Table.ApplyStyleFirstColumn(true)"
           << "Table.ApplyStyleLastColumn(true)";
  for (int i = 0; i < 7; ++i) expected << "Selection.MoveRight(12,1,0)";
  expected << "Selection.MoveUp(5,1,0)"
           << "Selection.MoveRight(1,2,0)"
           << "Selection.MoveRight(1,8,1)"
           << "Shading.Texture(0)"
           << "Shading.ForegroundPatternColor(-16777216)"
           << "Shading.BackgroundPatternColor(12632256)"
           << "Selection.MoveDown(5,1,0)"
           << "Selection.MoveLeft(1,1,0)"
           << "Selection.MoveDown(5,1,0)";
  for (int i = 0; i < 14; ++i) expected << "Selection.MoveDown(5,1,0)";
  EXPECT_EQ(render(table).toStdString(), expected.join(QLatin1Char(' ')).toStdString());
}

TEST(CompetitiveAnalysisTable, AStyleAlreadyTableGridIsNotSetAgain) {
  RecordingRun run;
  run.state->newTableStyle = QStringLiteral("Table Grid");
  run.run();
  const recording::State first = firstTableOnly(*run.state);
  EXPECT_EQ(first.count(QStringLiteral("Table.Style")), 1);
  EXPECT_EQ(first.count(QStringLiteral("Table.SetStyle")), 0);
  EXPECT_EQ(first.count(QStringLiteral("Table.ApplyStyleLastColumn")), 1);
}

}  // namespace
