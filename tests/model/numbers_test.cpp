// The game's floor, half-to-even rounding, truncating division and thousands format.
#include "model/numbers.h"

#include <gtest/gtest.h>

#include <cfenv>

namespace tolmark {
namespace {

TEST(Numbers, IntIsTheFloor) {
  EXPECT_EQ(Int(2.99), 2);
  EXPECT_EQ(Int(-0.5), -1);
  EXPECT_EQ(Int(0.0), 0);
}

TEST(Numbers, RoundingSendsHalvesToTheEvenNeighbour) {
  struct Case {
    double x;
    int expected;
  };
  for (const Case c : {Case{2.5, 2}, {3.5, 4}, {0.5, 0}, {1.5, 2}, {-2.5, -2}, {0.67, 1},
                       {950.5, 950}, {1.49, 1}}) {
    EXPECT_EQ(CLng(c.x), c.expected) << c.x;
    EXPECT_EQ(Round(c.x), c.expected) << c.x;
  }
}

TEST(Numbers, RoundingIgnoresTheProgramsRoundingMode) {
  const int saved = std::fegetround();
  std::fesetround(FE_UPWARD);
  const int halfDown = CLng(2.5);
  const int mode = std::fegetround();
  std::fesetround(saved);
  EXPECT_EQ(halfDown, 2);
  EXPECT_EQ(mode, FE_UPWARD);  // left as the program set it
}

TEST(Numbers, IntegerDivisionTruncatesTowardZero) {
  EXPECT_EQ(IntDiv(7, 2), 3);
  EXPECT_EQ(IntDiv(-7, 2), -3);
}

TEST(Numbers, ThousandsFormat) {
  struct Case {
    std::int64_t value;
    const char* text;
  };
  for (const Case c : {Case{0, "0"}, {999, "999"}, {1000, "1,000"}, {999999999, "999,999,999"},
                       {-1234, "-1,234"}, {100000, "100,000"}}) {
    EXPECT_EQ(FormatThousands(c.value), c.text);
  }
}

}  // namespace
}  // namespace tolmark
