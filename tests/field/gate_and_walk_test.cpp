// The gate at the road's end, the walk resuming, and the tick beside a standing person.
#include <gtest/gtest.h>

#include <ostream>

#include "draws.h"
#include "field/field_layout.h"
#include "field/gate_rules.h"
#include "field/walk_resume.h"

namespace tolmark::field {
namespace {

using testing::NewGame;

struct GateCase {
  const char* what;
  std::int32_t destination;
  bool wholeOrder;
  Flag cleared, bossBeaten;
  bool opens;
  friend void PrintTo(const GateCase& c, std::ostream* os) { *os << c.what; }
};

class FieldGateTest : public ::testing::TestWithParam<GateCase> {};

TEST_P(FieldGateTest, TheDragonStandsOnlyBeforeTheWholeOrder) {
  const GateCase& c = GetParam();
  GameState s = NewGame();
  s.Destination = c.destination;
  s.GameCleared = c.cleared;
  s.BossBeatenThisTrip = c.bossBeaten;
  if (c.wholeOrder) {
    for (std::int32_t i = 0; i < kOrderRows; ++i) {
      s.Bag[static_cast<std::size_t>(i)] = {s.RoyalOrder[static_cast<std::size_t>(i)].WeaponId,
                                            s.RoyalOrder[static_cast<std::size_t>(i)].Wanted};
    }
    s.BagCount = kOrderRows;
  }
  s.PendingAction = 0;
  EXPECT_EQ(ReachTheGate(s), c.opens) << c.what;
  EXPECT_EQ(s.EventActive, kTrue);
  EXPECT_EQ(s.PendingAction, c.opens ? 601 : 0) << c.what;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Gates, FieldGateTest, ::testing::Values(
  GateCase{"the town",                     2, true,  kFalse, kFalse, true},
  GateCase{"the castle without the order", 3, false, kFalse, kFalse, true},
  GateCase{"the castle with the order",    3, true,  kFalse, kFalse, false},
  GateCase{"the dragon beaten this trip",  3, true,  kFalse, kTrue,  true},
  GateCase{"after the ending",             3, true,  kTrue,  kFalse, true}
));
// clang-format on

TEST(FieldGate, LinesAndGoingIn) {
  EXPECT_EQ(ArrivalLine(2), "商業の街アーウットに着いたぞ");
  EXPECT_EQ(ArrivalLine(3), "モノリス城に着いたぞ");
  EXPECT_TRUE(ArrivalLine(1).empty());
  GameState s = NewGame();
  s.HeroX = 24000;
  s.HeroY = 9000;
  s.ItemListOpen = kTrue;
  s.StatusOpen = kTrue;
  GoThroughTheGate(s);
  EXPECT_EQ(s.SceneEntry, 6);
  EXPECT_EQ(s.SavedHeroX, 24000);
  EXPECT_EQ(s.SavedHeroY, 9000);
  EXPECT_EQ(s.ItemListOpen, kFalse);
  EXPECT_EQ(s.StatusOpen, kFalse);
}

TEST(FieldWalkResume, AfterABossBattleTheSceneGoesOn) {
  GameState s = NewGame();
  s.BossBattle = kTrue;
  s.FieldStop = kTrue;
  s.EventActive = kTrue;
  s.VisitorPicture = 119;
  s.PendingAction = 40;
  EXPECT_TRUE(ResumeWalk(s));
  EXPECT_EQ(s.PendingAction, 520);
  EXPECT_EQ(s.FieldStop, kFalse);
  EXPECT_EQ(s.EventActive, kTrue) << "the boss scene still runs";
}

TEST(FieldWalkResume, OtherwiseTheVisitorIsGone) {
  GameState s = NewGame();
  s.FieldStop = kTrue;
  s.EventActive = kTrue;
  s.CommandBusy = kTrue;
  s.PendingAction = 40;
  EXPECT_FALSE(ResumeWalk(s));
  EXPECT_EQ(s.PendingAction, 0);
  EXPECT_EQ(s.EventActive, kFalse);
  EXPECT_EQ(s.CommandBusy, kFalse);
  EXPECT_EQ(s.FieldStop, kFalse);
}

TEST(FieldTick, IdlesInTheCarriageAndWhileGoingHomeOrExiting) {
  GameState s = NewGame();
  s.PendingAction = 105;
  EXPECT_FALSE(TickIdles(s)) << "105 idles only on the way home";
  s.Homebound = kTrue;
  EXPECT_TRUE(TickIdles(s));
  s.Homebound = kFalse;
  for (const std::int32_t code : {700, 711, 799, 900, 902}) {
    s.PendingAction = code;
    EXPECT_TRUE(TickIdles(s)) << code;
  }
  for (const std::int32_t code : {0, 2, 699, 800, 903}) {
    s.PendingAction = code;
    EXPECT_FALSE(TickIdles(s)) << code;
  }
}

TEST(FieldTick, AnimatesWhoeverStandsBesideTheHero) {
  GameState s = NewGame();
  s.VisitorPicture = picture::kCarriage;
  EXPECT_EQ(StandingAnimationKind(s), 3);
  s.CarriageLeaving = kTrue;
  EXPECT_EQ(StandingAnimationKind(s), 0);
  s.VisitorPicture = 167;
  s.CarriageLeaving = kFalse;
  EXPECT_EQ(StandingAnimationKind(s), 0);
  s.FieldStop = kTrue;
  s.VisitorPicture = picture::kGuard;
  EXPECT_EQ(StandingAnimationKind(s), 99);
}

}  // namespace
}  // namespace tolmark::field
