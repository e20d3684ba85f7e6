// A fourth scene, defined only here: the merchant's cellar, where he counts his coins. It has a
// window, a menu, a small window and step codes of its own, and it is played through the game
// object like the shop, the road and the town: clicks and keys dispatched by code, its menu
// built, popped up and chosen from, the watchdog raising its windows, and hand-overs to and from
// the shop. Nothing in the middle layer knows it; if this test needs a change there, the scene
// row is no longer the whole contract.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>

#include "art/picture_names.h"
#include "field/field_scene.h"
#include "game/game.h"
#include "model/random.h"
#include "new_game.h"
#include "scene/common_commands.h"
#include "scene/dialogue.h"
#include "scene/keys.h"
#include "scene/menus.h"
#include "scene/outcome.h"
#include "scene/small_windows.h"
#include "scene/startup.h"
#include "shop/shop_scene.h"
#include "town/town_scene.h"
#include "transcript_desktop.h"

namespace tolmark {
namespace {

namespace cellar {

constexpr Window kCellar = WindowAfterTheGames(0);
constexpr Window kCellarMenu = WindowAfterTheGames(1);
constexpr Window kLedger = WindowAfterTheGames(2);
constexpr std::int16_t kToCellar = 8;

namespace code {
using namespace tolmark::code;
inline constexpr std::int32_t CountCoins = 1;
inline constexpr std::int32_t CoinsCounted = 2;
inline constexpr std::int32_t CountingLast = 9;
}  // namespace code

constexpr std::string_view kCounting = "一枚、二枚……";
constexpr std::string_view kCounted = "よし、全部ある";

extern const SceneRow kCellarScene;

void DrawCellar(Scenes& c) {
  c.desk.BeginScene(kCellar, 0);
  c.desk.DrawPicture(kCellar, picture::kShopHero, c.s.HeroX, c.s.HeroY);
  c.desk.ShowScene(kCellar);
}

// The first scene of the program, or entered from the shop.
void CellarStartUp(Scenes& c) {
  ShowSceneWindow(c, kCellarScene);
  c.s.HeroX = c.PxX(100);
  c.s.HeroY = c.desk.WorkAreaHeight() - c.PxY(60);
  DrawCellar(c);
  c.s.PendingAction = code::CountCoins;
}

void CountTurn(Scenes& c) {
  switch (c.s.PendingAction) {
    case code::CountCoins:
      Perform(c, Says(Speaker::Hero, std::string(kCounting), code::CoinsCounted));
      return;
    case code::CoinsCounted:
      Perform(c, Says(Speaker::Hero, std::string(kCounted), code::Idle));
      return;
    default: return;
  }
}

void ShowLedger(Scenes& c) {
  c.desk.ShowLabels(kLedger, {c.PxX(10), c.PxY(10), c.PxX(120), c.PxY(40)},
                    {{{"所持金", std::to_string(c.s.Gold)}}});
}

void ToggleLedger(Scenes& c) { ToggleSmallWindow(c, kLedger); }

// Up the stairs: the cellar's windows go and the shop opens as after a trip.
void GoUpToShop(Scenes& c) {
  c.s.SceneEntry = entry::kToShop;
  CloseSmallWindows(c, kCellarScene);
  CloseSceneWindow(c, kCellar);
  StartEnteredScene(c);
}

constexpr InFrontItems kInFront = {"cTopOn", "cTopOff"};

void CellarTick(Scenes&) {}
void SayInCellar(Scenes& c, Speaker, std::string_view text) { Say(c, text, kFalse); }
void NoListClicks(Scenes&, Window, int, int) {}
void NoDoubleClicks(Scenes&, Window) {}

constexpr std::array<MenuRow, 2> kOwnItems = {{
    {"cLedger", "帳簿", "", true, false, ToggleLedger},
    {"cUp", "店に上がる", "", true, false, GoUpToShop},
}};
constexpr auto kMenu = MenuFrom(kOwnItems, InFrontRows(kInFront), EndRow("cEnd"));

constexpr std::array<CodeRange, 2> kCodes = {{
    {code::CountCoins, code::CountingLast, CountTurn},
    kEndConversation,
}};
constexpr std::array<SmallWindow, 1> kWindows = {{{kLedger, nullptr, ShowLedger, true}}};
constexpr std::array<Window, 1> kClosedOnLeaving = {kLedger};
constexpr std::array<Window, 3> kRaised = {kCellar, Window::frmMessage, kLedger};

constexpr SceneRow kCellarScene = {
    .window = kCellar,
    .name = "cellar",
    .entryCode = kToCellar,
    .menuWindow = kCellarMenu,
    .menuName = "cmenu",
    .menu = kMenu,
    .codes = kCodes,
    .autoTalk = {},
    .commands = {},
    .windows = kWindows,
    .closedOnLeaving = kClosedOnLeaving,
    .raised = kRaised,
    .answers = {.yesOffset = 17, .leftEdge = 55, .noOffset = 27, .wagonShifts = false},
    .breach = nullptr,
    .marksNumbers = false,
    .startUp = CellarStartUp,
    .tick = CellarTick,
    .openMenu = PopUpMenu,
    .manualAdvance = nullptr,
    .autoKey = nullptr,
    .end = StartExitCommand,
    .speedChanged = nullptr,
    .say = SayInCellar,
    .listMouseDown = NoListClicks,
    .windowDoubleClick = NoDoubleClicks,
};
static_assert(SortedAndDisjoint(kCodes) && ParentsComeFirst(kMenu) &&
              ClosesEachOnce(kWindows, kClosedOnLeaving));

}  // namespace cellar

using cellar::kCellar;
using cellar::kLedger;

constexpr std::array<const SceneRow*, 4> kFourScenes = {&cellar::kCellarScene, &shop::kShopScene,
                                                        &field::kFieldScene, &town::kTownScene};

struct CellarGame : ::testing::Test {
  testing_support::TranscriptDesktop desk;
  ScriptedRandom rnd;
  Game game{desk, rnd, kFourScenes};
  GameState& s = game.State();

