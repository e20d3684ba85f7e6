// What the X server says of the windows on a desktop: which a program shows, and where.
#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

#include "desktop_kit.h"

namespace tolmark::testing {

// The windows `xdotool search ARGS...` finds, in its order, each once (it names a window once
// for each of its names that matches).
std::vector<std::string> SearchWindows(const DesktopKit& desktop, const std::vector<std::string>& args);

// The program's visible windows, only those of exactly that name when one is given.
std::vector<std::string> VisibleWindowsOf(const DesktopKit& desktop, pid_t pid,
                                          const std::string& name = "");

// The window's own area (inside any frame) on the screen.
ScreenRect ClientRect(const DesktopKit& desktop, const std::string& window);

}  // namespace tolmark::testing
