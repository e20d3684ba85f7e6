// Each scene's animation step: which pictures each branch draws where, who moves, and what
// arrival and leaving change.
#include <gtest/gtest.h>

#include <functional>

#include "game/scene_list.h"
#include "transcript_desktop.h"
#include "scene/scenes.h"
#include "field/field_walk.h"
#include "scene/step_codes.h"
#include "shop/shop_walk.h"
#include "town/counter_walk.h"

namespace tolmark {
namespace {

struct WalkCase {
  const char* name;
  std::function<void(GameState&)> setUp;
  std::int32_t picture;
  std::int32_t mode;
  std::int16_t kind;
  const char* frame;  // the presented frame, or "" for none
  std::function<void(const GameState&)> check;
};

// Shop figures as the start-up places them on a 1920 x 1080 screen at 15 units per pixel.
void InShopScene(GameState& s) {
  s.SceneName = "frmShop";
  s.HeroX = 1500;
  s.HeroY = 15690;
  s.ShopSign = 99;
  s.VisitorPicture = 60;
  s.VisitorY = 15690;
  s.EventActive = kTrue;
  s.TickInterval = 1000;
}

void InField(GameState& s) {
  s.SceneName = "frmField";
  s.HeroX = 3000;
  s.HeroY = 15690;
  s.HeroPicture = 134;
  s.LandmarkPicture = 4;
  s.LandmarkX = 25000;
  s.FieldStepX = 60;
}

// The animation the scene's tick runs for that figure.
void Animate(Scenes& c, std::int32_t picture, std::int32_t mode, std::int16_t kind) {
  if (c.s.SceneName == "frmShop") {
    if (picture == 57) {
      shop::AnimateMerchant(c);
    } else {
      shop::AnimateCustomerWalk(c);
    }
  } else if (c.s.SceneName == "frmArms") {
    town::AnimateCounter(c);
  } else {
    field::AnimateField(c, picture, mode, kind);
  }
}

const std::vector<WalkCase>& Cases() {
  static const std::vector<WalkCase> cases = {
      {"idle merchant, phase 4 wraps to 1", [](GameState& s) { InShopScene(s); s.HeroFrame = 4; },
       57, 1, 0, "frame frmShop 59@1500,15690 99@1275,15615",
       [](const GameState& s) { EXPECT_EQ(s.HeroFrame, 1); }},
      {"idle merchant with a counter out of range draws only the board",
       [](GameState& s) { InShopScene(s); s.HeroFrame = 0; }, 57, 1, 0,
       "frame frmShop 99@1275,15615", [](const GameState& s) { EXPECT_EQ(s.HeroFrame, 0); }},
      {"customer exactly at 700 keeps walking",
       [](GameState& s) {
         InShopScene(s); s.HeroFrame = 1; s.ScenePhase = 10; s.VisitorX = 700; s.VisitorFrame = 3;
       },
       60, 100, 0, "frame frmShop 57@1500,15690 60@805,15690 99@1275,15615",
       [](const GameState& s) {
         EXPECT_EQ(s.VisitorX, 805);
         EXPECT_EQ(s.VisitorFrame, 4);
         EXPECT_EQ(s.ScenePhase, 10);
       }},
      {"customer walking in on an even phase only changes picture",
       [](GameState& s) {
         InShopScene(s); s.HeroFrame = 2; s.ScenePhase = 10; s.VisitorX = -32; s.VisitorFrame = 2;
       },
       60, 100, 0, "frame frmShop 58@1500,15690 62@-32,15690 99@1275,15615",
       [](const GameState& s) { EXPECT_EQ(s.VisitorX, -32); }},
      {"customer beyond 700 arrives without a presentation",
       [](GameState& s) {
         InShopScene(s); s.HeroFrame = 1; s.ScenePhase = 10; s.VisitorX = 701; s.VisitorFrame = 1;
       },
       60, 100, 0, "",
       [](const GameState& s) {
         EXPECT_EQ(s.ScenePhase, 20);
         EXPECT_EQ(s.PendingAction, code::VisitBegins);
         EXPECT_EQ(s.VisitorX, 701);
         EXPECT_EQ(s.HeroFrame, 2);
       }},
      {"customer exactly at -400 is drawn once more, facing left",
       [](GameState& s) {
         InShopScene(s); s.HeroFrame = 1; s.ScenePhase = 30; s.VisitorX = -400; s.VisitorFrame = 2;
       },
       60, 100, 0, "frame frmShop 57@1500,15690 63@-400,15690 99@1275,15615",
       [](const GameState& s) { EXPECT_EQ(s.EventActive, kTrue); }},
      {"customer walking out moves 10 px on phase 1",
       [](GameState& s) {
         InShopScene(s); s.HeroFrame = 1; s.ScenePhase = 30; s.VisitorX = 0; s.VisitorFrame = 1;
       },
       60, 100, 0, "frame frmShop 57@1500,15690 61@-150,15690 99@1275,15615",
       [](const GameState& s) { EXPECT_EQ(s.VisitorX, -150); }},
      {"customer below -400 has gone",
       [](GameState& s) {
         InShopScene(s); s.HeroFrame = 1; s.ScenePhase = 30; s.VisitorX = -401;
       },
       60, 100, 0, "",
       [](const GameState& s) {
         EXPECT_EQ(s.ScenePhase, 0);
         EXPECT_EQ(s.EventActive, kFalse);
       }},
      {"customer at the counter: nothing presented",
       [](GameState& s) { InShopScene(s); s.HeroFrame = 1; s.ScenePhase = 21; }, 60, 100, 0, "",
       [](const GameState& s) { EXPECT_EQ(s.HeroFrame, 2); }},
      {"town hero walking in past the dealer",
       [](GameState& s) {
         s.SceneName = "frmArms"; s.VisitorPicture = 14; s.VisitorX = 20000; s.VisitorY = 15690;
         s.VisitorFrame = 4;
         s.HeroX = -32; s.HeroY = 15690; s.HeroFrame = 1; s.ScenePhase = 10;
       },
       14, 0, 0, "frame frmArms 16@20000,15690 134@73,15690 99@19775,15615",
       [](const GameState& s) {
         EXPECT_EQ(s.HeroX, 73);
         EXPECT_EQ(s.VisitorFrame, 1);
       }},
      {"town hero walking out faces left",
       [](GameState& s) {
         s.SceneName = "frmArms"; s.VisitorPicture = 122; s.VisitorX = 20000; s.VisitorY = 15690;
         s.VisitorFrame = 1;
         s.HeroX = 500; s.HeroY = 15690; s.HeroFrame = 2; s.ScenePhase = 30;
       },
       122, 0, 0, "frame frmArms 122@20000,15690 137@500,15690 99@19775,15615", nullptr},
      {"king standing with nobody walking: drawn, not presented",
       [](GameState& s) {
         s.SceneName = "frmArms"; s.VisitorPicture = 122; s.VisitorFrame = 1; s.HeroFrame = 1;
         s.ScenePhase = 20;
       },
       122, 0, 0, "", [](const GameState& s) { EXPECT_EQ(s.VisitorFrame, 2); }},
      {"field walking moves on phase 1, automatic-play marker first",
       [](GameState& s) { InField(s); s.HeroFrame = 1; s.AutoMode = kTrue; s.StepEventDone = kTrue; },
       134, 0, 0, "frame frmField 101@5,15390 4@25000,15690 134@3060,15690",
       [](const GameState& s) {
         EXPECT_EQ(s.FieldSteps, 1);
         EXPECT_EQ(s.StepEventDone, kFalse);
       }},
      {"field walking with the wagon on phase 4",
       [](GameState& s) { InField(s); s.HeroPicture = 38; s.HeroFrame = 4; }, 38, 0, 0,
       "frame frmField 4@25000,15690 42@3000,15690",
       [](const GameState& s) { EXPECT_EQ(s.FieldSteps, 0); }},
      {"wagon going left without the hero",
       [](GameState& s) {
         InField(s); s.CompanionX = 5000; s.CompanionY = 15960; s.CompanionFrame = 3;
       },
       39, 0, 0, "frame frmField 4@25000,15690 39@4955,15960",
       [](const GameState& s) { EXPECT_EQ(s.CompanionFrame, 4); }},
      {"traveller beside the halted hero uses the six-picture steps",
       [](GameState& s) {
         InField(s); s.HeroFrame = 2; s.VisitorPicture = 26; s.VisitorX = 4000;
         s.VisitorY = 15690; s.VisitorFrame = 4;
       },
       26, 3, 99, "frame frmField 4@25000,15690 136@3000,15690 30@4000,15690",
       [](const GameState& s) { EXPECT_EQ(s.HeroX, 3000); }},
      {"two-picture monster alternates P and P+1",
       [](GameState& s) {
         InField(s); s.HeroFrame = 1; s.VisitorPicture = 110; s.VisitorX = 4000;
         s.VisitorY = 15690; s.VisitorFrame = 2;
       },
       110, 2, 0, "frame frmField 4@25000,15690 134@3000,15690 111@4000,15690",
       [](const GameState& s) { EXPECT_EQ(s.VisitorFrame, 1); }},
      {"three-picture monster",
       [](GameState& s) {
         InField(s); s.HeroFrame = 1; s.VisitorX = 4000; s.VisitorY = 15690; s.VisitorFrame = 4;
       },
       110, 3, 0, "frame frmField 4@25000,15690 134@3000,15690 112@4000,15690", nullptr},
      {"carriage animating in place, hero hidden",
       [](GameState& s) {
         InField(s); s.HeroFrame = 1; s.CompanionX = 6000; s.CompanionY = 15960;
         s.CompanionFrame = 1;
       },
       96, 2, 0, "frame frmField 4@25000,15690 96@6000,15960",
       [](const GameState& s) { EXPECT_EQ(s.HeroFrame, 1); }},
      {"carriage driving left, hero waiting",
       [](GameState& s) {
         InField(s); s.HeroFrame = 1; s.CompanionX = 6000; s.CompanionY = 15960;
         s.CompanionFrame = 1;
       },
       96, 2, 1, "frame frmField 4@25000,15690 134@3000,15690 96@5955,15960", nullptr},
      {"carriage driving left with the hero aboard",
       [](GameState& s) {
         InField(s); s.HeroFrame = 1; s.CompanionX = 6000; s.CompanionY = 15960;
         s.CompanionFrame = 2;
       },
       96, 2, 2, "frame frmField 4@25000,15690 97@6000,15960", nullptr},
      {"carriage waiting with the hero",
       [](GameState& s) {
         InField(s); s.HeroFrame = 2; s.CompanionX = 6000; s.CompanionY = 15960;
         s.CompanionFrame = 3;
       },
       96, 2, 3, "frame frmField 4@25000,15690 136@3000,15690 96@6000,15960",
       [](const GameState& s) { EXPECT_EQ(s.CompanionX, 6000); }},
  };
  return cases;
}

TEST(SceneAnimation, EachBranchDrawsMovesAndPresentsAsItsFiguresDo) {
  for (const WalkCase& wc : Cases()) {
    SCOPED_TRACE(wc.name);
    GameState s;
    testing_support::TranscriptDesktop desk;
    ScriptedRandom rnd;
    Scenes c{s, desk, rnd, kSceneList, {}};
    wc.setUp(s);
    Animate(c, wc.picture, wc.mode, wc.kind);
    const auto frames = desk.With("frame");
    if (std::string_view(wc.frame).empty()) {
      EXPECT_TRUE(frames.empty());
    } else {
      EXPECT_EQ(frames, std::vector<std::string>{wc.frame});
    }
    if (wc.check) wc.check(s);
  }
}

TEST(SceneAnimation, LeavingCustomerClosesTheBalloonAndRestoresTheTick) {
  GameState s;
  testing_support::TranscriptDesktop desk;
  ScriptedRandom rnd;
  Scenes c{s, desk, rnd, kSceneList, {}};
  InShopScene(s);
  s.TickInterval = 1500;
  s.ScenePhase = 30;
  s.VisitorX = -401;
  desk.ShowWindow(Window::frmMessage);
  desk.SetTimer(Window::frmShop, Timer::Timer1, 100);
  shop::AnimateCustomerWalk(c);
  EXPECT_FALSE(desk.IsOpen(Window::frmMessage));
  EXPECT_EQ(desk.TimerPeriod(Window::frmShop, Timer::Timer1), 1500);
}

TEST(SceneAnimation, ArrivalDrawingAppearsWithTheNextPresentation) {
  GameState s;
  testing_support::TranscriptDesktop desk;
  ScriptedRandom rnd;
  Scenes c{s, desk, rnd, kSceneList, {}};
  InShopScene(s);
  s.HeroFrame = 1;
  s.ScenePhase = 10;
  s.VisitorX = 701;
  shop::AnimateCustomerWalk(c);  // arrives: merchant drawn, nothing shown
  s.ScenePhase = 30;
  s.VisitorFrame = 2;
  shop::AnimateCustomerWalk(c);
  EXPECT_EQ(desk.With("frame"),
            std::vector<std::string>{
                "frame frmShop 57@1500,15690 58@1500,15690 63@701,15690 99@1275,15615"});
}

}  // namespace
}  // namespace tolmark
