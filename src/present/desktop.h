// What the game asks of the screen: the one interface between the core and a desktop back end.
//
// The core decides everything the player sees and hands the back end finished pictures, texts,
// rows and menu states; a back end only draws and reports input. All positions and sizes are in
// screen units (TwipsPerPixelX/Y units to a pixel, 15 on a 96 dpi display).
#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "model/window.h"

namespace tolmark {

enum class Timer { Timer1, Timer2 };

// Input the desktop delivers to the game, on the game thread: from its event loop while the
// game is idle, or from inside Pump().
class DesktopEvents {
 public:
  virtual ~DesktopEvents() = default;
  // Button 1 left, 2 right, 3 middle; on a scene window or frmMessage. A press on frmYes or
  // frmNo is the answer to the open prompt.
  virtual void MouseDown(Window window, int button) = 0;
  // A virtual key code (65 A, 71 G, 78 N, 83 S, 84 T, 89 Y, 13 Enter, 93 menu key) pressed
  // while a scene window has the focus.
  virtual void KeyDown(Window window, int keyCode) = 0;
  virtual void TimerTick(Window scene, Timer timer) = 0;
  // An item of the pop-up menu last shown was chosen, by its name ("mopen", "mSpeed1", ...).
  virtual void MenuChosen(std::string_view item) = 0;
  // Mouse down on a list window: row is 1-based, 0 when no row is under the pointer.
  virtual void ListMouseDown(Window window, int row, int button) = 0;
  virtual void DoubleClick(Window window) = 0;
  // The player asked to end the game from outside its menus (the tray icon, the session ending):
  // the scene on screen runs its end command, as its menu's end item would.
  virtual void EndAsked() {}
};

struct MenuItem {
  std::string name;     // "mopen"
  std::string caption;  // "開店"
  bool visible = true;
  bool enabled = true;
  bool checked = false;
  std::vector<MenuItem> children;  // a submenu when not empty
};

struct Menu {
  std::string name;  // "menu", "fmenu", "amenu"
  std::vector<MenuItem> items;
};

// Where a small window stands and how large its client area is, in screen units.
struct Placement {
  std::int32_t x = 0;
  std::int32_t y = 0;
  std::int32_t width = 0;
  std::int32_t height = 0;
};

struct ListColumn {
  std::string title;
  std::int32_t width = 0;  // screen units
};

// A report-style list: finished cells, row by row. selectedRow is 1-based, 0 for none.
struct ListContent {
  std::vector<ListColumn> columns;
  std::vector<std::vector<std::string>> rows;
  int selectedRow = 0;
};

// A window of label and value pairs, top to bottom.
struct LabelContent {
  std::vector<std::pair<std::string, std::string>> rows;
};

// The windows the scenes play in and their pop-up menus, as the game's list of scenes has them;
// every other window of the game belongs to one of them.
struct SceneWindows {
  std::vector<Window> scenes;
  std::vector<Window> menus;

  bool IsScene(Window w) const { return std::find(scenes.begin(), scenes.end(), w) != scenes.end(); }
  bool IsMenu(Window w) const { return std::find(menus.begin(), menus.end(), w) != menus.end(); }
};

class Desktop {
 public:
  virtual ~Desktop() = default;

  virtual void SetEventSink(DesktopEvents* sink) = 0;
  // Told once, before the first scene starts: which windows are scenes and which their menus.
  virtual void SetSceneWindows(const SceneWindows& windows) = 0;

  // Metrics.
  virtual int TwipsPerPixelX() const = 0;
  virtual int TwipsPerPixelY() const = 0;
  virtual int ScreenWidthPixels() const = 0;
  // The y of the desktop floor in screen units: figures stand on it.
  virtual std::int32_t WorkAreaHeight() const = 0;

  // Scene composition: a frame is a run of DrawPicture calls closed by ShowScene.
  virtual void BeginScene(Window scene, int mode) = 0;
  virtual void DrawPicture(Window scene, int picture, std::int32_t x, std::int32_t y) = 0;
  virtual void ShowScene(Window scene) = 0;

  // One speech balloon in frmMessage, frmYes or frmNo; y is its bottom edge; side 0 grows
  // to the right of x with the tail on the left, side 1 ends at x with the tail on the right.
  virtual void ShowTalk(Window balloon, std::string_view text, std::int32_t x, std::int32_t y,
                        int side) = 0;
  // The width of a balloon text in the balloon font, in screen units (whole pixels).
  virtual std::int32_t TextWidth(std::string_view text) const = 0;

  // Window services. Closing a closed window does nothing; Focus reports whether it worked.
  virtual bool IsOpen(Window window) const = 0;
  virtual void ShowWindow(Window window) = 0;
  virtual void HideWindow(Window window) = 0;
  virtual void CloseWindow(Window window) = 0;
  virtual bool Focus(Window window) = 0;
  // Closes every window of the game but one, in the order of the Window list.
  void UnloadAllExcept(Window keep) {
    for (int i = 0; i < kWindowCount; ++i) {
      if (static_cast<Window>(i) != keep) CloseWindow(static_cast<Window>(i));
    }
  }
  virtual void BringToFront(Window window) = 0;
  // The caption of the window that has the focus anywhere on the desktop; empty when none.
  virtual std::string ForegroundCaption() = 0;

  // Shows the menu at the mouse position; the choice arrives later as MenuChosen.
  virtual void PopupMenu(Window menuWindow, const Menu& menu) = 0;
  // Opens (or refills, when open) a list or label window at its place.
  virtual void ShowList(Window window, const Placement& place, const ListContent& content) = 0;
  virtual void ShowLabels(Window window, const Placement& place, const LabelContent& content) = 0;
  // A modal message with an OK button.
  virtual void MessageBox(std::string_view text, bool errorIcon) = 0;

  // Timers of the scene windows; a period of 0 stops the timer.
  virtual void SetTimer(Window scene, Timer timer, int periodMs) = 0;
  virtual int TimerPeriod(Window scene, Timer timer) const = 0;

  // Processes pending clicks, keys and timer ticks, then returns.
  virtual void Pump() = 0;
  // Blocks the game for that time; nothing is delivered meanwhile.
  virtual void Sleep(int ms) = 0;

  // Whether another copy of the game is already running for this user.
  virtual bool AnotherCopyRunning() = 0;
  // No window is left: the program ends once control returns to the event loop.
  virtual void EndProgram() = 0;

  // Unit conversions of the game: whole pixels times the factor, exact.
  std::int32_t UnitsFromPixelsX(int px) const { return px * TwipsPerPixelX(); }
  std::int32_t UnitsFromPixelsY(int px) const { return px * TwipsPerPixelY(); }
};

}  // namespace tolmark
