// The town's row: what the scene layer routes to the town or castle, and its menu as a table.
#include "town/town_scene.h"

#include <array>

#include "model/numbers.h"
#include "scene/common_commands.h"
#include "scene/dialogue.h"
#include "scene/menus.h"
#include "town/arms_operations.h"
#include "town/market_lists.h"
#include "town/town_codes.h"
#include "town/town_windows.h"

namespace tolmark::town {
namespace {

constexpr std::array<CodeRange, 5> kCodes = {{
    {code::CounterFirst, code::CounterLast, CounterTurn},
    {code::BuyFirst, code::BuyLast, BuyArms},
    {code::GoHomeFirst, code::GoHomeLast, GoHome},
    {code::EndingFirst, code::EndingLast, EndingTurn},
    kEndConversation,
}};
static_assert(SortedAndDisjoint(kCodes));

// Buying and leaving the market hold the command lock from the menu's choice to the walk out.
constexpr std::array<CodeRange, 1> kCommands = {{{code::BuyFirst, code::GoHomeLast, nullptr}}};

// In the town and at the castle the dealer or the king stands behind the counter, the hero in
// front of it.
void SayAtCounter(Scenes& c, Speaker speaker, std::string_view text) {
  Say(c, text, AsFlag(speaker == Speaker::Visitor));
}

// Whether the visit still sells as the menu opens: not at the castle, nor once the list is paid
// for or leaving is agreed, nor in the ending.
bool VisitSells(const GameState& s) {
  return s.Destination != destination::kCastle && s.MarketDealDone != kTrue &&
         !InRange(s.PendingAction, code::EndingFirst, code::EndingLast);
}
// 買う once something is on the list, 帰る also while browsing; neither during a command.
bool BuyShown(const GameState& s, bool /*now*/) {
  return VisitSells(s) && s.TownPurchaseCount >= 1 && s.CommandBusy != kTrue;
}
bool HomeShown(const GameState& s, bool /*now*/) {
  return VisitSells(s) && (s.TownPurchaseCount >= 1 || s.PendingAction == code::Browsing) &&
         s.CommandBusy != kTrue;
}

// frmAMenu, menu "amenu", in menu order: buying and going home, keeping in front, the end.
constexpr std::array<MenuRow, 2> kOwnItems = {{
    {"abuy", "買う", "", true, false, BuyCommand, {.visible = BuyShown}},
    {"ahome", "帰る", "", true, false, GoHomeCommand, {.visible = HomeShown}},
}};
constexpr auto kMenu = MenuFrom(kOwnItems, InFrontRows(kTownInFront), EndRow(kTownEnd));
static_assert(ParentsComeFirst(kMenu));

// Both lists are filled again on every change, whether shown or not.
constexpr std::array<SmallWindow, 2> kWindows = {{
    {Window::frmASell, nullptr, LoadArmsSellWindow, true},
    {Window::frmABuy, nullptr, LoadArmsBuyWindow, true},
}};

// Leaving for the road takes the shopping list down first, then the goods.
constexpr std::array<Window, 2> kClosedOnLeaving = {Window::frmABuy, Window::frmASell};
static_assert(ClosesEachOnce(kWindows, kClosedOnLeaving));

constexpr std::array<Window, 6> kRaised = {Window::frmArms, Window::frmMessage,
                                           Window::frmYes,  Window::frmNo,
                                           Window::frmASell, Window::frmABuy};

}  // namespace

// The town and castle keep automatic play as it is: a click of the player's changes nothing
// there, no balloon reads on by itself, and the speed does not reach the walking tick.
constexpr SceneRow kTownScene = {
    .window = Window::frmArms,
    .name = "frmArms",
    .entryCode = entry::kToTown,
    .menuWindow = Window::frmAMenu,
    .menuName = "amenu",
    .menu = kMenu,
    .codes = kCodes,
    .autoTalk = {},
    .commands = kCommands,
    .windows = kWindows,
    .closedOnLeaving = kClosedOnLeaving,
    .raised = kRaised,
    .answers = {.yesOffset = 17, .leftEdge = 55, .noOffset = 27, .wagonShifts = false},
    .breach = MarketLedgerBreach,
    .marksNumbers = false,
    .startUp = ArmsStartUp,
    .tick = ArmsTick,
    .openMenu = PopUpMenu,
    .manualAdvance = nullptr,
    .autoKey = nullptr,
    .end = StartExitCommand,
    .speedChanged = nullptr,
    .say = SayAtCounter,
    .listMouseDown = TownListMouseDown,
    .windowDoubleClick = TownWindowDoubleClick,
};

}  // namespace tolmark::town
