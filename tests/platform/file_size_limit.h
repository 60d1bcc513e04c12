#pragma once
// Lowers the process's file size limit for a test.

#include <sys/resource.h>

#include <signal.h>

namespace platform_test {

// Lowers the file size limit for the lifetime of the object, with SIGXFSZ ignored
// so that a write past the limit fails with EFBIG instead of ending the process.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &saved_);
    previous_handler_ = signal(SIGXFSZ, SIG_IGN);
    const rlimit lowered{bytes, saved_.rlim_max};
    setrlimit(RLIMIT_FSIZE, &lowered);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &saved_);
    signal(SIGXFSZ, previous_handler_);
  }

 private:
  rlimit saved_{};
  sighandler_t previous_handler_;
};

}  // namespace platform_test
