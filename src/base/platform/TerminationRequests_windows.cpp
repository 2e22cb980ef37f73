// Termination requests on Windows: the console's control events. Windows runs the handler
// on a thread of its own, so it only records the event and queues the reaction on the
// event loop.
#include <windows.h>

#include <QCoreApplication>
#include <QMetaObject>
#include <atomic>
#include <csignal>
#include <cstdio>
#include <cstdlib>

#include "base/platform/TerminationRequests.h"

namespace base::platform {
namespace {

std::atomic<int> receivedRequest{0};
std::function<void()> reaction;  // set before the handler is installed, then only read

int requestFor(DWORD event) {
  switch (event) {
    case CTRL_C_EVENT:
      return SIGINT;
    case CTRL_BREAK_EVENT:
      return SIGBREAK;
    default:  // closing the console, logging off, shutting down
      return SIGTERM;
  }
}

BOOL WINAPI onConsoleEvent(DWORD event) {
  receivedRequest = requestFor(event);
  if (reaction && qApp) QMetaObject::invokeMethod(qApp, reaction, Qt::QueuedConnection);
  // After the close, log-off and shut-down events Windows ends the process as soon as the
  // handler returns: waiting here gives the main thread its time (the system's limit) to
  // remove its files and end the ordinary way.
  if (event == CTRL_CLOSE_EVENT || event == CTRL_LOGOFF_EVENT || event == CTRL_SHUTDOWN_EVENT)
    ::Sleep(INFINITE);
  return TRUE;
}

}  // namespace

void recordTerminationRequests() { ::SetConsoleCtrlHandler(onConsoleEvent, TRUE); }

void handleTerminationRequests(std::function<void()> onRequest) {
  if (reaction) return;
  reaction = std::move(onRequest);
  recordTerminationRequests();
}

int terminationRequest() { return receivedRequest; }

void endByTerminationRequest(int) {
  // The exit status of a console program ended by Ctrl+C.
  ::TerminateProcess(::GetCurrentProcess(), STATUS_CONTROL_C_EXIT);
  std::_Exit(3);  // not reached
}

}  // namespace base::platform
