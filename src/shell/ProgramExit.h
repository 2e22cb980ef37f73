// Ending the program at once, from anywhere (closing the main window, Word unavailable).
#pragma once

#include <functional>

namespace shell {

// Ends the program immediately: no further handlers run.
[[noreturn]] void EndProgram();

// Tests replace the ending: the replacement must not return (it typically throws
// `ProgramEnded`, which no guard catches).
using ProgramEnder = std::function<void()>;
void setProgramEnder(ProgramEnder ender);

// Thrown by test enders; deliberately not a std::exception, so guards let it through.
struct ProgramEnded {};

}  // namespace shell
