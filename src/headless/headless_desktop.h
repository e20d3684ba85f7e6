// The desktop in memory: every presentation call becomes a line of transcript, time is a
// virtual clock, and input comes from whoever drives it (tolmark-sim, tests).
#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "headless/scene_timers.h"
#include "present/desktop.h"

namespace tolmark {

struct HeadlessScreen {
  int widthPixels = 1920;
  int heightPixels = 1080;
  int unitsPerPixel = 15;
};

// One input event for the game, as the desktop's event loop would hand it over.
struct HeadlessInput {
  enum class Kind { MouseDown, KeyDown, MenuChosen, ListMouseDown, DoubleClick };
  Kind kind = Kind::MouseDown;
  Window window{};
  int code = 0;  // mouse button, or virtual key code
  int row = 0;   // list row, 1-based, 0 below the last
  std::string item;
};

struct PlacedPicture {
  int picture = 0;
  std::int32_t x = 0;
  std::int32_t y = 0;
};

class HeadlessDesktop : public Desktop {
 public:
  explicit HeadlessDesktop(std::ostream& transcript);

  // Set-up. The work area is the whole screen.
  void SetScreen(const HeadlessScreen& screen) { screen_ = screen; }
  // Read back as a desktop reports a caption: cut at the first NUL, at most 128 characters.
  void SetForegroundCaption(std::string_view caption);
  void SetAnotherCopyRunning(bool running) { anotherCopy_ = running; }

  // Driving the game from outside.
  // An input that waits for the next Pump (or Deliver), as a click made during a pause would.
  void Queue(const HeadlessInput& input);
  // Delivers one input while the game is idle and returns when it is idle again.
  void Deliver(const HeadlessInput& input);
  // One tick of that timer now, as if it had just fallen due; false (nothing delivered) while
  // the timer is stopped.
  bool TickNow(Window scene, Timer timer);
  // Lets ms of virtual time pass, delivering every tick as it falls due (an overdue one first).
  void RunFor(std::int64_t ms);
  std::int64_t Now() const { return now_; }

  // Called whenever control is back in the event loop: the program has ended when EndProgram
  // was called or no window of the game is left. Writes `exit` the first time.
  bool CheckEnded();
  // Whether the game has asked to end, whether or not the event loop has seen it yet.
  bool EndRequested() const { return endRequested_; }

  // What the screen shows.
  std::optional<Window> SceneOnScreen() const;
  // The text of a balloon window; empty when it is closed.
  const std::string& BalloonText(Window balloon) const;
  const std::optional<Menu>& LastMenu() const { return lastMenu_; }
  // A pop-up menu is gone once an item of it was chosen.
  void ForgetMenu() { lastMenu_.reset(); }
  // The rows of a list window shown with ShowList; nullptr for any other or a closed window.
  const ListContent* ListOf(Window window) const;
  const std::vector<PlacedPicture>& ShownFrame(Window scene) const;

  // A line of the tool's own (checks, state) in the transcript.
  void WriteLine(std::string_view line);

  // Desktop
  void SetEventSink(DesktopEvents* sink) override { sink_ = sink; }
  void SetSceneWindows(const SceneWindows& windows) override { scenes_ = windows; }
  bool IsSceneWindow(Window w) const { return scenes_.IsScene(w); }
  int TwipsPerPixelX() const override { return screen_.unitsPerPixel; }
  int TwipsPerPixelY() const override { return screen_.unitsPerPixel; }
  int ScreenWidthPixels() const override { return screen_.widthPixels; }
  std::int32_t WorkAreaHeight() const override;
  void BeginScene(Window scene, int mode) override;
  void DrawPicture(Window scene, int picture, std::int32_t x, std::int32_t y) override;
  void ShowScene(Window scene) override;
  void ShowTalk(Window balloon, std::string_view text, std::int32_t x, std::int32_t y,
                int side) override;
  std::int32_t TextWidth(std::string_view text) const override;
  bool IsOpen(Window window) const override;
  void ShowWindow(Window window) override;
  void HideWindow(Window window) override;
  void CloseWindow(Window window) override;
  bool Focus(Window window) override;
  void BringToFront(Window window) override;
  std::string ForegroundCaption() override { return foregroundCaption_; }
  void PopupMenu(Window menuWindow, const Menu& menu) override;
  void ShowList(Window window, const Placement& place, const ListContent& content) override;
  void ShowLabels(Window window, const Placement& place, const LabelContent& content) override;
  void MessageBox(std::string_view text, bool errorIcon) override;
  void SetTimer(Window scene, Timer timer, int periodMs) override;
  int TimerPeriod(Window scene, Timer timer) const override;
  void Pump() override;
  void Sleep(int ms) override;
  bool AnotherCopyRunning() override { return anotherCopy_; }
  void EndProgram() override { endRequested_ = true; }

 private:
  struct WindowState {
    bool open = false;    // loaded: shown, or hidden for a while
    bool hidden = false;  // off screen but alive, its timers running
    std::string balloonText;
    std::optional<ListContent> list;  // the rows of a list window, for clicks on them
    std::vector<PlacedPicture> drawing;  // pictures since the last ShowScene
    std::vector<PlacedPicture> shown;    // the frame on screen
  };

  WindowState& StateOf(Window w) { return windows_[static_cast<std::size_t>(w)]; }
  const WindowState& StateOf(Window w) const { return windows_[static_cast<std::size_t>(w)]; }
  void Open(Window window);
  void DeliverTick(Window scene, Timer timer);
  void DeliverInput(const HeadlessInput& input);
  bool Live() const { return sink_ != nullptr && !endRequested_ && !ended_; }

  std::ostream& out_;
  SceneWindows scenes_;
  DesktopEvents* sink_ = nullptr;
  HeadlessScreen screen_;
  std::string foregroundCaption_{kGameCaption};
  bool anotherCopy_ = false;
  std::int64_t now_ = 0;
  SceneTimers timers_;
  std::array<WindowState, kWindowLimit> windows_{};
  std::optional<Window> focused_;
  std::optional<Menu> lastMenu_;
  struct QueuedInput {
    HeadlessInput input;
    std::int64_t at = 0;
    std::uint64_t number = 0;  // 1 for the first input ever queued, counting up
  };
  std::deque<QueuedInput> queued_;
  std::uint64_t queuedSoFar_ = 0;
  bool endRequested_ = false;
  bool ended_ = false;
};

}  // namespace tolmark
