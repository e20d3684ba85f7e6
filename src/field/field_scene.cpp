// The field's row: what the scene layer routes to the road, and the field's menu as a table.
#include "field/field_scene.h"

#include <array>

#include "field/field_codes.h"
#include "field/field_draw.h"
#include "field/field_menu_rules.h"
#include "field/field_operations.h"
#include "field/field_windows.h"
#include "scene/common_commands.h"
#include "scene/dialogue.h"
#include "scene/small_windows.h"

namespace tolmark::field {
namespace {

// The hero's turn and the monster's turn start with the command lock released.
void HeroTurn(Scenes& c) {
  c.s.CommandBusy = kFalse;
  FighterAtack(c);
}

void MonsterTurn(Scenes& c) {
  c.s.CommandBusy = kFalse;
  MonsterAtack(c);
}

constexpr std::array<CodeRange, 15> kCodes = {{
    {code::HeroTurnFirst, code::HeroTurnLast, HeroTurn},
    {code::MonsterTurnFirst, code::MonsterTurnLast, MonsterTurn},
    {code::BattleEndFirst, code::BattleEndLast, BattleEnd},
    {code::ResumeWalking, code::ResumeWalkingLast, ResumeWalking},
    {code::GameOverFirst, code::GameOverLast, GameOver},
    {code::CarriageFirst, code::CarriageLast, CarriageTurn},
    {code::PriestFirst, code::PriestLast, PriestTurn},
    {code::FindFirst, code::FindLast, ItemTurn},
    {code::EscapeFirst, code::EscapeLast, EscapeTurn},
    {code::TravellerFirst, code::TravellerLast, EventTurn},
    {code::CheckpointFirst, code::CheckpointLast, CheckTurn},
    {code::BossFirst, code::BossLast, BossTurn},
    {code::NextStageFirst, code::NextStageLast, MoveNextStage},
    {code::HomeFirst, code::HomeLast, HomeTurn},
    kEndConversation,
}};
static_assert(SortedAndDisjoint(kCodes));

// Battles, finds and travellers read on by themselves in automatic play.
constexpr std::array<CodeRange, 2> kAutoTalk = {
    {{code::HeroTurnFirst, code::FindLast, nullptr},
     {code::TravellerFirst, code::TravellerLast, nullptr}}};

// The player's own click or key ends automatic play.
void ManualAdvance(Scenes& c) {
  c.s.AutoMode = kFalse;
  c.desk.Focus(Window::frmField);
}

// Automatic play may start whenever nobody stands beside the hero.
void AutoKey(Scenes& c) {
  if (c.s.EventActive != kTrue) c.s.AutoMode = kTrue;
}

void AutoOn(Scenes& c) { c.s.AutoMode = kTrue; }

void SpeedChanged(Scenes& c) {
  c.desk.SetTimer(Window::frmField, Timer::Timer1, c.s.TickInterval);
}

void SayOnTheRoad(Scenes& c, Speaker speaker, std::string_view text) {
  SayInField(c, text, AsFlag(speaker == Speaker::Hero));
}

// The window opens or closes, and the road keeps the keys.
template <Window W>
void Toggle(Scenes& c) {
  ToggleSmallWindow(c, W);
}

// What the road allows as its menu opens (field_menu_rules.h).
bool AutoAllowed(const GameState& s, bool /*now*/) { return FieldMenuOnOpen(s).autoEnabled; }
bool EscapeShown(const GameState& s, bool /*now*/) { return FieldMenuOnOpen(s).escapeVisible; }
bool HomeShown(const GameState& s, bool /*now*/) { return FieldMenuOnOpen(s).homeVisible; }
bool HomeAllowed(const GameState& s, bool /*now*/) { return FieldMenuOnOpen(s).homeEnabled; }
bool EndAllowed(const GameState& s, bool /*now*/) { return FieldMenuOnOpen(s).endEnabled; }

// frmFMenu, menu "fmenu", in menu order: the road's own items, speed, keeping in front, the end.
constexpr std::array<MenuRow, 5> kOwnItems = {{
    {"fmstatus", "ステータス", "", true, false, Toggle<Window::frmFStatus>},
    {"fmitem", "手荷物", "", true, false, Toggle<Window::frmFItem>},
    {"fmescape", "逃げる", "", false, false, EscapeCommand, {.visible = EscapeShown}},
    {"fmhome", "店に帰る", "", false, false, GoHomeCommand,
     {.visible = HomeShown, .enabled = HomeAllowed}},
    {"fmauto", "自動ON(A)", "", true, false, AutoOn, {.enabled = AutoAllowed}},
}};
constexpr auto kMenu = MenuFrom(kOwnItems, SpeedRows(kFieldSpeed), InFrontRows(kFieldInFront),
                                EndRow(kFieldEnd, StartExitCommand, {.enabled = EndAllowed}));
static_assert(ParentsComeFirst(kMenu));

// In the order a change of money, HP or bag fills them again.
constexpr std::array<SmallWindow, 2> kWindows = {{
    {Window::frmFItem, &GameState::ItemListOpen, LoadFieldItemWindow, true},
    {Window::frmFStatus, &GameState::StatusOpen, LoadFieldStatusWindow, true},
}};

constexpr std::array<Window, 2> kClosedOnLeaving = {Window::frmFItem, Window::frmFStatus};
static_assert(ClosesEachOnce(kWindows, kClosedOnLeaving));

constexpr std::array<Window, 6> kRaised = {Window::frmField,   Window::frmMessage,
                                           Window::frmYes,     Window::frmNo,
                                           Window::frmFStatus, Window::frmFItem};

}  // namespace

constexpr SceneRow kFieldScene = {
    .window = Window::frmField,
    .name = "frmField",
    .entryCode = entry::kToField,
    .menuWindow = Window::frmFMenu,
    .menuName = "fmenu",
    .menu = kMenu,
    .codes = kCodes,
    .autoTalk = kAutoTalk,
    .commands = {},
    .windows = kWindows,
    .closedOnLeaving = kClosedOnLeaving,
    .raised = kRaised,
    .answers = {.yesOffset = 17, .leftEdge = 55, .noOffset = 27, .wagonShifts = true},
    .breach = nullptr,
    .marksNumbers = true,
    .startUp = FieldStartUp,
    .tick = FieldTick,
    .openMenu = OpenFieldMenu,
    .manualAdvance = ManualAdvance,
    .autoKey = AutoKey,
    .end = StartExitCommand,
    .speedChanged = SpeedChanged,
    .say = SayOnTheRoad,
    .listMouseDown = FieldListMouseDown,
    .windowDoubleClick = FieldWindowDoubleClick,
};

}  // namespace tolmark::field
