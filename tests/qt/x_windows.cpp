#include "x_windows.h"

#include <cstring>
#include <sstream>

#include "text_lines.h"

namespace tolmark::testing {

std::vector<std::string> VisibleWindowsOf(const DesktopKit& desktop, pid_t pid,
                                          const std::string& name) {
  std::vector<std::string> windows =
      Lines(desktop.X({"xdotool", "search", "--onlyvisible", "--pid", std::to_string(pid)}).output);
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
