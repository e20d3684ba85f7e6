// What the X server says of the windows on a desktop: which a program shows, and where.
#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

#include "desktop_kit.h"

namespace tolmark::testing {

// The program's visible windows, only those of exactly that name when one is given.
std::vector<std::string> VisibleWindowsOf(const DesktopKit& desktop, pid_t pid,
                                          const std::string& name = "");

// The window's own area (inside any frame) on the screen.
ScreenRect ClientRect(const DesktopKit& desktop, const std::string& window);

}  // namespace tolmark::testing
