// The generation run: types the whole business plan into a new document, saves it and,
// when someone needs them, draws its pages. The run returns what it made; it shows nothing.
#pragma once

#include <functional>

#include "generator/Finish.h"
#include "output/RunResult.h"
#include "shell/BusinessRecord.h"

namespace generator {

// The run for the business `details`. Every failure is reported as it happens and also
// kept in the result's problems; `showBusy` is called as each page is drawn.
output::RunResult GeneratePlan(const shell::BusinessDetails& details, Pages pages = Pages::Draw,
                               const std::function<void()>& showBusy = {});

}  // namespace generator
