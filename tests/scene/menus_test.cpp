// The pop-up menus as each scene prepares them: which items are shown, enabled and checked.
#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <string>

#include "game/scene_list.h"
#include "transcript_desktop.h"
#include "scene/dispatch.h"
#include "scene/menus.h"
#include "scene/scenes.h"
#include "shop/shop_codes.h"

namespace tolmark {
namespace {

// "name:vec" for each item, depth first: v visible, e enabled, c checked.
std::string Flatten(const std::vector<MenuItem>& items) {
  std::string out;
  for (const MenuItem& item : items) {
    out += item.name + ":" + (item.visible ? "v" : "") + (item.enabled ? "e" : "") +
           (item.checked ? "c" : "") + " ";
    out += Flatten(item.children);
  }
  return out;
}

struct MenuCase {
  const char* name;
  const char* scene;
  std::function<void(GameState&)> setUp;
  const char* shown;  // the flattened menu popped up, or "" when no menu appears
};

void Closed(GameState& s) { s.Chapter = 1; }
void Open(GameState& s) { s.ShopOpen = kTrue; }

const std::vector<MenuCase>& Cases() {
  static const std::vector<MenuCase> cases = {
      {"closed shop, first chapter", "frmShop", Closed,
       "mitem:ve mstatus:ve mlist:ve morder:e mopen:ve mclose:e msleep:ve mbuyer:ve "
       "mstage1:ve mstage2:e mstage3:e mstage4:e mauto:e mSpeed:e mSpeed1:ve mSpeed2:vec "
       "mSpeed3:ve mActive:ve mNoActive:e msave_load:ve msave:ve mload:v mend:ve "},
      {"closed shop, third chapter, a command under way, always in front", "frmShop",
       [](GameState& s) { s.Chapter = 3; s.CommandBusy = kTrue; s.AlwaysOnTop = kTrue; },
       "mitem:ve mstatus:ve mlist:ve morder:ve mopen:v mclose:e msleep:v mbuyer:v "
       "mstage1:ve mstage2:ve mstage3:ve mstage4:e mauto: mSpeed:e mSpeed1:ve mSpeed2:vec "
       "mSpeed3:ve mActive:e mNoActive:ve msave_load:v msave:ve mload:v mend:v "},
      {"open shop at slow speed during a visit", "frmShop",
       [](GameState& s) { Open(s); s.TickInterval = 1500; s.EventActive = kTrue; },
       "mitem:ve mstatus:ve mlist:ve morder:e mopen:e mclose:ve msleep:e mbuyer:e "
       "mstage1:ve mstage2:e mstage3:e mstage4:e mauto:v mSpeed:ve mSpeed1:ve mSpeed2:ve "
       "mSpeed3:vec mActive:ve mNoActive:e msave_load:e msave:ve mload:ve mend:ve "},
      {"open shop with a command under way", "frmShop",
       [](GameState& s) { Open(s); s.CommandBusy = kTrue; s.TickInterval = 500; },
       "mitem:ve mstatus:ve mlist:ve morder:e mopen:e mclose:v msleep:e mbuyer:e "
       "mstage1:ve mstage2:e mstage3:e mstage4:e mauto:ve mSpeed:ve mSpeed1:vec mSpeed2:ve "
       "mSpeed3:ve mActive:ve mNoActive:e msave_load:e msave:ve mload:ve mend:v "},
      {"carried-home balloon pending", "frmShop",
       [](GameState& s) { s.PendingAction = shop::code::CarriedHome; }, ""},
      {"open shop while the collapse is told", "frmShop",
       [](GameState& s) { Open(s); s.PendingAction = shop::code::CloseAfterFainting; }, ""},
      {"field, the hero's turn in a battle", "frmField",
       [](GameState& s) { s.PendingAction = 2; s.EventActive = kTrue; },
       "fmstatus:ve fmitem:ve fmescape:ve fmhome: fmauto:v fSpeed:ve fSpeed1:ve fSpeed2:vec "
       "fSpeed3:ve fActive:ve fNoActive:e fmend:ve "},
      {"field with a wagon, walking", "frmField",
       [](GameState& s) { s.WagonHired = kTrue; s.TickInterval = 500; },
       "fmstatus:ve fmitem:ve fmescape:e fmhome:ve fmauto:ve fSpeed:ve fSpeed1:vec fSpeed2:ve "
       "fSpeed3:ve fActive:ve fNoActive:e fmend:ve "},
      {"field with a wagon at the last step", "frmField",
       [](GameState& s) { s.WagonHired = kTrue; s.FieldSteps = 300; },
       "fmstatus:ve fmitem:ve fmescape:e fmhome:v fmauto:ve fSpeed:ve fSpeed1:ve fSpeed2:vec "
       "fSpeed3:ve fActive:ve fNoActive:e fmend:ve "},
      {"field with a command under way", "frmField",
       [](GameState& s) { s.WagonHired = kTrue; s.CommandBusy = kTrue; s.PendingAction = 2; },
       "fmstatus:ve fmitem:ve fmescape:e fmhome:v fmauto:ve fSpeed:ve fSpeed1:ve fSpeed2:vec "
       "fSpeed3:ve fActive:ve fNoActive:e fmend:v "},
      {"castle", "frmArms", [](GameState& s) { s.Destination = 3; s.TownPurchaseCount = 2; },
       "abuy:e ahome:e aActive:ve aNoActive:e aend:ve "},
      {"town with purchases", "frmArms",
       [](GameState& s) { s.Destination = 2; s.TownPurchaseCount = 1; },
       "abuy:ve ahome:ve aActive:ve aNoActive:e aend:ve "},
      {"town once the list is paid for, the end question declined", "frmArms",
       [](GameState& s) { s.Destination = 2; s.TownPurchaseCount = 1; s.MarketDealDone = kTrue; },
       "abuy:e ahome:e aActive:ve aNoActive:e aend:ve "},
      {"town browsing with nothing bought", "frmArms",
       [](GameState& s) { s.Destination = 2; s.PendingAction = 4; s.AlwaysOnTop = kTrue; },
       "abuy:e ahome:ve aActive:e aNoActive:ve aend:ve "},
      {"the ending", "frmArms",
       [](GameState& s) { s.Destination = 3; s.PendingAction = 701; },
       "abuy:e ahome:e aActive:ve aNoActive:e aend:ve "},
  };
  return cases;
}

// Runs where no save file lies, so the closed shop greys its load item.
TEST(SceneMenus, EachSceneShowsGreysAndChecksItsItemsForTheMoment) {
  for (const MenuCase& mc : Cases()) {
    SCOPED_TRACE(mc.name);
    GameState s;
    testing_support::TranscriptDesktop desk;
    ScriptedRandom rnd;
    Scenes c{s, desk, rnd, kSceneList, {}};
    for (const SceneRow* row : kSceneList) ResetMenu(c, *row);
    s.SceneName = mc.scene;
    s.TickInterval = 1000;
    mc.setUp(s);
    Dispatch(c, 2, true);
    if (std::string_view(mc.shown).empty()) {
      EXPECT_TRUE(desk.With("menu").empty());
    } else {
      ASSERT_EQ(desk.With("menu").size(), 1u);
      EXPECT_EQ(Flatten((*desk.LastMenu()).items), mc.shown);
    }
  }
}

TEST(SceneMenus, TheShopMenuKeepsItsStateWhileTheShopLives) {
  GameState s;
  testing_support::TranscriptDesktop desk;
  ScriptedRandom rnd;
  Scenes c{s, desk, rnd, kSceneList, {}};
  ResetMenu(c, *kSceneList.front());
  s.SceneName = "frmShop";
  s.Chapter = 4;
  Dispatch(c, 2, true);
  // A later chapter 1 (a loaded game) leaves the destinations shown as they were.
  s.Chapter = 1;
  Dispatch(c, 2, true);
  EXPECT_TRUE(FindMenuItem((*desk.LastMenu()), "mstage4")->visible);
  ResetMenu(c, *kSceneList.front());
  Dispatch(c, 2, true);
  EXPECT_FALSE(FindMenuItem((*desk.LastMenu()), "mstage4")->visible);
}

TEST(SceneMenus, RightClickEndsAutomaticPlayAndRedrawsAVisitWithThePlainBoard) {
  GameState s;
  testing_support::TranscriptDesktop desk;
  ScriptedRandom rnd;
  Scenes c{s, desk, rnd, kSceneList, {}};
  ResetMenu(c, *kSceneList.front());
  s.SceneName = "frmShop";
  s.ShopOpen = kTrue;
  s.EventActive = kTrue;
  s.AutoMode = kTrue;
  s.ShopSign = 100;
  s.HeroX = 1500;
  s.HeroY = 15690;
  s.VisitorPicture = 60;
  s.VisitorX = 300;
  s.VisitorY = 15690;
  Dispatch(c, 2, true);
  EXPECT_EQ(s.AutoMode, kFalse);
  EXPECT_EQ(desk.With("frame"),
            std::vector<std::string>{
                "frame frmShop 57@1500,15690 60@300,15690 99@1275,15615"});
}

// An item's flags as Flatten writes them: v visible, e enabled, c checked.
std::string FlagsOf(const Menu& menu, std::string_view name) {
  const MenuItem* item = FindMenuItem(menu, name);
  if (item == nullptr) return "missing";
  return std::string(item->visible ? "v" : "") + (item->enabled ? "e" : "") +
         (item->checked ? "c" : "");
}

struct TwoOpenings {
  const char* name;
  std::function<void(GameState&)> first;
  std::function<void(GameState&)> second;  // from the first's state
  const char* item;
  const char* flags;  // the item as the second opening shows it
};

// What one opening of the shop's menu does not decide stays as the opening before left it.
TEST(SceneMenus, TheShopMenuKeepsWhatAnOpeningDoesNotDecide) {
  const std::vector<TwoOpenings> cases = {
      {"the closed shop keeps the speed checks of the open one",
       [](GameState& s) { s.ShopOpen = kTrue; s.TickInterval = 500; },
       [](GameState& s) { s.ShopOpen = kFalse; s.TickInterval = 1500; }, "mSpeed1", "vec"},
      {"the closed shop keeps 閉店 greyed as the open one left it",
       [](GameState& s) { s.ShopOpen = kTrue; s.CommandBusy = kTrue; },
       [](GameState& s) { s.ShopOpen = kFalse; s.CommandBusy = kFalse; }, "mclose", ""},
      {"the open shop keeps the closed shop's greyed commands",
       [](GameState& s) { s.CommandBusy = kTrue; },
       [](GameState& s) { s.ShopOpen = kTrue; s.CommandBusy = kFalse; }, "mopen", ""},
      {"the open shop keeps the load item as the closed shop found it (no record)",
       [](GameState&) {}, [](GameState& s) { s.ShopOpen = kTrue; }, "mload", "v"},
      {"the third chapter keeps the fourth's destination",
       [](GameState& s) { s.Chapter = 4; }, [](GameState& s) { s.Chapter = 3; }, "mstage4", "ve"},
      {"the open shop hides the destinations all the same",
       [](GameState& s) { s.Chapter = 4; }, [](GameState& s) { s.ShopOpen = kTrue; }, "mstage4",
       "e"},
  };
  for (const TwoOpenings& tc : cases) {
    SCOPED_TRACE(tc.name);
    GameState s;
    testing_support::TranscriptDesktop desk;
    ScriptedRandom rnd;
    Scenes c{s, desk, rnd, kSceneList, {}};
    ResetMenu(c, *kSceneList.front());
    s.SceneName = "frmShop";
    s.Chapter = 1;
    s.TickInterval = 1000;
    tc.first(s);
    Dispatch(c, 2, true);
    tc.second(s);
    Dispatch(c, 2, true);
    ASSERT_EQ(desk.With("menu").size(), 2u);
    EXPECT_EQ(FlagsOf(*desk.LastMenu(), tc.item), tc.flags);
  }
}

// Each rule is handed its own state as it stands, and a row without rules stays as loaded.
TEST(SceneMenus, EachRuleSeesItsItemsStateSoFar) {
  static constexpr ItemRule kFlip = [](const GameState&, bool now) { return !now; };
  static constexpr std::array<MenuRow, 2> kRows = {{
      {"flipped", "", "", true, false, nullptr,
       {.visible = kFlip, .enabled = kFlip, .checked = kFlip}},
      {"plain", "", "", false, true, nullptr},
  }};
  GameState s;
  testing_support::TranscriptDesktop desk;
  ScriptedRandom rnd;
  Scenes c{s, desk, rnd, kSceneList, {}};
  SceneRow row = *kSceneList.front();
  row.menu = kRows;
  ResetMenu(c, row);
  const Menu& menu = MenuOf(c, row);
  EXPECT_EQ(FlagsOf(menu, "flipped"), "ve");
  PrepareMenu(c, row);
  EXPECT_EQ(FlagsOf(menu, "flipped"), "c");
  EXPECT_EQ(FlagsOf(menu, "plain"), "ec");
  PrepareMenu(c, row);
  EXPECT_EQ(FlagsOf(menu, "flipped"), "ve");
}

// A name no menu has is a fault of the program in every build, whether it is chosen or prepared.
TEST(SceneMenusDeathTest, AnItemNoMenuHasStopsTheProgramWithItsName) {
  GameState s;
  testing_support::TranscriptDesktop desk;
  ScriptedRandom rnd;
  Scenes c{s, desk, rnd, kSceneList, {}};
  for (const SceneRow* row : kSceneList) ResetMenu(c, *row);
  s.SceneName = "frmShop";
  EXPECT_DEATH(ChooseMenuItem(c, "mnothing"), "no menu has an item named \"mnothing\"");
  // A row the shop's loaded menu lacks.
  static constexpr std::array<MenuRow, 1> kStranger = {{{"fmend", "", "", true, false, nullptr}}};
  SceneRow row = *kSceneList.front();
  row.menu = kStranger;
  EXPECT_DEATH(PrepareMenu(c, row), "no menu has an item named \"fmend\"");
}

}  // namespace
}  // namespace tolmark
