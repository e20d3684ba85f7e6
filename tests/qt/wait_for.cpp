#include "wait_for.h"

#include <thread>

namespace tolmark::testing {

bool WaitFor(const std::function<bool()>& condition, std::chrono::milliseconds timeout) {
  using namespace std::chrono_literals;
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  while (std::chrono::steady_clock::now() < deadline) {
    if (condition()) return true;
    std::this_thread::sleep_for(100ms);
  }
  return condition();
}

}  // namespace tolmark::testing
