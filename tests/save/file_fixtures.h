// Shared pieces of the tests that write the game's files: a folder of their own and a full disk.
#pragma once

#include <gtest/gtest.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/resource.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace tolmark::testing_files {

// Each test works in a fresh folder, like the game in its current folder; it goes afterwards.
class ScratchFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (std::filesystem::path(::testing::TempDir()) / "tolmark-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    folder_ = pattern;
  }
  void TearDown() override { std::filesystem::remove_all(folder_); }

  std::filesystem::path folder_;
};

inline std::string Contents(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

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

}  // namespace tolmark::testing_files
