// The console a program with a window was started with.
#pragma once

namespace base::platform {

// Windows gives a console program started from the Start menu or Explorer a console window
// of its own; the window program lets go of it, so that no empty console stands beside the
// main window. A console the program shares (started from a command prompt) stays, and on
// POSIX nothing changes.
void releaseOwnConsole();

}  // namespace base::platform
