// Due times and coalescing of the virtual scene timers.
#include "headless/scene_timers.h"

#include <algorithm>

namespace tolmark {

bool SceneTimers::Set(Window scene, Timer timer, int periodMs, std::int64_t now) {
  Slot& slot = slots_[IndexOf(scene, timer)];
  const int period = periodMs > 0 ? periodMs : 0;
  if (period == slot.period) return false;
  slot.period = period;
  slot.nextDue = now + period;
  return true;
}

int SceneTimers::Period(Window scene, Timer timer) const {
  return slots_[IndexOf(scene, timer)].period;
}

void SceneTimers::StopAll(Window scene) {
  slots_[IndexOf(scene, Timer::Timer1)].period = 0;
  slots_[IndexOf(scene, Timer::Timer2)].period = 0;
}

std::vector<SceneTimers::Due> SceneTimers::DueBy(std::int64_t until) const {
  std::vector<Due> due;
  for (std::size_t i = 0; i < slots_.size(); ++i) {
    const Window scene = static_cast<Window>(i / 2);
    const Timer timer = i % 2 == 0 ? Timer::Timer1 : Timer::Timer2;
    if (IsDue(scene, timer, until)) due.push_back(Due{scene, timer, slots_[i].nextDue});
  }
  // Slots are visited in window and timer order, so a stable sort keeps that order for ties.
  std::stable_sort(due.begin(), due.end(), [](const Due& a, const Due& b) { return a.at < b.at; });
  return due;
}

bool SceneTimers::IsDue(Window scene, Timer timer, std::int64_t until) const {
  const Slot& slot = slots_[IndexOf(scene, timer)];
  return slot.period > 0 && !slot.handling && slot.nextDue <= until;
}
void SceneTimers::Delivered(Window scene, Timer timer, std::int64_t now) {
  Slot& slot = slots_[IndexOf(scene, timer)];
  slot.nextDue = now + slot.period;
}

void SceneTimers::SetHandling(Window scene, Timer timer, bool handling) {
  slots_[IndexOf(scene, timer)].handling = handling;
}

}  // namespace tolmark
