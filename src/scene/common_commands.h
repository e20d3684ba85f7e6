// The commands every scene shares: speed, always in front, automatic play, ending the game.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <string_view>

#include "scene/scenes.h"
#include "scene/step_codes.h"
#include "scene/step_rows.h"

namespace tolmark {

// choice 1 fast, 2 normal, 3 slow, 0 the next one in the cycle slow -> normal -> fast -> slow.
void SetSpeed(Scenes& c, int choice);

// force -1 switches the option on; force 0 toggles it.
void SetAlwaysOnTop(Scenes& c, Flag force);

// The speed and always-in-front items every scene's menu carries.
void SpeedFast(Scenes& c);
void SpeedNormal(Scenes& c);
void SpeedSlow(Scenes& c);
void AlwaysOnTopOn(Scenes& c);
void AlwaysOnTopOff(Scenes& c);

// The end item of any scene's menu: the step code is put aside and the question starts.
void StartExitCommand(Scenes& c);

// The end conversation, code::SayEndQuestion to code::EndAnswered.
void ExitCommand(Scenes& c);

// The step codes of the end conversation, as every scene routes them.
inline constexpr CodeRange kEndConversation{code::EndConversationFirst, code::EndConversationLast,
                                             ExitCommand};

// The menu rows every scene may carry, declared here once; each scene names them in its menu.
struct SpeedItems {
  std::string_view menu;  // the submenu 速度(S)
  std::string_view fast;
  std::string_view normal;
  std::string_view slow;
};
struct InFrontItems {
  std::string_view on;   // 常に手前に表示(T)
  std::string_view off;  // 常に手前を解除(T)
};

// A test of the game state alone: whether a scene shows something at the moment.
using StateTest = bool (*)(const GameState& s);

// Whether the speed of that choice (1 fast, 2 normal, 3 slow) is the one in force.
bool SpeedInForce(const GameState& s, int choice);

// The shared items as their menu opens: the speed in force checked while the speed submenu is
// shown (Shown holds, or Shown is null: always; hidden, it keeps the checks it had); of the
// always-in-front pair only the item that changes the option shown.
template <StateTest Shown>
bool SpeedMenuShown(const GameState& s, bool /*now*/) {
  return Shown(s);
}
template <StateTest Shown, int Choice>
bool SpeedChecked(const GameState& s, bool now) {
  if constexpr (Shown != nullptr) {
    if (!Shown(s)) return now;
  }
  return SpeedInForce(s, Choice);
}
bool AlwaysOnTopOnShown(const GameState& s, bool now);
bool AlwaysOnTopOffShown(const GameState& s, bool now);

// The speed submenu; a scene that shows it only at times names its test.
template <StateTest Shown = nullptr>
constexpr std::array<MenuRow, 4> SpeedRows(SpeedItems n) {
  ItemRules submenu{};
  if constexpr (Shown != nullptr) submenu.visible = SpeedMenuShown<Shown>;
  return {{
      {n.menu, "速度(S)", "", true, false, nullptr, submenu},
      {n.fast, "速い", n.menu, true, false, SpeedFast, {.checked = SpeedChecked<Shown, 1>}},
      {n.normal, "普通", n.menu, true, true, SpeedNormal, {.checked = SpeedChecked<Shown, 2>}},
      {n.slow, "遅い", n.menu, true, false, SpeedSlow, {.checked = SpeedChecked<Shown, 3>}},
  }};
}

constexpr std::array<MenuRow, 2> InFrontRows(InFrontItems n) {
  return {{
      {n.on, "常に手前に表示(T)", "", true, false, AlwaysOnTopOn, {.visible = AlwaysOnTopOnShown}},
      {n.off, "常に手前を解除(T)", "", true, false, AlwaysOnTopOff,
       {.visible = AlwaysOnTopOffShown}},
  }};
}

// The end item; a scene may give it an end command of its own and say when it is enabled.
constexpr std::array<MenuRow, 1> EndRow(std::string_view name, SceneStep end = StartExitCommand,
                                        ItemRules onOpen = {}) {
  return {{{name, "終了", "", true, false, end, onOpen}}};
}

// A scene's menu from its parts, in menu order.
template <std::size_t... N>
constexpr std::array<MenuRow, (N + ...)> MenuFrom(const std::array<MenuRow, N>&... parts) {
  return Joined(parts...);
}

}  // namespace tolmark
