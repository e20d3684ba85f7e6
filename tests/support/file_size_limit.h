// A full disk, for the tests that write the game's files.
#pragma once

#include <signal.h>
#include <sys/resource.h>

namespace tolmark::testing_support {

// A full disk, played by a file-size limit while this lives: a write past `bytes` fails with an
// error instead of the signal ending the test. Check Applied() before relying on it.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    if (::getrlimit(RLIMIT_FSIZE, &saved_) != 0) return;
    oldHandler_ = ::signal(SIGXFSZ, SIG_IGN);
    rlimit tight = saved_;
    tight.rlim_cur = bytes;
    applied_ = ::setrlimit(RLIMIT_FSIZE, &tight) == 0;
  }
  ~FileSizeLimit() {
    if (oldHandler_ == SIG_ERR) return;
    ::setrlimit(RLIMIT_FSIZE, &saved_);
    ::signal(SIGXFSZ, oldHandler_);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

  bool Applied() const { return applied_; }

 private:
  rlimit saved_{};
  sighandler_t oldHandler_ = SIG_ERR;
  bool applied_ = false;
};

}  // namespace tolmark::testing_support
