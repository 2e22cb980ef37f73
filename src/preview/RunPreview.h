// The start button's run as the windows see it: the main window's details go to the
// generation run, and what the run made is shown in the preview in the main window's place.
#pragma once

#include "output/RunResult.h"

namespace preview {

// The start button's run: the details of the main window's fields (all empty without one),
// its wait pointer while the pages are drawn, and the result shown.
void GenerateAndPreview();

// Shows a run's result: its pages in the preview, which takes over the document and
// replaces the main window. A result without a document shows nothing: the run has said
// why, and the main window stays as it was.
void ShowRun(output::RunResult result);

}  // namespace preview
