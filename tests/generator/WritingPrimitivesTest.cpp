// TypeFormatted and DotLeader: the order and values of the Word calls, and what a failure
// leaves undone.
#include <gtest/gtest.h>

#include <QStringList>

#include "RecordingWord.h"
#include "generator/WritingPrimitives.h"

namespace {

struct Plan {
  std::shared_ptr<recording::State> state = std::make_shared<recording::State>();
  word::Ref<word::Application> app = recording::makeApplication(state);
  word::Ref<word::Document> document = app->Documents()->Add();

  // The acting calls made after the document was added (look-ups left out).
  QStringList actions() const {
    QStringList names;
    for (const recording::Event& e : state->events) {
      if (e.member == QLatin1String("Documents.Add") || e.member.startsWith("Document.") ||
          e.member.startsWith("Window.") || e.member == QLatin1String("Selection.Font") ||
          e.member == QLatin1String("Selection.ParagraphFormat") ||
          e.member == QLatin1String("Application.Documents"))
        continue;
      names << e.member + QLatin1Char('=') + e.value.toString();
    }
    return names;
  }
};

TEST(TypeFormatted, BreaksThenBoldSizeAlignmentThenText) {
  Plan plan;
  generator::TypeFormatted(plan.document, QStringLiteral("Heading"), 2, true, 20, 1);
  EXPECT_EQ(plan.actions(),
            (QStringList{"Selection.TypeParagraph=", "Selection.TypeParagraph=",
                         "Selection.Font.Bold=-1", "Selection.Font.Size=20",
                         "ParagraphFormat.Alignment=1", "Selection.TypeText=Heading"}));
}

TEST(TypeFormatted, ZeroOrNegativeBreaksTypeNoMarkAndNoMarkFollowsTheText) {
  for (short breaks : {0, -3}) {
    Plan plan;
    generator::TypeFormatted(plan.document, QStringLiteral("Body"), breaks, false, 11, 0);
    EXPECT_EQ(plan.actions(),
              (QStringList{"Selection.Font.Bold=0", "Selection.Font.Size=11",
                           "ParagraphFormat.Alignment=0", "Selection.TypeText=Body"}))
        << breaks;
  }
}

TEST(TypeFormatted, TheLargestBreakCountTypesExactlyThatManyMarks) {
  Plan plan;
  int marks = 0;
  // A counter that wrapped would type marks for ever: stop it well past the limit.
  word::ScopedCallHook hook([&marks](const char* member) {
    if (QLatin1String(member) == QLatin1String("Selection.TypeParagraph") && ++marks > 40000)
      throw word::AutomationError(QStringLiteral("runaway"));
  });
  generator::TypeFormatted(plan.document, QStringLiteral("end"), 32767, false, 11, 0);
  EXPECT_EQ(marks, 32767);
  ASSERT_EQ(plan.state->typed.size(), 1u);
  EXPECT_EQ(plan.state->typed[0].text, QStringLiteral("end"));
}

TEST(TypeFormatted, TabsAreTypedUnchanged) {
  Plan plan;
  generator::TypeFormatted(plan.document, QStringLiteral("II.\tExecutive Summary"), 0, true, 16, 1);
  ASSERT_EQ(plan.state->typed.size(), 1u);
  EXPECT_EQ(plan.state->typed[0].text, QStringLiteral("II.\tExecutive Summary"));
}

TEST(TypeFormatted, EachStepLooksTheSelectionUpAfresh) {
  Plan plan;
  generator::TypeFormatted(plan.document, QStringLiteral("x"), 1, false, 11, 0);
  EXPECT_EQ(plan.state->count(QStringLiteral("Document.ActiveWindow")), 5);
  EXPECT_EQ(plan.state->count(QStringLiteral("Window.Selection")), 5);
}

TEST(TypeFormatted, AFailingCallEndsTheCallThereAndPropagates) {
  Plan plan;
  word::ScopedCallHook hook([](const char* member) {
    if (QLatin1String(member) == QLatin1String("Font.Size"))
      throw word::AutomationError(QStringLiteral("Overflow"));
  });
  try {
    generator::TypeFormatted(plan.document, QStringLiteral("lost"), 1, true, 14, 0);
    FAIL() << "the failure did not propagate";
  } catch (const word::AutomationError& e) {
    EXPECT_EQ(e.description(), QStringLiteral("Overflow"));
  }
  EXPECT_EQ(plan.state->count(QStringLiteral("Selection.TypeParagraph")), 1);
  EXPECT_EQ(plan.state->count(QStringLiteral("Selection.Font.Bold")), 1);
  EXPECT_EQ(plan.state->count(QStringLiteral("ParagraphFormat.Alignment")), 0);
  EXPECT_TRUE(plan.state->typed.empty());
}

TEST(TypeFormatted, AnEmptyPlanDocumentFailsWithObjectNotSet) {
  word::Ref<word::Document> nothing;
  try {
    generator::TypeFormatted(nothing, QStringLiteral("x"), 0, false, 11, 0);
    FAIL() << "no failure";
  } catch (const word::AutomationError& e) {
    EXPECT_EQ(e.description(), QString::fromLatin1(word::kObjectNotSet));
  }
}

TEST(DotLeader, CountsPeriods) {
  EXPECT_EQ(generator::DotLeader(129), QString(129, QLatin1Char('.')));
  EXPECT_EQ(generator::DotLeader(1), QStringLiteral("."));
  EXPECT_TRUE(generator::DotLeader(0).isEmpty());
  EXPECT_TRUE(generator::DotLeader(-5).isEmpty());
  EXPECT_EQ(generator::DotLeader(32767).size(), 32767);
}

}  // namespace
