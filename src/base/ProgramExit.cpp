// Ending the program, the files removed on the way out, and the termination signals.
#include "base/ProgramExit.h"

#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QFile>
#include <QSet>
#include <QSocketNotifier>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>

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

// The recorded signal and the pipe's write end are all a signal handler touches
// (async-signal-safe); the event loop, when there is one, reads the other end.
volatile std::sig_atomic_t receivedSignal = 0;
int signalPipe[2] = {-1, -1};

extern "C" void onTerminationSignal(int signal) {
  const int saved = errno;
  receivedSignal = signal;
  if (signalPipe[1] >= 0) {
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(signalPipe[1], &byte, 1);
  }
  errno = saved;
}

void installSignalHandler() {
  struct sigaction action {};
  action.sa_handler = onTerminationSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (int signal : {SIGTERM, SIGINT, SIGHUP}) ::sigaction(signal, &action, nullptr);
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
  // unlink() removes a link itself, never what it points to.
  for (const QString& path : std::as_const(filesToRemove()))
    ::unlink(QFile::encodeName(path).constData());
  filesToRemove().clear();
}

void handleTerminationSignals() {
  if (signalPipe[0] >= 0) return;
  if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, signalPipe) != 0)
    return;  // the signals keep their default action
  auto* notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, qApp);
  QObject::connect(notifier, &QSocketNotifier::activated, qApp, [] {
    char drained[16];
    while (::read(signalPipe[0], drained, sizeof drained) > 0) {
    }
    removeFilesAtExit();
    QCoreApplication::quit();  // leaves every running event loop, modal ones included
  });
  installSignalHandler();
}

void recordTerminationSignals() { installSignalHandler(); }

int terminationSignal() { return receivedSignal; }

void endBySignal(int signal) {
  removeFilesAtExit();
  std::fflush(nullptr);
  ::signal(signal, SIG_DFL);
  ::raise(signal);
  std::_Exit(128 + signal);  // the signal was blocked or ignored
}

}  // namespace base
