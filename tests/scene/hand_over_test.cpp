// Coming home and leaving: the merge told by the hero, the fainted greeting, the wagon's
// capacity given back, and the scene windows handing over.
#include <gtest/gtest.h>

#include "field/field_operations.h"
#include "scene_fixture.h"
#include "shop/shop_codes.h"
#include "shop/shop_operations.h"
#include "town/arms_operations.h"

namespace tolmark {
namespace {

struct HandOverFixture : testing_support::SceneFixture {
  // A game under way, on the road home with 30 clubs in the bag and 25 in the shop.
  void OnTheRoadHome() {
    s.ShopStock[0] = {0, 25};
    s.Bag[0] = {0, 30};
    s.BagCount = 1;
    s.BagPieces = 30;
    s.SceneEntry = 2;
    field::FieldStartUp(c);
    desk.Clear();
  }
};

TEST_F(HandOverFixture, HomeComingMergesWithTheDiscardLineThenGreetsTheFaintedHero) {
  OnTheRoadHome();
  s.HeroFainted = kTrue;
  s.WagonHired = kTrue;
  s.SavedBagCapacity = 10;
  s.BagCapacity = 60;
  s.Gold = 4321;  // not a new game: the money stays

  field::HandOverFieldToShop(c);

  const std::string discard = s.Catalogue[0].Name + "は、これ以上要らないな。残念だが捨ててしまおう…";
  const std::vector<std::string> talk = desk.With("talk");
  ASSERT_EQ(talk.size(), 2u);
  EXPECT_EQ(talk[0], "talk frmMessage 0 1800 15615 \"" + discard + "\"");
  EXPECT_EQ(talk[1], "talk frmMessage 0 1800 15615 \"ここは家か……。馬車の人に感謝しないとな\"");
  // The discard pause comes before the shop is drawn; the hand-over pause at the very end.
  const auto& lines = desk.Lines();
  const auto at = [&](const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) - lines.begin();
  };
  EXPECT_LT(at("sleep 2000"), at("frame frmShop 57@1500,15690 44@1275,15615"));
  EXPECT_EQ(lines.back(), "sleep 1000");

  EXPECT_EQ(s.ShopStock[0].Count, 50);
  EXPECT_EQ(s.BagCount, 0);
  EXPECT_EQ(s.Gold, 4321);
  EXPECT_EQ(s.BagCapacity, 10);
  EXPECT_EQ(s.WagonHired, kFalse);
  EXPECT_EQ(s.ReturnedHome, kFalse);
  EXPECT_EQ(s.PendingAction, shop::code::CarriedHome);
  EXPECT_EQ(s.EventActive, kTrue);
  EXPECT_EQ(s.HeroFainted, kFalse);
  EXPECT_EQ(s.StartingUp, kFalse);
  EXPECT_EQ(s.SceneName, "frmShop");
  EXPECT_FALSE(desk.IsOpen(Window::frmField));
  EXPECT_EQ(desk.TimerPeriod(Window::frmField, Timer::Timer1), 0);
}

TEST_F(HandOverFixture, LeavingTheShopClosesItsWindowsAndStartsTheField) {
  s.SceneName = "frmShop";
  s.AlwaysOnTop = kTrue;
  s.StatusOpen = kTrue;
  s.OrderListOpen = kTrue;
  s.CommandBusy = kTrue;
  s.TickInterval = 1500;
  for (Window w : {Window::frmShop, Window::frmStatus, Window::frmOrder, Window::frmMessage}) {
    desk.ShowWindow(w);
  }
  shop::HandOverShopToField(c);
  EXPECT_EQ(s.SceneEntry, 2);
  EXPECT_EQ(s.SceneName, "frmField");
  EXPECT_EQ(s.ActiveScene, Window::frmField);
  EXPECT_EQ(s.CommandBusy, kFalse);
  EXPECT_EQ(s.StatusOpen, kFalse);
  EXPECT_EQ(s.OrderListOpen, kFalse);
  EXPECT_EQ(desk.OpenWindows(), (std::set<Window>{Window::frmField}));
  EXPECT_EQ(desk.TimerPeriod(Window::frmField, Timer::Timer1), 1500);
  EXPECT_EQ(desk.TimerPeriod(Window::frmField, Timer::Timer2), 100);
  EXPECT_EQ(desk.Lines().back(), "sleep 1000");
}

TEST_F(HandOverFixture, TownAndFieldHandOverThroughTheirEntryCodes) {
  OnTheRoadHome();
  field::HandOverFieldToArms(c);
  EXPECT_EQ(s.SceneName, "frmArms");
  EXPECT_EQ(desk.TimerPeriod(Window::frmArms, Timer::Timer1), 100);
  town::HandOverArmsToField(c);
  EXPECT_EQ(s.SceneName, "frmField");
  EXPECT_FALSE(desk.IsOpen(Window::frmArms));
  // A start-up with another scene's entry code does nothing.
  s.SceneEntry = 4;
  s.SceneName = "frmShop";
  field::FieldStartUp(c);
  town::ArmsStartUp(c);
  EXPECT_EQ(s.SceneName, "frmShop");
}

}  // namespace
}  // namespace tolmark
