// What the desktop tests share: the tools they check for, a virtual X display of their own,
// a bounded wait, and the lines of a program's output.
#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "child_process.h"

namespace tolmark::testing {

std::string FirstLine(const std::string& text);

// The text's lines that are not empty.
std::vector<std::string> Lines(const std::string& text);

// Whether the program is on the PATH.
bool HaveTool(const std::string& name);

// Asks every 100 ms until the condition holds or the time is up; whether it held.
bool WaitFor(const std::function<bool()>& condition, std::chrono::milliseconds timeout);

// An Xvfb server of width x height pixels at 24 bits, on a display number it picks itself.
struct VirtualDisplay {
  std::unique_ptr<ChildProcess> server;
  std::string name;  // ":N"; empty when the server did not start
};
VirtualDisplay StartVirtualDisplay(int width, int height);

}  // namespace tolmark::testing
