// What a window manager asks to tell a live program from a hung one (_NET_WM_PING).
#pragma once

#include <chrono>
#include <string>

namespace tolmark::testing {

// Whether the window answers the ping within the wait.
bool AnswersPing(const std::string& display, unsigned long window, std::chrono::milliseconds wait);

}  // namespace tolmark::testing
