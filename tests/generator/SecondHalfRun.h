// Typing the plan for the second-half tests the way the generation run does, minus its
// finish: a new engine document, the document set-up, then the section recipes, each
// under the run's guard so that failures are reported as the run reports them.
#pragma once

#include <QChar>
#include <QString>

#include "base/Guard.h"
#include "engine/WordEngine.h"
#include "generator/RecipeRunner.h"
#include "generator/Sections.h"
#include "word/ObjectRegistry.h"
#include "word/WordConstants.h"

namespace second_half {

// Statements 102 to 114 of the run: the word processor, the plan document, page numbers,
// Garamond at 1.3 lines.
inline void startPlan(base::Guard& g, generator::RunContext& run) {
  using namespace generator;
  engine::registerWordEngine();
  g.step(102, [&] { run.app = word::CreateObject(QStringLiteral("Word.Application")); });
  g.step(104, [&] { run.plan = run.app->Documents()->Add(); });
  runRecipe(g, run,
            join({PageNumbersAdd(106, word::wdAlignPageNumberRight, true), FontBold(108, true),
                  FontName(110, QStringLiteral("Garamond")),
                  LineSpacingRule(112, word::wdLineSpaceMultiple), LineSpacingLines(114, 1.3)}));
}

// Sections VI to XII after a stand-in for the end of section V: the two list templates,
// a last body paragraph and the section break that closes section V.
inline void typeSecondHalfAlone(base::Guard& g, generator::RunContext& run) {
  using namespace generator;
  startPlan(g, run);
  runRecipe(
      g, run,
      join({ListTemplateDefinition(250, 1, QStringLiteral("my list1"), QString(QChar(0xF0B7)),
                                   QStringLiteral("Symbol")),
            ListTemplateDefinition(312, 2, QStringLiteral("my list2"), QStringLiteral("o"),
                                   QStringLiteral("Courier New")),
            Body(860, QStringLiteral("The last paragraph of section V.")), SectionBreak(862)}));
  for (Recipe (*section)() :
       {operationalPlan, managementAndFinances, financialPlanAndAppendices, refiningThePlan})
    runRecipe(g, run, section());
}

// The whole plan, title page to section XII.
inline void typeWholePlan(base::Guard& g, generator::RunContext& run) {
  using namespace generator;
  startPlan(g, run);
  for (Recipe (*section)() : {titleAndContents, openingSections, marketingPlan, operationalPlan,
                              managementAndFinances, financialPlanAndAppendices, refiningThePlan})
    runRecipe(g, run, section());
}

}  // namespace second_half
