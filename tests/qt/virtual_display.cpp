// Xvfb started with -displayfd, so parallel tests never fight over a display number.
#include "virtual_display.h"

#include <unistd.h>

#include <vector>

namespace tolmark::testing {

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
