// The generation run: types the whole business plan into a new document, saves it and
// opens the preview.
#pragma once

#include "generator/Finish.h"
#include "preview/RunWindows.h"
#include "shell/BusinessRecord.h"

namespace generator {

// The run behind the start button, on the program's own windows.
void GeneratePlan();
// The same run with the business details given as values instead of read from the main
// window (the command line has none); its pages are drawn only when asked for.
void GeneratePlanFor(const shell::BusinessDetails& details,
                     preview::RunWindows& windows = preview::programWindows(),
                     Pages pages = Pages::Draw);

}  // namespace generator
