// Requests from outside to end the program: on POSIX the signals SIGTERM, SIGINT and
// SIGHUP; on Windows the console's events (Ctrl+C, Ctrl+Break, closing the console,
// logging off, shutting down). None kills the program outright: each is recorded, and the
// program winds down the ordinary way.
#pragma once

#include <functional>

namespace base::platform {

// Records each request from now on; terminationRequest() tells which arrived.
void recordTerminationRequests();
// As recordTerminationRequests(), and each request also runs `onRequest` on the
// application's event loop. Call once, after the application object exists.
void handleTerminationRequests(std::function<void()> onRequest);
// The request that arrived (a signal number: SIGINT for Ctrl+C, SIGBREAK for Ctrl+Break,
// SIGTERM for the others on Windows), or 0.
int terminationRequest();
// Ends the process as the request's default action would, so whoever started it sees
// how it ended.
[[noreturn]] void endByTerminationRequest(int request);

}  // namespace base::platform
