// The run's one guard: a failing step is reported with its statement number and the run
// goes on; a run without a word processor reports each later Word step and does not crash;
// a declined run creates nothing.
#include <gtest/gtest.h>

#include <map>

#include "GeneratorRun.h"
#include "generator/Generator.h"

namespace {

using generator_test::Failure;
using generator_test::RecordingRun;

// Throws on the `occurrence`-th call of `member` (counted from 1).
word::CallHook failOn(const char* member, int occurrence, int* seen) {
  return [member, occurrence, seen](const char* called) {
    if (QLatin1String(called) != QLatin1String(member)) return;
    if (++*seen == occurrence) throw word::AutomationError(QStringLiteral("Chosen failure"));
  };
}

struct Case {
  const char* member;
  int occurrence;
  long line;
  // A failure that leaves a held object unset makes each later use of it report too.
  bool cascades = false;
};

TEST(RunFailures, AFailingCallIsReportedWithItsStatementAndTheRunGoesOn) {
  const Case cases[] = {
      {"Documents.Add", 1, 104, true},
      {"Application.LinesToPoints", 1, 114},
      {"Selection.InsertBreak", 1, 126},    // end of the introduction page
      {"Selection.InsertBreak", 2, 152},    // end of the cover page
      {"Font.Size", 1, 116},                // inside the first TypeFormatted
      {"ListTemplates.Add", 2, 314, true},  // "my list2"
      {"ListLevel.NumberStyle", 1, 260},
      {"Font.Name", 3, 370},  // the second level font's name ("Garamond" is the first)
      {"ListFormat.ListIndent", 2, 404},
      {"TabStop.Position", 2, 468},
      {"Tables.Add", 1, 634, true},
      {"Row.SetHeight", 3, 646},
      {"Table.Style", 1, 650},
      {"Shading.BackgroundPatternColor", 1, 704},
      {"Selection.MoveDown", 1, 706},
      {"Selection.InsertBreak", 8, 862},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.member) + " #" + std::to_string(c.occurrence));
    RecordingRun run;
    int seen = 0;
    {
      word::ScopedCallHook hook(failOn(c.member, c.occurrence, &seen));
      run.run();
    }
    const auto found = generator_test::failuresBeforeFinish(run.dialogs);
    ASSERT_FALSE(found.empty());
    EXPECT_EQ(found[0].line, c.line);
    EXPECT_EQ(found[0].description, QStringLiteral("Chosen failure"));
    if (c.line == 104) continue;  // without the plan document nothing more is typed
    if (c.cascades) {
      for (size_t i = 1; i < found.size(); ++i)
        EXPECT_EQ(found[i].description, QString::fromLatin1(word::kObjectNotSet));
    } else {
      EXPECT_EQ(found.size(), 1u) << generator_test::describe(found);
    }
    // The run went on to the end of this stretch: the sales forecast's last text is typed.
    ASSERT_FALSE(run.state->typed.empty());
    bool lastTyped = false;
    for (const auto& t : run.state->typed)
      lastTyped |= t.text.startsWith(QStringLiteral("Remember to keep notes on your research and"));
    EXPECT_TRUE(lastTyped);
  }
}

TEST(RunFailures, AFailingStyleTestEntersTheConditional) {
  RecordingRun run;
  run.state->newTableStyle = QStringLiteral("Table Grid");
  int seen = 0;
  {
    word::ScopedCallHook hook(failOn("Table.Style", 1, &seen));
    run.run();
  }
  // The failed test counts as true, so the style is set although it was already right.
  EXPECT_EQ(run.state->count(QStringLiteral("Table.SetStyle")), 1);
}

TEST(RunFailures, AFailingTypeFormattedSkipsOnlyTheRestOfThatCall) {
  RecordingRun run;
  int seen = 0;
  {
    // The alignment of the title "Business Plan" (the second TypeFormatted).
    word::ScopedCallHook hook(failOn("ParagraphFormat.Alignment", 2, &seen));
    run.run();
  }
  const auto found = generator_test::failuresBeforeFinish(run.dialogs);
  ASSERT_EQ(found.size(), 1u);
  EXPECT_EQ(found[0].line, 118);
  bool typed118 = false, typed120 = false;
  for (const auto& t : run.state->typed) {
    typed118 |= t.text.startsWith(QStringLiteral("The business plan consists"));
    typed120 |= t.text.startsWith(QStringLiteral("The real value"));
  }
  EXPECT_FALSE(typed118);
  EXPECT_TRUE(typed120);
}

TEST(RunFailures, WithoutAWordProcessorEveryLaterWordStepReportsOnce) {
  word::RegistrySnapshot registry;
  testing_support::ScriptedDialogs dialogs;
  word::registerFactory(QStringLiteral("Word.Application"), {});
  generator::GeneratePlan(shell::Form1::currentDetails());

  const auto found = generator_test::failuresBeforeFinish(dialogs);
  ASSERT_FALSE(found.empty());
  EXPECT_EQ(found.front().line, 102);
  std::map<long, int> perLine;
  for (size_t i = 1; i < found.size(); ++i) {
    EXPECT_EQ(found[i].description, QString::fromLatin1(word::kObjectNotSet)) << found[i].line;
    EXPECT_GE(found[i].line, found[i - 1].line);
    ++perLine[found[i].line];
  }
  // Every Word step reports: set-up, texts, breaks, list templates, table, moves.
  for (long line : {104L, 106L, 108L, 110L, 112L, 114L, 116L, 126L, 136L, 138L, 144L,
                    150L, 154L, 178L, 180L, 250L, 252L, 254L, 256L, 310L, 446L, 498L,
                    500L, 634L, 638L, 650L, 652L, 662L, 698L, 704L, 766L, 862L})
    EXPECT_EQ(perLine[line], 1) << "statement " << line;
  // Loop bodies report once per pass; loop heads, closing lines and holding a result do not.
  EXPECT_EQ(perLine[132], 13);
  // The paragraph mark and the list start that share statement 374 report one each.
  EXPECT_EQ(perLine[374], 2);
  EXPECT_EQ(perLine[646], 15);
  for (long quiet : {130L, 134L, 636L, 644L, 648L}) EXPECT_EQ(perLine.count(quiet), 0u) << quiet;
}

// A running word processor that answers to its name, as the running-Word check expects.
class RunningWord : public word::Application {
 public:
  QString Name() override { return QStringLiteral("Microsoft Word"); }
};

TEST(RunStart, DecliningBesideARunningWordCreatesNothing) {
  RecordingRun run;
  word::registerRunning(QStringLiteral("Word.Application"), word::makeRef<RunningWord>());
  run.dialogs.answerNext(base::vbNo);
  run.run();
  EXPECT_TRUE(run.state->events.empty());
  EXPECT_TRUE(run.dialogs.errorTexts().isEmpty());
  EXPECT_EQ(run.dialogs.messages.size(), 1u);  // the question only
}

TEST(RunStart, AgreeingBesideARunningWordRunsOn) {
  RecordingRun run;
  word::registerRunning(QStringLiteral("Word.Application"), word::makeRef<RunningWord>());
  run.dialogs.answerNext(base::vbYes);
  run.run();
  EXPECT_EQ(run.state->count(QStringLiteral("Documents.Add")), 1);
  EXPECT_FALSE(run.state->typed.empty());
}

}  // namespace
