// The game's windows by name: three scenes, three balloons, three menus and the small list windows.
#pragma once

#include <algorithm>
#include <array>
#include <optional>
#include <string_view>

namespace tolmark {

enum class Window {
  frmShop,
  frmField,
  frmArms,
  frmMessage,
  frmYes,
  frmNo,
  frmMenu,
  frmFMenu,
  frmAMenu,
  frmShopItem,
  frmStatus,
  frmList,
  frmOrder,
  frmFStatus,
  frmFItem,
  frmABuy,
  frmASell,
};

inline constexpr int kWindowCount = 17;
static_assert(static_cast<int>(Window::frmASell) + 1 == kWindowCount, "a window without a name");

// A scene defined outside the game (a test's own) numbers its windows after the game's, below
// kWindowLimit: the in-memory desktop keeps room for them, and their names are "window17" and on.
inline constexpr int kWindowLimit = 32;
constexpr Window WindowAfterTheGames(int n) { return static_cast<Window>(kWindowCount + n); }

// The window's name as the game and its transcripts write it ("frmShop", ...).
std::string_view WindowName(Window w);
std::optional<Window> WindowFromName(std::string_view name);

constexpr bool IsBalloonWindow(Window w) {
  return w == Window::frmMessage || w == Window::frmYes || w == Window::frmNo;
}

// Every window of the game carries this caption; the watchdog tells its own windows by it.
inline constexpr std::string_view kGameCaption = "+++ Tolmark2 +++";

}  // namespace tolmark
