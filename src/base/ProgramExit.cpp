// Ending the program, the files removed on the way out, and the termination signals.
#include "base/ProgramExit.h"

#include <QCoreApplication>
#include <QSet>
#include <cstdio>
#include <cstdlib>

#include "base/platform/NativeFiles.h"
#include "base/platform/TerminationRequests.h"

namespace base {
namespace {
ProgramEnder& ender() {
  static ProgramEnder current;
  return current;
}

QSet<QString>& filesToRemove() {
  static QSet<QString> files;
  return files;
}

}  // namespace

ScopedProgramEnder::ScopedProgramEnder(ProgramEnder replacement)
    : override_(ender(), std::move(replacement)) {}

void EndProgram() {
  removeFilesAtExit();
  if (ender()) {
    ender()();
    throw ProgramEnded{};  // a replacement that returned still must not continue
  }
  std::fflush(nullptr);
  std::_Exit(0);
}

void removeAtExit(const QString& path) {
  if (!path.isEmpty()) filesToRemove().insert(path);
}

void forgetAtExit(const QString& path) { filesToRemove().remove(path); }

void removeFilesAtExit() {
  for (const QString& path : std::as_const(filesToRemove())) platform::removeName(path);
  filesToRemove().clear();
}

void handleTerminationSignals() {
  platform::handleTerminationRequests([] {
    removeFilesAtExit();
    QCoreApplication::quit();  // leaves every running event loop, modal ones included
  });
}

void recordTerminationSignals() { platform::recordTerminationRequests(); }

int terminationSignal() { return platform::terminationRequest(); }

void endBySignal(int signal) {
  removeFilesAtExit();
  std::fflush(nullptr);
  platform::endByTerminationRequest(signal);
}

}  // namespace base
