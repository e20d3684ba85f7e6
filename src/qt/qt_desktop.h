// The real desktop: the game's windows as shaped Qt windows on X11.
#pragma once

#include <QObject>
#include <QPointer>
#include <QRect>
#include <QTimer>
#include <array>
#include <memory>
#include <vector>

#include "present/desktop.h"
#include "qt/floor_mapping.h"
#include "qt/input_router.h"
#include "qt/list_window.h"
#include "qt/single_copy_lock.h"

class QMenu;
class QWidget;

namespace tolmark {

class SceneWindow;
class BalloonWindow;

class QtDesktop final : public QObject, public Desktop, private InputRouter {
 public:
  // Needs a QApplication. The lock decides whether another copy runs (tests pass their own).
  explicit QtDesktop(std::unique_ptr<SingleCopyLock> lock = std::make_unique<SingleCopyLock>());
  ~QtDesktop() override;

  void SetEventSink(DesktopEvents* sink) override { sink_ = sink; }
  void SetSceneWindows(const SceneWindows& windows) override;

  int TwipsPerPixelX() const override { return twipsX_; }
  int TwipsPerPixelY() const override { return twipsY_; }
  int ScreenWidthPixels() const override;
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
  std::string ForegroundCaption() override;

  void PopupMenu(Window menuWindow, const Menu& menu) override;
  void ShowList(Window window, const Placement& place, const ListContent& content) override;
  void ShowLabels(Window window, const Placement& place, const LabelContent& content) override;
  void MessageBox(std::string_view text, bool errorIcon) override;

  void SetTimer(Window scene, Timer timer, int periodMs) override;
  int TimerPeriod(Window scene, Timer timer) const override;

  void Pump() override;
  void Sleep(int ms) override;

  bool AnotherCopyRunning() override;
  void EndProgram() override;

  // Every open window of the game in front of the others, as the watchdog raises them; the
  // keyboard stays where it is.
  void RaiseAll();
  // The game's own end question, as its menu's end item asks it (nothing while it is paused).
  void AskToEnd();
  // A tooltip over every figure of the scenes until the player first opens the menu.
  void HintUntilMenuOpens(const QString& hint);

 private:
  struct SceneTimer {
    QTimer timer;
    int periodMs = 0;
    bool missed = false;  // a tick fell into a pause; it is delivered once the pause ends
  };

  // InputRouter: input reaches the game only while it is not paused.
  void RouteMouseDown(Window window, int button) override;
  void RouteKeyDown(Window window, int keyCode) override;
  void RouteListMouseDown(Window window, int row, int button) override;
  void RouteDoubleClick(Window window) override;
  void RouteCloseRequest(Window window) override;

  bool Blocked() const { return sink_ == nullptr || pauses_ > 0; }
  // On an X server that cannot shape windows, says so and ends the program, once; true then.
  bool RefuseUnshapedDisplay();
  SceneWindow& Scene(Window scene);
  std::size_t SceneIndex(Window scene) const;  // only for a scene window
  SceneTimer& TimerOf(Window scene, Timer timer);
  const SceneTimer& TimerOf(Window scene, Timer timer) const;
  void Tick(Window scene, Timer timer);
  void DeliverMissedTicks();
  void StopTimers(Window scene);
  // Reads the desktop's floor again and moves the game's windows onto it.
  void FollowFloor();
  QRect ScreenRect() const;
  // Where the game's (0, 0) lies on the desktop now: the screen's corner, shifted with the floor.
  QPoint GameOrigin() const;
  // A scene window spans the game's place below the desktop's top edge: a window manager keeps
  // windows out from under a top panel, and would push one that reached up there down.
  int SceneTop() const;  // in the game's pixels
  QRect SceneRect() const;
  QWidget* Widget(Window window) const;
  // The game's open pop-up menu (and its open submenus) back over every other window of the
  // game, after one of them was shown or raised.
  void KeepMenuOnTop();
  UnitScale Scale() const { return UnitScale{twipsX_, twipsY_}; }

  DesktopEvents* sink_ = nullptr;
  std::unique_ptr<SingleCopyLock> lock_;
  int twipsX_ = 15;
  int twipsY_ = 15;
  FloorMapping floor_{0};
  int ceiling_ = 0;  // the desktop's top edge below a top panel, in pixels from the screen's top
  QString hint_;
  int pauses_ = 0;
  bool ending_ = false;
  // An X server without shapes: every scene would cover the screen. Asked once, at the start.
  bool unshapedDisplay_ = false;
  std::array<QPointer<QWidget>, kWindowCount> windows_{};
  SceneWindows scenes_;
  std::vector<std::array<std::unique_ptr<SceneTimer>, 2>> timers_;  // by scene, as listed
  QPointer<QMenu> menu_;
  std::unique_ptr<QObject> workAreaWatch_;  // stops calling back when this desktop goes
  std::unique_ptr<QObject> attentionWatch_;  // the game's windows never ask for attention
};

}  // namespace tolmark
