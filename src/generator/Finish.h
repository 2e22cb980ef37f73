// The end of a generation run: the plan saved as the temporary document, the word
// processor closed, the pages rendered and the preview shown in place of the main window.
#pragma once

#include "base/Guard.h"
#include "preview/RunWindows.h"
#include "word/WordObjects.h"

namespace generator {

// Whether a run draws its pages: the preview and a PDF need them, a Word file alone does not.
enum class Pages { Draw, Skip };

// Runs statements 1756 to 1798 of the run under the run's guard `g`; releases both
// references (sets them to Nothing). The pages, when drawn, go to `windows`' preview.
void FinishRun(base::Guard& g, word::Ref<word::Application>& app, word::Ref<word::Document>& plan,
               preview::RunWindows& windows = preview::programWindows(), Pages pages = Pages::Draw);

}  // namespace generator
