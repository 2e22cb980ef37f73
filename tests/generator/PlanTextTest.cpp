// The title pages and sections II to V, typed by the whole run into the recording word
// processor: every text in order with its breaks, bold, size, alignment and section, in
// Garamond at 1.3 lines; and what the run reads from the main window.
#include <gtest/gtest.h>

#include "FirstHalfExpected.h"
#include "GeneratorRun.h"

namespace {

using expected::Kind;
using generator_test::RecordingRun;

TEST(PlanText, TypedInOrderWithBreaksAndFormatting) {
  const expected::Business business = expected::sampleBusiness();
  auto form = generator_test::mainWindowWith(business);
  RecordingRun run;
  run.run();

  EXPECT_TRUE(generator_test::failuresBeforeFinish(run.dialogs).empty())
      << generator_test::describe(generator_test::failuresBeforeFinish(run.dialogs));

  const std::vector<expected::Text> entries = expected::planText(business);
  const auto& typed = run.state->typed;
  size_t next = 0;
  int section = 1;
  for (const expected::Text& e : entries) {
    if (e.kind == Kind::SectionBreak) {
      ++section;
      continue;
    }
    ASSERT_LT(next, typed.size()) << "statement " << e.number << " was never typed";
    const recording::TypedText& t = typed[next++];
    const QString why = expected::mismatch(e, t.text);
    EXPECT_TRUE(why.isEmpty()) << "statement " << e.number << ": " << why.toStdString();
    EXPECT_EQ(t.marksBefore, e.marks) << "statement " << e.number;
    EXPECT_EQ(t.bold, expected::isBold(e.kind)) << "statement " << e.number;
    EXPECT_EQ(t.size, expected::pointSize(e.kind)) << "statement " << e.number;
    EXPECT_EQ(t.alignment, expected::alignment(e.kind)) << "statement " << e.number;
    EXPECT_EQ(t.section, section) << "statement " << e.number;
    EXPECT_EQ(t.fontName, QStringLiteral("Garamond")) << "statement " << e.number;
    EXPECT_EQ(t.lineSpacingRule, 5) << "statement " << e.number;
    EXPECT_DOUBLE_EQ(t.lineSpacing, 1.3 * 12) << "statement " << e.number;
  }
  // Section VI starts on the page after the last break of this stretch.
  EXPECT_EQ(section, 9);
}

TEST(PlanText, ListTextsCarryTheirListTemplates) {
  auto form = generator_test::mainWindowWith(expected::sampleBusiness());
  RecordingRun run;
  run.run();
  auto templateOf = [&](const QString& text) {
    for (const auto& t : run.state->typed)
      if (t.text == text) return t.listTemplate;
    return QStringLiteral("<not typed>");
  };
  // The line before the first question stays outside the list.
  EXPECT_EQ(templateOf(QStringLiteral("Facts about your industry:")), QString());
  EXPECT_EQ(templateOf(QStringLiteral("What is the total size of your market?")),
            QStringLiteral("my list1"));
  EXPECT_EQ(templateOf(QStringLiteral("Unions")), QStringLiteral("my list2"));
  EXPECT_EQ(templateOf(QStringLiteral("And of course, how will you overcome the barriers?")),
            QStringLiteral("my list1"));
  EXPECT_EQ(templateOf(QStringLiteral("Change in the economy")), QStringLiteral("my list2"));
  EXPECT_EQ(templateOf(QStringLiteral("Age")), QStringLiteral("my list1"));
  EXPECT_EQ(templateOf(QStringLiteral("For business customers, the demographic factors might be:")),
            QString());
  EXPECT_EQ(templateOf(QStringLiteral("Retail")), QString());  // channels are not a list
}

TEST(CoverPage, CityAndZipShareOneLineJoinedByOneSpace) {
  expected::Business business = expected::sampleBusiness();
  auto form = generator_test::mainWindowWith(business);
  RecordingRun run;
  run.run();
  int found = 0;
  for (const auto& t : run.state->typed)
    found += t.text == QStringLiteral("Ashford, KS 66012") ? 1 : 0;
  EXPECT_EQ(found, 1);

  // An empty zip code leaves the city followed by the space.
  form->txtZipCode->clear();
  RecordingRun again;
  again.run();
  found = 0;
  for (const auto& t : again.state->typed)
    found += t.text == QStringLiteral("Ashford, KS ") ? 1 : 0;
  EXPECT_EQ(found, 1);
}

// The seven lines under "OWNERS" as typed.
std::vector<QString> ownerLines(const recording::State& state) {
  for (size_t i = 0; i < state.typed.size(); ++i) {
    if (state.typed[i].text != QStringLiteral("OWNERS")) continue;
    std::vector<QString> lines;
    for (size_t j = i + 1; j < state.typed.size() && lines.size() < 7; ++j) {
      EXPECT_EQ(state.typed[j].marksBefore, 1);
      lines.push_back(state.typed[j].text);
    }
    return lines;
  }
  return {};
}

TEST(CoverPage, EmptyFieldsStillGiveSevenLinesUnderOwners) {
  auto form = generator_test::mainWindowWith(expected::Business{});
  RecordingRun run;
  run.run();
  EXPECT_EQ(ownerLines(*run.state), (std::vector<QString>{"", "", "", " ", "", "", ""}));
  // The contents page is the same whatever the details.
  EXPECT_TRUE(generator_test::failuresBeforeFinish(run.dialogs).empty());
}

TEST(CoverPage, WithoutAMainWindowTheFieldsReadAsEmpty) {
  ASSERT_EQ(shell::Form1::current(), nullptr);
  RecordingRun run;
  run.run();
  EXPECT_EQ(ownerLines(*run.state), (std::vector<QString>{"", "", "", " ", "", "", ""}));
}

// The run takes the details as values when it starts: a field changed while the run types
// does not reach the plan, so the cover never mixes two versions of the details.
TEST(CoverPage, FieldsAreTakenWhenTheRunStarts) {
  auto form = generator_test::mainWindowWith(expected::sampleBusiness());
  RecordingRun run;
  // Change the fax field while the telephone line is being typed.
  bool changed = false;
  word::ScopedCallHook hook([&](const char* member) {
    if (changed || QLatin1String(member) != QLatin1String("Selection.TypeText")) return;
    if (!run.state->typed.empty() &&
        run.state->typed.back().text == QStringLiteral("Ashford, KS 66012")) {
      form->txtFax->setText(QStringLiteral("changed"));
      changed = true;
    }
  });
  run.run();
  const auto lines = ownerLines(*run.state);
  ASSERT_EQ(lines.size(), 7u);
  EXPECT_TRUE(changed);
  EXPECT_EQ(lines[5], expected::sampleBusiness().fax);
}

}  // namespace
