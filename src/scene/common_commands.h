// The commands every scene shares: speed, always in front, automatic play, ending the game.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <string_view>

#include "scene/scenes.h"
#include "scene/step_codes.h"

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

constexpr std::array<MenuRow, 4> SpeedRows(SpeedItems n) {
  return {{{n.menu, "速度(S)", "", true, false, nullptr},
           {n.fast, "速い", n.menu, true, false, SpeedFast},
           {n.normal, "普通", n.menu, true, true, SpeedNormal},
           {n.slow, "遅い", n.menu, true, false, SpeedSlow}}};
}

constexpr std::array<MenuRow, 2> InFrontRows(InFrontItems n) {
  return {{{n.on, "常に手前に表示(T)", "", true, false, AlwaysOnTopOn},
           {n.off, "常に手前を解除(T)", "", true, false, AlwaysOnTopOff}}};
}

// The end item; a scene may give it an end command of its own.
constexpr std::array<MenuRow, 1> EndRow(std::string_view name, SceneStep end = StartExitCommand) {
  return {{{name, "終了", "", true, false, end}}};
}

// A scene's menu from its parts, in menu order.
template <std::size_t... N>
constexpr std::array<MenuRow, (N + ...)> MenuFrom(const std::array<MenuRow, N>&... parts) {
  std::array<MenuRow, (N + ...)> rows{};
  std::size_t i = 0;
  ((std::copy(parts.begin(), parts.end(), rows.begin() + static_cast<std::ptrdiff_t>(i)),
    i += N),
   ...);
  return rows;
}

// The speed in force checked among the speed items; of the always-in-front pair only the item
// that changes the option shown.
void CheckSpeedItem(Menu& menu, SpeedItems items, std::int16_t tickInterval);
void ShowAlwaysOnTopItems(Menu& menu, InFrontItems items, Flag option);

}  // namespace tolmark