  CellarGame() {
    s = testing_support::NewGame();
    game.Start();
  }
  bool Said(std::string_view text) const {
    const auto talk = desk.With("talk frmMessage");
    return std::any_of(talk.begin(), talk.end(), [&](const std::string& line) {
      return line.find(text) != std::string::npos;
    });
  }
};

TEST_F(CellarGame, ClicksAndKeysAdvanceItsOwnCodes) {
  EXPECT_EQ(s.SceneName, "cellar");
  EXPECT_TRUE(desk.IsOpen(kCellar));

  game.MouseDown(kCellar, 1);
  EXPECT_TRUE(Said(cellar::kCounting));
  EXPECT_EQ(s.PendingAction, cellar::code::CoinsCounted);

  game.KeyDown(kCellar, kKeyEnter);
  EXPECT_TRUE(Said(cellar::kCounted));
  EXPECT_EQ(s.PendingAction, cellar::code::Idle);
}

TEST_F(CellarGame, ItsMenuIsBuiltPoppedUpAndChosenFrom) {
  game.MouseDown(kCellar, 2);
  // Its own items, then the shared keep-in-front pair (only the one that changes the option
  // shown) and the end.
  EXPECT_EQ(desk.With("menu cmenu"),
            (std::vector<std::string>{"menu cmenu cLedger:ve cUp:ve cTopOn:ve cTopOff:e cEnd:ve"}));

  game.MenuChosen("cLedger");
  EXPECT_TRUE(desk.IsOpen(kLedger));

  // The end item asks the end question, as in every scene.
  game.MenuChosen("cEnd");
  EXPECT_TRUE(code::EndQuestionOpen(s.PendingAction));
}

TEST_F(CellarGame, TheWatchdogRaisesItsWindowsWhenAnotherProgramHasTheFocus) {
  game.MenuChosen("cLedger");
  game.MenuChosen("cTopOn");
  EXPECT_EQ(s.AlwaysOnTop, kTrue);
  EXPECT_GT(desk.TimerPeriod(kCellar, Timer::Timer2), 0);

  desk.Clear();
  desk.SetForegroundCaption("xterm");
  game.TimerTick(kCellar, Timer::Timer2);
  const auto raised = desk.With("front");
  EXPECT_EQ(raised, (std::vector<std::string>{"front window17", "front window19"}));
}

TEST_F(CellarGame, HandsOverToTheShopAndIsEnteredAgain) {
  game.MenuChosen("cLedger");
  game.MenuChosen("cUp");
  EXPECT_FALSE(desk.IsOpen(kCellar));
  EXPECT_FALSE(desk.IsOpen(kLedger));
  EXPECT_TRUE(desk.IsOpen(Window::frmShop));
  EXPECT_EQ(s.SceneName, "frmShop");

  // Clicks on the shop go to the shop's codes now; the cellar's window is gone.
  game.MouseDown(Window::frmShop, 2);
  EXPECT_EQ(desk.With("menu cmenu").size(), 0u);
  EXPECT_EQ(desk.With("menu menu ").size(), 1u);

  Scenes& c = game.Context();
  CloseSceneWindow(c, Window::frmShop);
  s.SceneEntry = cellar::kToCellar;
  StartEnteredScene(c);
  EXPECT_TRUE(desk.IsOpen(kCellar));
  EXPECT_EQ(s.SceneName, "cellar");
  EXPECT_EQ(s.PendingAction, cellar::code::CountCoins);
}

}  // namespace
}  // namespace tolmark
