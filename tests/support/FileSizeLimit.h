// A full disk, stood in for by the process's file size limit (POSIX only).
#pragma once

#include <sys/resource.h>

#include <csignal>

namespace testing_support {

// Stands in for a full disk while it lives: no file of this process grows past `bytes`
// (a write beyond fails with "File too large" instead of raising SIGXFSZ).
class ScopedFileSizeLimit {
 public:
  explicit ScopedFileSizeLimit(rlim_t bytes) : previousSignal_(::signal(SIGXFSZ, SIG_IGN)) {
    ::getrlimit(RLIMIT_FSIZE, &previous_);
    struct rlimit small = previous_;
    small.rlim_cur = bytes;
    ::setrlimit(RLIMIT_FSIZE, &small);
  }
  ~ScopedFileSizeLimit() {
    ::setrlimit(RLIMIT_FSIZE, &previous_);
    ::signal(SIGXFSZ, previousSignal_);
  }
  ScopedFileSizeLimit(const ScopedFileSizeLimit&) = delete;
  ScopedFileSizeLimit& operator=(const ScopedFileSizeLimit&) = delete;

 private:
  struct rlimit previous_ {};
  void (*previousSignal_)(int);
};

}  // namespace testing_support
