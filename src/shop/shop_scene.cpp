// The shop's row: what the scene layer routes to the shop, and the shop's menu as a table.
#include "shop/shop_scene.h"

#include <array>

#include "art/picture_names.h"
#include "save/save_file.h"
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

// What the shop's menu shows as it opens. The open shop trades; the closed shop opens, sleeps,
// stocks up and keeps its records. What an opening does not decide stays as the last one left it
// (the menu lives as long as the shop window): a hidden command keeps whether it was greyed, the
// hidden speed submenu its checks, and a destination its place in a chapter before its own.
bool IsOpen(const GameState& s) { return s.ShopOpen == kTrue; }
bool Busy(const GameState& s) { return s.CommandBusy == kTrue; }

bool WhileOpen(const GameState& s, bool /*now*/) { return IsOpen(s); }
bool WhileClosed(const GameState& s, bool /*now*/) { return !IsOpen(s); }
bool Free(const GameState& s, bool /*now*/) { return !Busy(s); }
// A command waits for the one under way, decided only where the shop offers it.
bool FreeWhileOpen(const GameState& s, bool now) { return IsOpen(s) ? !Busy(s) : now; }
bool FreeWhileClosed(const GameState& s, bool now) { return IsOpen(s) ? now : !Busy(s); }
// Automatic play is for the open shop between visits; a closed shop's command also holds it.
bool AutoAllowed(const GameState& s, bool /*now*/) {
  return s.EventActive != kTrue && (IsOpen(s) || !Busy(s));
}
// A destination is shown in the closed shop from the chapter that reaches it; a chapter before
// leaves it as it was (hidden since the menu was loaded, unless a later chapter showed it before
// an earlier game was loaded).
template <int Chapter>
bool DestinationShown(const GameState& s, bool now) {
  if (IsOpen(s)) return false;
  if (s.Chapter >= Chapter && s.Chapter <= 4) return true;
  return now;
}
// The order list (注文品) is shown in the closed shop of chapters 3 and 4.
bool OrdersShown(const GameState& s, bool /*now*/) {
  return !IsOpen(s) && (s.Chapter == 3 || s.Chapter == 4);
}
// ロード needs a record to load; the open shop leaves it as it was.
bool LoadAllowed(const GameState& s, bool now) { return IsOpen(s) ? now : SaveFileExists(); }

constexpr ItemRules kClosedCommand{.visible = WhileClosed, .enabled = FreeWhileClosed};

// frmMenu, menu "menu", in menu order: the shop's own items, speed, keeping in front, the records,
// the end.
constexpr std::array<MenuRow, 13> kOwnItems = {{
    {"mitem", "売り物", "", true, false, Toggle<Window::frmShopItem>},
    {"mstatus", "ステータス", "", true, false, Toggle<Window::frmStatus>},
    {"mlist", "武器リスト", "", true, false, Toggle<Window::frmList>},
    {"morder", "注文品", "", true, false, Toggle<Window::frmOrder>,
     {.visible = OrdersShown}},
    {"mopen", "開店", "", true, false, OpenShop, kClosedCommand},
    {"mclose", "閉店", "", true, false, StartClosing,
     {.visible = WhileOpen, .enabled = FreeWhileOpen}},
    {"msleep", "寝る", "", true, false, StartSleeping, kClosedCommand},
    {"mbuyer", "仕入れ", "", true, false, nullptr, kClosedCommand},
    {"mstage1", "トーテム山", "mbuyer", true, false, [](Scenes& c) { StartTrip(c, 1); }},
    {"mstage2", "アーウット", "mbuyer", false, false, [](Scenes& c) { StartTrip(c, 2); },
     {.visible = DestinationShown<2>}},
    {"mstage3", "モノリス城", "mbuyer", false, false, [](Scenes& c) { StartTrip(c, 3); },
     {.visible = DestinationShown<3>}},
    {"mstage4", "デモンズ山脈", "mbuyer", false, false, [](Scenes& c) { StartTrip(c, 4); },
     {.visible = DestinationShown<4>}},
    {"mauto", "自動ON(A)", "", true, false, AutoOn,
     {.visible = WhileOpen, .enabled = AutoAllowed}},
}};
constexpr std::array<MenuRow, 3> kRecords = {{
    {"msave_load", "記録", "", true, false, nullptr, kClosedCommand},
    {"msave", "セーブ", "msave_load", true, false, [](Scenes& c) { StartRecord(c, true); }},
    {"mload", "ロード", "msave_load", true, false, [](Scenes& c) { StartRecord(c, false); },
     {.enabled = LoadAllowed}},
}};
// The speed is offered only while the shop is open.
constexpr auto kMenu = MenuFrom(kOwnItems, SpeedRows<IsOpen>(kShopSpeed),
                                InFrontRows(kShopInFront), kRecords,
                                EndRow(kShopEnd, End, {.enabled = Free}));
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
