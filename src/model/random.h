// The one source of chance: Rnd() in [0, 1) and Reseed(), production and scripted.
#pragma once

#include <cstdint>
#include <deque>
#include <random>

namespace tolmark {

class Random {
 public:
  virtual ~Random() = default;
  // A uniform number in [0, 1), of single precision.
  virtual double Rnd() = 0;
  // Many rules reseed before they draw; a scripted source keeps its queue untouched.
  virtual void Reseed() = 0;
};

// The generator of a real game: reseeding takes a fresh seed from the clock.
class SystemRandom final : public Random {
 public:
  SystemRandom();
  double Rnd() override;
  void Reseed() override;

 private:
  std::mt19937 engine_;
};

// Returns queued values in order; once the queue is empty it falls back to a seeded generator,
// so a queue of values reproduces a run exactly.
class ScriptedRandom final : public Random {
 public:
  explicit ScriptedRandom(std::uint32_t seed = 1);
  void Queue(double value);
  void Seed(std::uint32_t seed);
  std::size_t Queued() const { return queue_.size(); }
  double Rnd() override;
  void Reseed() override {}

 private:
  std::deque<double> queue_;
  std::mt19937 engine_;
};

}  // namespace tolmark
