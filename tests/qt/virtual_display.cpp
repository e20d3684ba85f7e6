// Xvfb started with -displayfd, so parallel tests never fight over a display number.
#include "virtual_display.h"

#include <unistd.h>

#include <sstream>
#include <thread>
#include <vector>

namespace tolmark::testing {

std::string FirstLine(const std::string& text) { return text.substr(0, text.find('\n')); }

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    if (!line.empty()) lines.push_back(line);
  }
  return lines;
}

bool HaveTool(const std::string& name) {
  return Run({"sh", "-c", "command -v " + name + " >/dev/null"}).status == 0;
}

bool WaitFor(const std::function<bool()>& condition, std::chrono::milliseconds timeout) {
  using namespace std::chrono_literals;
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  while (std::chrono::steady_clock::now() < deadline) {
    if (condition()) return true;
    std::this_thread::sleep_for(100ms);
  }
  return condition();
}

VirtualDisplay StartVirtualDisplay(int width, int height) {
  VirtualDisplay display;
  // Xvfb picks a free display number itself and writes it to the pipe.
  int fds[2];
  if (pipe(fds) != 0) return display;
  ChildProcess::Options options;
  options.passFd = fds[1];
  display.server = std::make_unique<ChildProcess>(
      std::vector<std::string>{"Xvfb", "-displayfd", std::to_string(fds[1]), "-screen", "0",
                               std::to_string(width) + "x" + std::to_string(height) + "x24",
                               "-nolisten", "tcp"},
      options);
  close(fds[1]);
  std::string number;
  char c;
  while (read(fds[0], &c, 1) == 1 && c != '\n') number += c;
  close(fds[0]);
  if (!number.empty()) display.name = ":" + number;
  return display;
}

}  // namespace tolmark::testing
