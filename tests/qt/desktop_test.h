// The fixture of every desktop suite: one desktop (desktop_kit.h) serves all its tests, which
// run in order. Without the programs it needs, the suite's tests are skipped, saying which.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "desktop_kit.h"
#include "x_windows.h"

namespace tolmark::testing {

class DesktopTest : public ::testing::Test {
 protected:
  // Builds the suite's desktop from SetUpTestSuite; whether it runs (false also when tools are
  // missing: the tests then skip).
  static bool StartDesktop(DesktopSetup setup) {
    desktop_ = std::make_unique<DesktopKit>(std::move(setup));
    if (!desktop_->Missing().empty()) return false;
    const ::testing::AssertionResult started = desktop_->Start();
    EXPECT_TRUE(started);
    return started;
  }
  static void StopDesktop() { desktop_.reset(); }

  void SetUp() override {
    if (!desktop_) GTEST_SKIP() << "no desktop was set up";
    if (!desktop_->Missing().empty()) GTEST_SKIP() << desktop_->Missing();
  }
  // Whether the test goes on after DesktopTest::SetUp in a suite's own SetUp.
  bool Proceeds() const { return !IsSkipped() && !HasFatalFailure(); }

  static ChildProcess::Options Env() { return desktop_->Env(); }
  static RunResult X(std::vector<std::string> argv) { return desktop_->X(std::move(argv)); }
  static Screenshot Shot(const std::string& name) { return desktop_->Shot(name); }
  static const std::string& Display() { return desktop_->Display(); }
  static const GameFolders& Folders() { return desktop_->Folders(); }
  static std::vector<std::string> SearchWindows(const std::vector<std::string>& args) {
    return testing::SearchWindows(*desktop_, args);
  }
  static std::vector<std::string> VisibleWindowsOf(pid_t pid, const std::string& name = "") {
    return testing::VisibleWindowsOf(*desktop_, pid, name);
  }
  static ScreenRect ClientRect(const std::string& window) {
    return testing::ClientRect(*desktop_, window);
  }

  inline static std::unique_ptr<DesktopKit> desktop_;
};

}  // namespace tolmark::testing
