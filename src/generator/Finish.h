// The end of a generation run: the plan saved as the temporary document, the word
// processor closed and, when someone needs them, the pages drawn.
#pragma once

#include <functional>

#include "base/Guard.h"
#include "output/RunResult.h"
#include "word/WordObjects.h"

namespace generator {

// Whether a run draws its pages: the preview and a PDF need them, a Word file alone does not.
enum class Pages { Draw, Skip };

// Runs statements 1756 to 1786 of the run under the run's guard `g` and releases both
// references (sets them to Nothing). Returns the saved document and, when drawn, its
// pages; `showBusy` is called as each page is drawn. A document that could not be saved
// whole, or whose pages could not all be drawn, is removed and not returned.
output::RunResult FinishRun(base::Guard& g, word::Ref<word::Application>& app,
                            word::Ref<word::Document>& plan, Pages pages = Pages::Draw,
                            const std::function<void()>& showBusy = {});

}  // namespace generator
