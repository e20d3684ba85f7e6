// Production and scripted random sources.
#include "model/random.h"

#include <chrono>

namespace tolmark {
namespace {

// 24 random bits scaled to [0, 1): exactly the values a single-precision Rnd can take.
double SingleFrom(std::mt19937& engine) {
  return static_cast<double>(engine() >> 8) / static_cast<double>(1u << 24);
}

std::uint32_t ClockSeed() {
  return static_cast<std::uint32_t>(
      std::chrono::steady_clock::now().time_since_epoch().count());
}

}  // namespace

SystemRandom::SystemRandom() : engine_(ClockSeed()) {}

double SystemRandom::Rnd() { return SingleFrom(engine_); }

// Mixing the clock into the running engine keeps draws independent even when two reseeds
// fall on the same clock tick.
void SystemRandom::Reseed() { engine_.seed(engine_() ^ ClockSeed()); }

ScriptedRandom::ScriptedRandom(std::uint32_t seed) : engine_(seed) {}

void ScriptedRandom::Queue(double value) { queue_.push_back(value); }

void ScriptedRandom::Seed(std::uint32_t seed) { engine_.seed(seed); }

double ScriptedRandom::Rnd() {
  if (queue_.empty()) return SingleFrom(engine_);
  const double v = queue_.front();
  queue_.pop_front();
  return v;
}

}  // namespace tolmark
