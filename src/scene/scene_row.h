// A scene as one row: what the middle layer needs to know of the shop, the field or the town
// to route clicks, keys, ticks, menus and hand-overs to it, without naming it.
#pragma once

#include <algorithm>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "model/game_state.h"
#include "model/window.h"
#include "scene/lines.h"

namespace tolmark {

struct Scenes;

// One step of a scene: looks at the state, does its part and returns.
using SceneStep = void (*)(Scenes&);

// A run of step codes and the operation that continues the conversation there.
struct CodeRange {
  std::int32_t low;
  std::int32_t high;
  SceneStep step;
};

// What decides one state of a menu item (shown, enabled or checked) as its menu opens: the game
// state of the moment, and the state the item has so far. Most items are decided afresh; an item
// that keeps what an earlier opening gave it in some situation returns `now` there.
using ItemRule = bool (*)(const GameState& s, bool now);

// An item's states as its menu opens. A null rule leaves that state as the menu was loaded.
struct ItemRules {
  ItemRule visible = nullptr;
  ItemRule enabled = nullptr;
  ItemRule checked = nullptr;
};

// An item of a scene's pop-up menu, in menu order; choosing it runs its action. A submenu's
// title has no action of its own.
struct MenuRow {
  std::string_view name;
  std::string_view caption;
  std::string_view parent;  // the submenu holding the item; empty for a top-level item
  bool visible;             // as the menu is loaded; every item loads enabled
  bool checked;
  SceneStep action;
  ItemRules onOpen{};
};

// One of the small information windows a scene opens from its menu.
struct SmallWindow {
  Window window;
  Flag GameState::*openFlag;  // null: the window has no flag and is always re-filled
  SceneStep show;             // opens it (or fills it again) at its place and sets its flag
  bool refilled;              // whether a change of money, stock or bag fills it again
};

// Where the answer balloons stand beside the hero, in pixels.
struct AnswerPlacement {
  int yesOffset;       // from HeroX
  int leftEdge;        // a yes balloon further left opens to the right, higher up
  int noOffset;        // from HeroX
  bool wagonShifts;    // a hired wagon moves both 18 px to the right
};

struct SceneRow {
  Window window;               // the scene window
  std::string_view name;       // SceneName while it is on screen
  std::int16_t entryCode;      // the SceneEntry that hands over to this scene
  Window menuWindow;
  std::string_view menuName;
  std::span<const MenuRow> menu;
  std::span<const CodeRange> codes;     // what an advance runs, by step code
  std::span<const CodeRange> autoTalk;  // codes at which automatic play reads on by itself
  std::span<const CodeRange> commands;  // codes at which a menu command holds the command lock
  std::span<const SmallWindow> windows;  // in the order a change fills them again
  std::span<const Window> closedOnLeaving;  // the small windows, in the order a hand-over closes them
  std::span<const Window> raised;       // what the watchdog brings to the front, in order
  AnswerPlacement answers;
  // The scene's own rule, which must hold whenever one of its small windows is shown (the soak
  // checks it after every input): the breach described, or none. May be null.
  std::optional<std::string> (*breach)(const GameState& s);
  // HP and Gold may stand at -1 here: the mark a find leaves for the next click to settle.
  bool marksNumbers;

  SceneStep startUp;        // the scene window's start-up
  SceneStep tick;           // Timer1; automatic play also calls it from a balloon
  SceneStep openMenu;       // a right click: its side effects, then PopUpMenu (src/scene/menus.h)
  SceneStep manualAdvance;  // the player's own click or key, before the advance; may be null
  SceneStep autoKey;        // the A key; may be null
  SceneStep end;            // the end command, the menu's 終了, asked from outside the menu too
  SceneStep speedChanged;   // a new speed was chosen; may be null
  void (*say)(Scenes& c, Speaker speaker, std::string_view text);  // a line, in the scene's voice
  void (*listMouseDown)(Scenes& c, Window window, int row, int button);  // row 1-based
  void (*windowDoubleClick)(Scenes& c, Window window);
};

// The operation whose range holds code, or null.
constexpr SceneStep StepFor(std::span<const CodeRange> ranges, std::int32_t code) {
  for (const CodeRange& r : ranges) {
    if (code >= r.low && code <= r.high) return r.step;
  }
  return nullptr;
}

// Whether any of the ranges holds code.
constexpr bool Covers(std::span<const CodeRange> ranges, std::int32_t code) {
  for (const CodeRange& r : ranges) {
    if (code >= r.low && code <= r.high) return true;
  }
  return false;
}

// Ranges must be listed in order and must not overlap: checked where each scene is defined.
constexpr bool SortedAndDisjoint(std::span<const CodeRange> ranges) {
  for (std::size_t i = 0; i < ranges.size(); ++i) {
    if (ranges[i].low > ranges[i].high) return false;
    if (i > 0 && ranges[i - 1].high >= ranges[i].low) return false;
  }
  return true;
}

// A hand-over closes every small window of the scene, each once: checked where each scene is
// defined.
constexpr bool ClosesEachOnce(std::span<const SmallWindow> windows,
                              std::span<const Window> closed) {
  if (windows.size() != closed.size()) return false;
  return std::all_of(windows.begin(), windows.end(), [&](const SmallWindow& w) {
    return std::count(closed.begin(), closed.end(), w.window) == 1;
  });
}

// Every submenu named as a parent stands before its items: checked where each menu is defined.
constexpr bool ParentsComeFirst(std::span<const MenuRow> rows) {
  for (std::size_t i = 0; i < rows.size(); ++i) {
    if (rows[i].parent.empty()) continue;
    const auto before = rows.first(i);
    if (std::none_of(before.begin(), before.end(),
                     [&](const MenuRow& r) { return r.name == rows[i].parent; })) {
      return false;
    }
  }
  return true;
}

}  // namespace tolmark
