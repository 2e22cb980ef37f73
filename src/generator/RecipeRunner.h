// Plays a recipe against the plan document, each step under the run's guard with its own
// statement number: a failing step is reported and the run goes on with the next.
#pragma once

#include <array>

#include "base/Guard.h"
#include "generator/Recipe.h"
#include "shell/BusinessRecord.h"
#include "word/WordObjects.h"

namespace generator {

// The objects a run works on, and what the recipe holds between steps.
struct RunContext {
  word::Ref<word::Application> app;
  word::Ref<word::Document> plan;
  // "my list1" and "my list2", created in section V and used by every later list.
  std::array<word::Ref<word::ListTemplate>, 2> listTemplates;

  // Scratch values of the step being built (the Word equivalent of `With` blocks).
  word::Ref<word::Table> addedTable;
  word::Ref<word::Table> table;
  word::Ref<word::ListTemplates> templates;
  word::Ref<word::ListLevel> level;
  word::Ref<word::Font> levelFont;
  word::Ref<word::ParagraphFormat> paragraphFormat;
  word::Ref<word::Shading> shading;
  int loopCounter = 0;

  // The business details; without them every detail reads as "".
  const shell::BusinessDetails* details = nullptr;
};

void runRecipe(base::Guard& g, RunContext& run, const Recipe& recipe);

// The cover's line for a business detail.
QString coverLineText(BusinessField field, const RunContext& run);

}  // namespace generator
