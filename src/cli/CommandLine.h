// The command line: one plan to named files, or one plan per row of a client list,
// written without showing a window.
#pragma once

#include <QStringList>

class QTextStream;

namespace cli {

// Exit statuses, as `--help` lists them.
enum ExitStatus { kSuccess = 0, kSomePlansFailed = 1, kBadUsage = 2 };

// Whether the program was started as a command (with any argument) rather than a window.
bool wantsCommandLine(int argc, char** argv);

// Makes a command run need no display; call before the application object exists.
void prepareHeadless();

// Runs the command `arguments` (the program's name first). Help goes to `out`; progress,
// problems and usage errors to `err`. Needs the application object and a registered
// word processor. Returns the exit status.
int runCommandLine(const QStringList& arguments, QTextStream& out, QTextStream& err);
int runCommandLine(const QStringList& arguments);  // on standard output and error

}  // namespace cli
