// A bounded wait: the desktop paints, maps and moves windows in its own time.
#pragma once

#include <chrono>
#include <functional>

namespace tolmark::testing {

// Asks every 100 ms until the condition holds or the time is up; whether it held.
bool WaitFor(const std::function<bool()>& condition, std::chrono::milliseconds timeout);

}  // namespace tolmark::testing
