// The window managers players run, for the suites that test the game beside other programs.
#pragma once

#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "child_process.h"

namespace tolmark::testing {

struct WindowManager {
  std::string name;                  // as TOLMARK_TEST_WM names it
  std::vector<std::string> command;  // the program and its options
  std::map<std::string, std::string> env{};  // set for it alone
  // It paints a background of its own over the root (mutter's, a colour darkening towards the
  // edges), where the others leave Xvfb's black: a black desktop window then lies under every
  // other window, as a file manager's desktop would.
  bool paintsABackground = false;
};

// The manager TOLMARK_TEST_WM names; openbox when it is unset or names none of them.
const WindowManager& ChosenWindowManager();

// The manager on a display, with a session bus of its own at busSocket: the game is not told
// of it and sees none.
struct RunningWindowManager {
  std::unique_ptr<ChildProcess> bus;
  std::unique_ptr<ChildProcess> manager;
};
RunningWindowManager StartWindowManager(const WindowManager& manager, ChildProcess::Options env,
                                        const std::filesystem::path& busSocket);

}  // namespace tolmark::testing
