// The stage layout of the road and where people stand beside the hero.
#include "field/field_layout.h"

#include <gtest/gtest.h>

#include <ostream>

#include "draws.h"
#include "present/shapes.h"

namespace tolmark::field {
namespace {

using testing::NewGame;

// Units per pixel differ across and down, so a swapped conversion shows.
constexpr ScreenMetrics kOddScreen{20000, 12, 20, 1366};
constexpr ScreenMetrics kFullHd{15600, 15, 15, 1920};

struct LayoutCase {
  int width;
  bool wagon;
  std::int32_t balloonSide, stepX, startX, landmarkX;
  friend void PrintTo(const LayoutCase& c, std::ostream* os) {
    *os << c.width << " px" << (c.wagon ? " with the wagon" : "");
  }
};

class FieldStageLayoutTest : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(FieldStageLayoutTest, OutwardLayout) {
  const LayoutCase& c = GetParam();
  ScreenMetrics m = kOddScreen;
  m.screenWidthPixels = c.width;
  GameState s = NewGame();
  s.WagonHired = AsFlag(c.wagon);
  ApplyStageLayout(s, m);
  EXPECT_EQ(s.BalloonSideX, c.balloonSide);
  EXPECT_EQ(s.FieldStepX, c.stepX);
  EXPECT_EQ(s.FieldStartX, c.startX);
  EXPECT_EQ(s.LandmarkX, c.landmarkX);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Screens, FieldStageLayoutTest, ::testing::Values(
  //         width wagon  balloon          step    start           landmark
  LayoutCase{1366, false, (683 - 64) * 12, 4 * 12, 46 * 12,        1301 * 12},
  LayoutCase{1366, true,  (683 - 64) * 12, 4 * 12, (46 - 32) * 12, 1301 * 12},
  LayoutCase{1920, false, (960 - 64) * 12, 6 * 12, 0,              1855 * 12},
  LayoutCase{1920, true,  (960 - 64) * 12, 6 * 12, -32 * 12,       1855 * 12},
  LayoutCase{1023, false, (511 - 64) * 12, 3 * 12, 3 * 12,         958 * 12},
  LayoutCase{100,  false, (50 - 64) * 12,  0,      0,              35 * 12}   // no road at all
));
// clang-format on

TEST(FieldStageLayout, ThreeHundredMovesOnFootEndAtTheRoadsEnd) {
  for (const int width : {640, 800, 1024, 1280, 1366, 1600, 1920, 2560}) {
    ScreenMetrics m = kFullHd;
    m.screenWidthPixels = width;
    GameState s = NewGame();
    ApplyStageLayout(s, m);
    EXPECT_EQ(s.FieldStartX + kStageSteps * s.FieldStepX, m.PxX(width - 120)) << width;
  }
}

TEST(FieldEntry, OutwardPlacesTheHeroAndClearsTheTrip) {
  GameState s = NewGame();
  s.Destination = 3;
  s.WagonHired = kTrue;
  s.FieldSteps = 123;
  s.PendingAction = 45;
  s.BossBattle = kTrue;
  s.CommandBusy = kTrue;
  s.HeroFainted = kTrue;
  s.StepEventDone = kTrue;
  EnterOutward(s, kOddScreen);
  EXPECT_EQ(s.LandmarkPicture, 3);
  EXPECT_EQ(s.HeroPicture, picture::kWagon);
  EXPECT_EQ(s.HeroX, s.FieldStartX);
  EXPECT_EQ(s.FieldStartX, (46 - 32) * 12);
  // The wagon stands where the hero on foot would.
  EXPECT_EQ(s.HeroY, kOddScreen.workAreaHeight - PictureHeight(picture::kHeroWalking));
  EXPECT_EQ(s.HeroFrame, 2);
  EXPECT_EQ(s.FieldSteps, 0);
  EXPECT_EQ(s.PendingAction, 0);
  EXPECT_EQ(s.BossBattle, kFalse);
  EXPECT_EQ(s.CommandBusy, kFalse);
  EXPECT_EQ(s.HeroFainted, kFalse);
  EXPECT_EQ(s.StepEventDone, kFalse);
  EXPECT_EQ(s.FieldEventItem, 9999);
}

TEST(FieldEntry, LandmarksOfTheDestinations) {
  EXPECT_EQ(LandmarkPictureFor(1), 4);
  EXPECT_EQ(LandmarkPictureFor(2), 5);
  EXPECT_EQ(LandmarkPictureFor(3), 3);
  EXPECT_EQ(LandmarkPictureFor(4), 4);
  EXPECT_EQ(LandmarkPictureFor(7), 4);
}

TEST(FieldEntry, HomeboundSitsInTheCarriageAndPaysBeforeAnyClick) {
  GameState s = NewGame();
  s.Destination = 2;
  s.Homebound = kTrue;
  s.FieldStepX = 60;
  s.FieldStartX = 690;
  s.SavedHeroX = 690 + 300 * 60;
  s.SavedHeroY = 4321;
  s.Gold = 5000;
  EnterHomebound(s);
  EXPECT_EQ(s.HeroX, s.SavedHeroX);
  EXPECT_EQ(s.CompanionX, s.SavedHeroX);
  EXPECT_EQ(s.HeroY, 4321);
  EXPECT_EQ(s.CompanionY, 4321);
  EXPECT_EQ(s.VisitorPicture, picture::kCarriage);
  EXPECT_EQ(s.VisitorFrames, 3);
  EXPECT_EQ(s.CompanionFrame, 2);
  EXPECT_EQ(s.EventActive, kTrue);
  EXPECT_EQ(s.LandmarkPicture, 5);
  EXPECT_EQ(s.DealAmount, 300 * 3 + 1000);
  EXPECT_EQ(s.Gold, 5000 - 1900);
  EXPECT_EQ(s.PendingAction, 105);
  // The outward layout stays as it was.
  EXPECT_EQ(s.FieldStepX, 60);
  EXPECT_EQ(s.FieldStartX, 690);
}

TEST(FieldPlacement, VisitorStandsFartherFromAWagon) {
  GameState s = NewGame();
  s.HeroX = 1000;
  s.HeroY = 7000;
  s.VisitorPicture = 167;
  PlaceVisitor(s, kOddScreen);
  EXPECT_EQ(s.VisitorX, 1000 + 50 * 12);
  EXPECT_EQ(s.VisitorY, kOddScreen.workAreaHeight - PictureHeight(167));
  EXPECT_EQ(s.VisitorFrame, 1);
  s.WagonHired = kTrue;
  PlaceVisitor(s, kOddScreen);
  EXPECT_EQ(s.VisitorX, 1000 + 82 * 12);
  // The 棟梁 walks right up to the wagon's driver.
  PlaceCarpenter(s, kOddScreen);
  EXPECT_EQ(s.VisitorPicture, picture::kCarpenterOnRoad);
  EXPECT_EQ(s.VisitorX, 1000 + 50 * 12);
  EXPECT_EQ(s.VisitorY, kOddScreen.workAreaHeight - PictureHeight(picture::kCarpenterOnRoad));
  EXPECT_EQ(s.FieldStop, kTrue);
}

TEST(FieldPlacement, CarriageBlankAndTurningWagon) {
  GameState s = NewGame();
  s.HeroX = 1000;
  s.HeroY = 7000;
  PlaceCarriage(s, kOddScreen);
  EXPECT_EQ(s.VisitorPicture, picture::kCarriage);
  EXPECT_EQ(s.CompanionX, 1000 + 50 * 12);
  EXPECT_EQ(s.CompanionY, kOddScreen.workAreaHeight - PictureHeight(picture::kCarriage));
  EXPECT_EQ(s.CompanionFrame, 2);

  PlaceBlankVisitor(s, kOddScreen);
  EXPECT_EQ(s.VisitorPicture, picture::kBlank);
  EXPECT_EQ(s.VisitorFrames, 2);
  EXPECT_EQ(s.VisitorX, 1000 - 4 * 12);
  EXPECT_EQ(s.VisitorY, 7000 - 5 * 20);

  TurnWagonAbout(s, kOddScreen);
  EXPECT_EQ(s.VisitorPicture, picture::kWagonLeaving);
  EXPECT_EQ(s.CompanionX, 1000);
  EXPECT_EQ(s.CompanionY, kOddScreen.workAreaHeight - PictureHeight(picture::kWagonLeaving));
  EXPECT_EQ(MarkerY(s, kOddScreen), 7000 - 20 * 20);
}

}  // namespace
}  // namespace tolmark::field
