// Ending the program at once, from anywhere (closing the main window, Word unavailable, a
// termination signal), and the files that must not outlive it: a run's temporary document
// and page image hold the user's business details and are removed on every way out.
#pragma once

#include <QString>
#include <functional>

#include "base/ScopedOverride.h"

namespace base {

// Ends the program immediately: the files registered for removal are removed, then no
// further handlers run.
[[noreturn]] void EndProgram();

// Tests replace the ending while a ScopedProgramEnder lives: the replacement must not
// return (it typically throws `ProgramEnded`, which no guard catches).
using ProgramEnder = std::function<void()>;
class ScopedProgramEnder {
 public:
  explicit ScopedProgramEnder(ProgramEnder ender);

 private:
  ScopedOverride<ProgramEnder> override_;
};

// Thrown by test enders; deliberately not a std::exception, so guards let it through.
struct ProgramEnded {};

// A file the program created and must remove when it ends, however it ends.
void removeAtExit(const QString& path);
// The file was removed (or handed over) in the ordinary way: no longer the exit's concern.
void forgetAtExit(const QString& path);
// Removes every registered file now (never following a link); silent about failures.
void removeFilesAtExit();

// The termination requests (base/platform/TerminationRequests.h: SIGTERM, SIGINT and
// SIGHUP on POSIX, the console's Ctrl+C, Ctrl+Break and close on Windows) no longer kill
// the program outright: each removes the registered files and quits the event loop, so the
// program ends the ordinary way. Call once, after the application object exists.
void handleTerminationSignals();

// For work without an event loop (the command line): the termination requests are only
// recorded, and the work asks terminationSignal() between its steps and winds down.
void recordTerminationSignals();
// The termination signal that arrived, or 0.
int terminationSignal();
inline bool terminationRequested() { return terminationSignal() != 0; }
// After the ordinary clean-up: removes the registered files and ends the process by the
// recorded signal's default action, so whoever started it sees how it ended.
[[noreturn]] void endBySignal(int signal);

}  // namespace base
