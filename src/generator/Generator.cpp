#include "generator/Generator.h"

#include "base/Dialogs.h"
#include "base/Guard.h"
#include "generator/Finish.h"
#include "generator/RecipeRunner.h"
#include "generator/Sections.h"
#include "generator/WordAvailability.h"
#include "word/ObjectRegistry.h"
#include "word/WordConstants.h"

namespace generator {

namespace {

// The document-wide formats set before the first text: page numbers at the right of every
// header, the first page's included, and Garamond at 1.3 lines for the whole plan.
Recipe documentSetUp() {
  return join({
      PageNumbersAdd(106, word::wdAlignPageNumberRight, true),
      FontBold(108, true),
      FontName(110, QStringLiteral("Garamond")),
      LineSpacingRule(112, word::wdLineSpaceMultiple),
      LineSpacingLines(114, 1.3),
  });
}

}  // namespace

output::RunResult GeneratePlan(const shell::BusinessDetails& details, Pages pages,
                               const std::function<void()>& showBusy) {
  base::RecordedMessages recorded;
  base::Guard g(QString::fromLatin1(base::location::kGenerate));
  // A failing check counts as a refusal: better no run than one beside the user's Word.
  if (g.test(100, [] { return generator::ConfirmWordClosed(); })) {
    output::RunResult refused;
    refused.problems = recorded.messages();
    return refused;
  }

  RunContext run;
  run.details = &details;
  g.step(102, [&] { run.app = word::CreateObject(QStringLiteral("Word.Application")); });
  g.step(104, [&] { run.plan = run.app->Documents()->Add(); });

  runRecipe(g, run, documentSetUp());
  for (Recipe (*section)() : {titleAndContents, openingSections, marketingPlan, operationalPlan,
                              managementAndFinances, financialPlanAndAppendices, refiningThePlan})
    runRecipe(g, run, section());

  output::RunResult result = FinishRun(g, run.app, run.plan, pages, showBusy);
  result.problems = recorded.messages();
  return result;
}

}  // namespace generator
