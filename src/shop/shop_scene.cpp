// The shop's row: what the scene layer routes to the shop, and the shop's menu as a table.
#include "shop/shop_scene.h"

#include <array>

#include "art/picture_names.h"
#include "scene/common_commands.h"
#include "scene/dialogue.h"
#include "scene/small_windows.h"
#include "shop/shop_codes.h"
#include "shop/shop_commands.h"
#include "shop/shop_draw.h"
#include "shop/shop_operations.h"
#include "shop/shop_tick.h"
#include "shop/shop_windows.h"

namespace tolmark::shop {
namespace {

// The carried-home balloon clicked away.
void DismissCarriedHome(Scenes& c) {
  c.desk.CloseWindow(Window::frmMessage);
  c.s.PendingAction = code::Idle;
  c.s.EventActive = kFalse;
}

constexpr std::array<CodeRange, 8> kCodes = {{
    {code::VisitBegins, code::TradeLast, BuyANDSell},
    {code::SayRested, code::SleepingLast, Sleeping},
    {code::OfferWagon, code::StockingLast, Stocking},
    {code::ClosingBegins, code::ClosingLast, ShopClose},
    {code::ConfirmRecord, code::RecordLast, SaveORLoad},
    {code::VisitorGreets, code::StoryLast, EventStart},
    kEndConversation,
    {code::CarriedHome, code::CarriedHome, DismissCarriedHome},
}};
static_assert(SortedAndDisjoint(kCodes));

// A customer's trade reads on by itself in automatic play.
constexpr std::array<CodeRange, 1> kAutoTalk = {{{code::VisitBegins, code::TradeLast, nullptr}}};

// The player's own click or key ends automatic play and shows the plain board again.
void ManualAdvance(Scenes& c) {
  GameState& s = c.s;
  s.AutoMode = kFalse;
  s.ShopSign = picture::kCounterBoard;
  if (s.EventActive == kTrue && s.PendingAction != code::CarriedHome && s.ShopOpen == kTrue) {
    DrawShop(c, ShopFrame::WithVisitor);
  }
  c.desk.Focus(Window::frmShop);
}

void AutoKey(Scenes& c) {
  GameState& s = c.s;
  if (s.ShopOpen == kTrue && s.EventActive != kTrue) {
    s.AutoMode = kTrue;
    s.ShopSign = picture::kAutoBoard;  // shown from the next redraw
  }
}

void AutoOn(Scenes& c) {
  GameState& s = c.s;
  if (s.AutoMode == kTrue) return;
  s.AutoMode = kTrue;
  s.ShopSign = picture::kAutoBoard;
  c.desk.Focus(Window::frmShop);
}

// A stopped timer or a walking customer keeps its period; it picks the speed up when next set.
void SpeedChanged(Scenes& c) {
  const int period = c.desk.TimerPeriod(Window::frmShop, Timer::Timer1);
  if (period != 0 && period != kWalkingTickMs) {
    c.desk.SetTimer(Window::frmShop, Timer::Timer1, c.s.TickInterval);
  }
}

// In the shop the merchant speaks from behind his counter, the customer in front of it.
void SayInShop(Scenes& c, Speaker speaker, std::string_view text) {
  Say(c, text, AsFlag(speaker == Speaker::Hero));
}

void End(Scenes& c) {
  c.desk.Focus(Window::frmShop);
  StartExitCommand(c);
}

template <Window W>
void Toggle(Scenes& c) {
  ToggleSmallWindow(c, W);
}

// frmMenu, menu "menu", in menu order: the shop's own items, speed, keeping in front, the records,
// the end.
constexpr std::array<MenuRow, 13> kOwnItems = {{
    {"mitem", "売り物", "", true, false, Toggle<Window::frmShopItem>},
    {"mstatus", "ステータス", "", true, false, Toggle<Window::frmStatus>},
    {"mlist", "武器リスト", "", true, false, Toggle<Window::frmList>},
    {"morder", "注文品", "", true, false, Toggle<Window::frmOrder>},
    {"mopen", "開店", "", true, false, OpenShop},
    {"mclose", "閉店", "", true, false, StartClosing},
    {"msleep", "寝る", "", true, false, StartSleeping},
    {"mbuyer", "仕入れ", "", true, false, nullptr},
    {"mstage1", "トーテム山", "mbuyer", true, false, [](Scenes& c) { StartTrip(c, 1); }},
    {"mstage2", "アーウット", "mbuyer", false, false, [](Scenes& c) { StartTrip(c, 2); }},
    {"mstage3", "モノリス城", "mbuyer", false, false, [](Scenes& c) { StartTrip(c, 3); }},
    {"mstage4", "デモンズ山脈", "mbuyer", false, false, [](Scenes& c) { StartTrip(c, 4); }},
    {"mauto", "自動ON(A)", "", true, false, AutoOn},
}};
constexpr std::array<MenuRow, 3> kRecords = {{
    {"msave_load", "記録", "", true, false, nullptr},
    {"msave", "セーブ", "msave_load", true, false, [](Scenes& c) { StartRecord(c, true); }},
    {"mload", "ロード", "msave_load", true, false, [](Scenes& c) { StartRecord(c, false); }},
}};
constexpr auto kMenu = MenuFrom(kOwnItems, SpeedRows(kShopSpeed), InFrontRows(kShopInFront),
                                kRecords, EndRow(kShopEnd, End));
static_assert(ParentsComeFirst(kMenu));

// In the order a change of money or stock fills them again.
constexpr std::array<SmallWindow, 4> kWindows = {{
    {Window::frmShopItem, &GameState::ItemListOpen, [](Scenes& c) { ShowStockList(c.s, c.desk); },
     true},
    {Window::frmStatus, &GameState::StatusOpen, [](Scenes& c) { ShowStatus(c.s, c.desk); }, true},
    {Window::frmList, &GameState::CollectionListOpen,
     [](Scenes& c) { ShowCollectionList(c.s, c.desk); }, true},
    {Window::frmOrder, &GameState::OrderListOpen, [](Scenes& c) { ShowOrderList(c.s, c.desk); },
     false},
}};

// Setting out on a trip closes them in this order.
constexpr std::array<Window, 4> kClosedOnLeaving = {Window::frmList, Window::frmShopItem,
                                                    Window::frmStatus, Window::frmOrder};
static_assert(ClosesEachOnce(kWindows, kClosedOnLeaving));

constexpr std::array<Window, 8> kRaised = {
    Window::frmShop,   Window::frmMessage, Window::frmYes,  Window::frmNo,
    Window::frmStatus, Window::frmOrder,   Window::frmList, Window::frmShopItem};

}  // namespace

constexpr SceneRow kShopScene = {
    .window = Window::frmShop,
    .name = "frmShop",
    .entryCode = entry::kToShop,
    .menuWindow = Window::frmMenu,
    .menuName = "menu",
    .menu = kMenu,
    .codes = kCodes,
    .autoTalk = kAutoTalk,
    .commands = {},
    .windows = kWindows,
    .closedOnLeaving = kClosedOnLeaving,
    .raised = kRaised,
    .answers = {.yesOffset = 10, .leftEdge = 50, .noOffset = 20, .wagonShifts = false},
    .breach = nullptr,
    .marksNumbers = false,
    .startUp = ShopStartUp,
    .tick = ShopTick,
    .openMenu = OpenShopMenu,
    .manualAdvance = ManualAdvance,
    .autoKey = AutoKey,
    .end = End,
    .speedChanged = SpeedChanged,
    .say = SayInShop,
    .listMouseDown = ShopListMouseDown,
    .windowDoubleClick = ShopWindowDoubleClick,
};

}  // namespace tolmark::shop
