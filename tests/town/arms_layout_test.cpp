// Where the dealer, the king, the board and the hero stand when the counter scene opens.
#include "town/arms_layout.h"

#include <gtest/gtest.h>

#include "present/shapes.h"
#include "town_fixture.h"

namespace tolmark::town {
namespace {

using testing::NewGame;

// A screen of 12 units to the pixel across and 20 down, so the two factors cannot be mixed up.
constexpr ScreenMetrics kOddScreen{.workAreaHeight = 12000, .twipsPerPixelX = 12,
                                   .twipsPerPixelY = 20, .screenWidthPixels = 1024};

struct FigureCase {
  std::int32_t destination;
  std::int32_t figure;
};

class TownEntryTest : public ::testing::TestWithParam<FigureCase> {};

TEST_P(TownEntryTest, FigureBehindTheCounterAndHeroOffTheLeftEdge) {
  GameState s = NewGame();
  s.Destination = GetParam().destination;
  s.PendingAction = 77;
  s.ScenePhase = 30;
  EnterCounterScene(s, kOddScreen);

  EXPECT_EQ(s.VisitorPicture, GetParam().figure);
  EXPECT_EQ(s.VisitorX, 100 * 12);
  EXPECT_EQ(s.VisitorY, 12000 - PictureHeight(GetParam().figure));
  EXPECT_EQ(s.VisitorFrame, 2);
  EXPECT_EQ(s.HeroX, -32);  // units, not pixels
  EXPECT_EQ(s.HeroY, 12000 - PictureHeight(134));
  EXPECT_EQ(s.HeroFrame, 2);
  EXPECT_EQ(s.ScenePhase, 0);
  EXPECT_EQ(s.PendingAction, 0);
  EXPECT_EQ(s.EventActive, kTrue);

  EXPECT_EQ(CounterBoardAt(s, kOddScreen),
            (ScenePoint{100 * 12 - 15 * 12, s.VisitorY - 5 * 20}));
}

INSTANTIATE_TEST_SUITE_P(Destinations, TownEntryTest,
                         ::testing::Values(FigureCase{destination::kTown, 14},
                                           FigureCase{destination::kCastle, 122},
                                           FigureCase{destination::kDemons, 122}));

}  // namespace
}  // namespace tolmark::town
