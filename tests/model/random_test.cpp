// The scripted random source replays its queue; the real one stays in [0, 1).
#include "model/random.h"

#include <gtest/gtest.h>

namespace tolmark {
namespace {

TEST(ScriptedRandom, ReturnsQueuedValuesInOrderAndReseedingKeepsThem) {
  ScriptedRandom random(7);
  random.Queue(0.25);
  random.Queue(0.5);
  random.Reseed();
  EXPECT_EQ(random.Rnd(), 0.25);
  random.Reseed();
  EXPECT_EQ(random.Rnd(), 0.5);
  EXPECT_EQ(random.Queued(), 0u);
}

TEST(ScriptedRandom, FallsBackToASeededGeneratorWhenTheQueueIsEmpty) {
  ScriptedRandom a(42);
  ScriptedRandom b(42);
  for (int i = 0; i < 100; ++i) {
    const double v = a.Rnd();
    EXPECT_EQ(v, b.Rnd());
    EXPECT_GE(v, 0.0);
    EXPECT_LT(v, 1.0);
  }
}

TEST(SystemRandom, StaysInTheUnitInterval) {
  SystemRandom random;
  for (int i = 0; i < 1000; ++i) {
    if (i % 10 == 0) random.Reseed();
    const double v = random.Rnd();
    ASSERT_GE(v, 0.0);
    ASSERT_LT(v, 1.0);
  }
}

}  // namespace
}  // namespace tolmark
