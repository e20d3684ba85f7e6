// The scene windows' timers on a virtual clock: when each tick falls due, one pending at most.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "present/desktop.h"

namespace tolmark {

class SceneTimers {
 public:
  struct Due {
    Window scene{};
    Timer timer = Timer::Timer1;
    std::int64_t at = 0;  // virtual ms at which the tick fell due
  };

  // A period of 0 or less stops the timer. Changing the period (or starting a stopped timer)
  // starts a fresh count at `now`; setting the running period again keeps the count going and
  // gives false: nothing changed.
  bool Set(Window scene, Timer timer, int periodMs, std::int64_t now);
  int Period(Window scene, Timer timer) const;
  // A window that closes takes its timers with it.
  void StopAll(Window scene);

  // The ticks due at or before `until`, earliest first (ties: window order, then Timer1),
  // leaving out timers whose own tick is being handled: like a real desktop timer, a timer is
  // not re-entered from inside its own handler.
  std::vector<Due> DueBy(std::int64_t until) const;
  bool IsDue(Window scene, Timer timer, std::int64_t until) const;
  // However long ago the tick fell due, handling it leaves none pending: the next one falls a
  // whole period after `now` (ticks coalesce).
  void Delivered(Window scene, Timer timer, std::int64_t now);

  void SetHandling(Window scene, Timer timer, bool handling);

 private:
  struct Slot {
    int period = 0;
    std::int64_t nextDue = 0;
    bool handling = false;
  };
  static std::size_t IndexOf(Window scene, Timer timer) {
    return static_cast<std::size_t>(scene) * 2 + (timer == Timer::Timer1 ? 0 : 1);
  }
  std::array<Slot, kWindowLimit * 2> slots_{};
};

}  // namespace tolmark
