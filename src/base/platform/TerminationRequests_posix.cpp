// Termination signals on POSIX: the handler records the signal and writes a byte to a
// socket pair whose other end the event loop watches.
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QSocketNotifier>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>

#include "base/platform/TerminationRequests.h"

namespace base::platform {
namespace {

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

}  // namespace

void recordTerminationRequests() {
  struct sigaction action {};
  action.sa_handler = onTerminationSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (int signal : {SIGTERM, SIGINT, SIGHUP}) ::sigaction(signal, &action, nullptr);
}

void handleTerminationRequests(std::function<void()> onRequest) {
  if (signalPipe[0] >= 0) return;
  if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, signalPipe) != 0)
    return;  // the signals keep their default action
  auto* notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, qApp);
  QObject::connect(notifier, &QSocketNotifier::activated, qApp, [onRequest] {
    char drained[16];
    while (::read(signalPipe[0], drained, sizeof drained) > 0) {
    }
    onRequest();
  });
  recordTerminationRequests();
}

int terminationRequest() { return receivedSignal; }

void endByTerminationRequest(int request) {
  ::signal(request, SIG_DFL);
  ::raise(request);
  std::_Exit(128 + request);  // the signal was blocked or ignored
}

}  // namespace base::platform
