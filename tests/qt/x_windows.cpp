#include "x_windows.h"

#include <algorithm>
#include <cstring>
#include <sstream>

#include "text_lines.h"

namespace tolmark::testing {

std::vector<std::string> SearchWindows(const DesktopKit& desktop, const std::vector<std::string>& args) {
  // Its error output too: a window that goes (a balloon clicked away) while xdotool reads it
  // ends the search with an X error and no list, and then the search is made again.
  std::vector<std::string> argv = {"sh", "-c", "exec xdotool search \"$@\" 2>&1", "sh"};
  argv.insert(argv.end(), args.begin(), args.end());
  std::string found = desktop.X(argv).output;
  for (int again = 0; found.find("X Error") != std::string::npos && again < 5; ++again) {
    found = desktop.X(argv).output;
  }
  std::vector<std::string> windows;
  for (const std::string& line : Lines(found)) {
    const bool id = line.find_first_not_of("0123456789") == std::string::npos;
    if (id && std::find(windows.begin(), windows.end(), line) == windows.end()) {
      windows.push_back(line);
    }
  }
  return windows;
}

std::vector<std::string> VisibleWindowsOf(const DesktopKit& desktop, pid_t pid,
                                          const std::string& name) {
  std::vector<std::string> windows =
      SearchWindows(desktop, {"--onlyvisible", "--pid", std::to_string(pid)});
  if (name.empty()) return windows;
  std::erase_if(windows, [&](const std::string& id) {
    return FirstLine(desktop.X({"xdotool", "getwindowname", id}).output) != name;
  });
  return windows;
}

ScreenRect ClientRect(const DesktopKit& desktop, const std::string& window) {
  ScreenRect r;
  std::istringstream lines(desktop.X({"xwininfo", "-id", window}).output);
  for (std::string line; std::getline(lines, line);) {
    auto value = [&](const char* key, int& into) {
      const auto at = line.find(key);
      if (at != std::string::npos) into = std::stoi(line.substr(at + std::strlen(key)));
    };
    value("Absolute upper-left X:", r.x);
    value("Absolute upper-left Y:", r.y);
    value("Width:", r.width);
    value("Height:", r.height);
  }
  return r;
}

}  // namespace tolmark::testing
