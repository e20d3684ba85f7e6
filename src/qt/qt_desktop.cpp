// QtDesktop: the game's windows, timers, pauses and services on a real desktop.
#include "qt/qt_desktop.h"

#include <QApplication>
#include <QCursor>
#include <QEventLoop>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QMenu>
#include <QMessageBox>
#include <QScreen>
#include <algorithm>
#include <functional>

#include "art/pictures.h"
#include "model/numbers.h"
#include "present/balloon.h"
#include "present/shapes.h"
#include "qt/balloon_font.h"
#include "qt/balloon_window.h"
#include "qt/desktop_floor.h"
#include "qt/frame_placement.h"
#include "qt/game_text.h"
#include "qt/keyboard_focus.h"
#include "qt/open_menu_hold.h"
#include "qt/scene_window.h"
#include "qt/x11_desktop.h"

namespace tolmark {
namespace {

std::size_t Index(Window w) { return static_cast<std::size_t>(w); }


int UnitsPerPixel(qreal dotsPerInch) {
  return dotsPerInch > 0 ? std::max(1, Round(1440.0 / dotsPerInch)) : 15;
}

void FillMenu(QMenu& menu, const std::vector<MenuItem>& items,
              const std::function<void(const std::string&)>& chosen) {
  for (const MenuItem& item : items) {
    QString caption = QtText(item.caption);
    caption.replace(QLatin1Char('&'), QStringLiteral("&&"));  // no mnemonics in the game's menus
    QAction* action = nullptr;
    if (!item.children.empty()) {
      QMenu* sub = menu.addMenu(caption);
      FillMenu(*sub, item.children, chosen);
      action = sub->menuAction();
    } else {
      action = menu.addAction(caption);
      const std::string name = item.name;
      QObject::connect(action, &QAction::triggered, &menu, [chosen, name] { chosen(name); });
    }
    action->setCheckable(item.checked);
    action->setChecked(item.checked);
    action->setEnabled(item.enabled);
    action->setVisible(item.visible);
  }
}

}  // namespace

QtDesktop::QtDesktop(std::unique_ptr<SingleCopyLock> lock) : lock_(std::move(lock)) {
  QScreen* screen = QGuiApplication::primaryScreen();
  twipsX_ = UnitsPerPixel(screen ? screen->logicalDotsPerInchX() : 96.0);
  twipsY_ = UnitsPerPixel(screen ? screen->logicalDotsPerInchY() : 96.0);
  const DesktopBand band = ReadDesktopBand(screen);
  floor_ = FloorMapping(band.floor);
  ceiling_ = band.ceiling;
  // Panels move and monitors come and go: the floor follows the desktop's work area, also the
  // one a window manager sets only after the game has started.
  auto reread = [this] { QTimer::singleShot(0, this, [this] { FollowFloor(); }); };
  auto watchScreen = [this, reread](QScreen* s) {
    if (!s) return;
    connect(s, &QScreen::availableGeometryChanged, this, reread);
    connect(s, &QScreen::geometryChanged, this, reread);
  };
  watchScreen(screen);
  connect(qGuiApp, &QGuiApplication::primaryScreenChanged, this, [watchScreen, reread](QScreen* s) {
    watchScreen(s);
    reread();
  });
  workAreaWatch_ = x11::WatchWorkAreas(reread);
  attentionWatch_ = x11::DeclineAttentionHints();
  unshapedDisplay_ = x11::Available() && !x11::HasShapes();
}

void QtDesktop::SetSceneWindows(const SceneWindows& windows) {
  scenes_ = windows;
  timers_.clear();
  for (const Window scene : scenes_.scenes) {
    auto& pair = timers_.emplace_back();
    for (std::size_t t = 0; t < pair.size(); ++t) {
      pair[t] = std::make_unique<SceneTimer>();
      const auto timer = t == 0 ? Timer::Timer1 : Timer::Timer2;
      connect(&pair[t]->timer, &QTimer::timeout, this, [this, scene, timer] { Tick(scene, timer); });
    }
  }
}

std::size_t QtDesktop::SceneIndex(Window scene) const {
  const auto at = std::find(scenes_.scenes.begin(), scenes_.scenes.end(), scene);
  return static_cast<std::size_t>(at - scenes_.scenes.begin());
}

QtDesktop::~QtDesktop() {
  for (auto& w : windows_) delete w.data();
}

QRect QtDesktop::ScreenRect() const {
  QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->geometry() : QRect(0, 0, 1024, 768);
}

QPoint QtDesktop::GameOrigin() const { return ScreenRect().topLeft() + QPoint(0, floor_.Shift()); }

int QtDesktop::SceneTop() const {
  return std::clamp(ceiling_ - floor_.Shift(), 0, floor_.GameFloor() - 1);
}

QRect QtDesktop::SceneRect() const {
  return QRect(GameOrigin() + QPoint(0, SceneTop()),
               QSize(ScreenRect().width(), floor_.GameFloor() - SceneTop()));
}

void QtDesktop::FollowFloor() {
  const DesktopBand band = ReadDesktopBand(QGuiApplication::primaryScreen());
  ceiling_ = band.ceiling;
  const int moved = floor_.Follow(band.floor);
  // Every window moves with the floor, in one go: figures, their balloons and the lists
  // placed above them keep their places relative to each other. Each goes to its own place
  // again when the floor stayed, too: a window manager may have moved it as a panel came or
  // went at the top.
  for (std::size_t i = 0; i < windows_.size(); ++i) {
    QWidget* w = windows_[i].data();
    if (w && !scenes_.IsMenu(static_cast<Window>(i))) MoveWithFloor(*w, moved);
  }
}

int QtDesktop::ScreenWidthPixels() const { return ScreenRect().width(); }

std::int32_t QtDesktop::WorkAreaHeight() const { return floor_.GameFloor() * twipsY_; }

QWidget* QtDesktop::Widget(Window window) const { return windows_[Index(window)].data(); }

SceneWindow& QtDesktop::Scene(Window scene) {
  auto& slot = windows_[Index(scene)];
  auto* existing = dynamic_cast<SceneWindow*>(slot.data());
  if (existing) return *existing;
  auto* created = new SceneWindow(scene, *this);
  slot = created;
  created->setToolTip(hint_);
  created->Begin(SceneRect(), 1);
  return *created;
}

void QtDesktop::BeginScene(Window scene, int mode) {
  if (!scenes_.IsScene(scene) || ending_) return;
  Scene(scene).Begin(SceneRect(), mode);
}

void QtDesktop::DrawPicture(Window scene, int picture, std::int32_t x, std::int32_t y) {
  if (!scenes_.IsScene(scene) || ending_) return;
  // A number outside the picture table (a visitor slot holding "nobody") draws nothing rather
  // than ending the game in the middle of a frame.
  if (picture < 0 || picture >= kPictureCount) return;
  Scene(scene).Draw(picture, IntDiv(x, twipsX_), IntDiv(y, twipsY_) - SceneTop());
}

bool QtDesktop::RefuseUnshapedDisplay() {
  if (!unshapedDisplay_) return false;
  // Unshaped, every scene would cover the screen in black and catch every click.
  MessageBox(kWindowShapeFailedMessage, false);
  EndProgram();
  return true;
}

void QtDesktop::ShowScene(Window scene) {
  if (!scenes_.IsScene(scene) || ending_ || RefuseUnshapedDisplay()) return;
  Scene(scene).Present();
  KeepMenuOnTop();
  Pump();
}

std::int32_t QtDesktop::TextWidth(std::string_view text) const {
  return QFontMetrics(BalloonFont()).horizontalAdvance(QtText(text)) * twipsX_;
}

void QtDesktop::ShowTalk(Window balloon, std::string_view text, std::int32_t x, std::int32_t y,
                         int side) {
  if (!IsBalloonWindow(balloon) || ending_ || RefuseUnshapedDisplay()) return;
  const BalloonGeometry geometry = ComputeBalloon(TextWidth(text), side, twipsX_, twipsY_);
  const UnitPoint topLeft = BalloonTopLeft(geometry, x, y, side);
  auto& slot = windows_[Index(balloon)];
  auto* window = dynamic_cast<BalloonWindow*>(slot.data());
  if (!window) {
    window = new BalloonWindow(balloon, *this);
    slot = window;
  }
  const QPoint at = GameOrigin() + QPoint(IntDiv(topLeft.x, twipsX_), IntDiv(topLeft.y, twipsY_));
  window->Build(geometry, QtText(text), at);
  window->show();
  RaiseKeepingKeyboard(*window);
  KeepMenuOnTop();
  Pump();
}

bool QtDesktop::IsOpen(Window window) const { return Widget(window) != nullptr; }

void QtDesktop::ShowWindow(Window window) {
  if (scenes_.IsScene(window)) {
    // A scene shows itself with its first frame: before it, it would cover the whole screen.
    SceneWindow& scene = Scene(window);
    if (scene.HasShownFrame()) scene.show();
    KeepMenuOnTop();
    return;
  }
  if (QWidget* w = Widget(window); w && !scenes_.IsMenu(window)) w->show();
  KeepMenuOnTop();
}

void QtDesktop::HideWindow(Window window) {
  if (QWidget* w = Widget(window)) w->hide();
}

void QtDesktop::CloseWindow(Window window) {
  if (scenes_.IsScene(window)) StopTimers(window);
  QWidget* w = Widget(window);
  if (!w) return;
  windows_[Index(window)] = nullptr;
  w->hide();
  // The window may be the one whose event is being handled right now.
  w->deleteLater();
}

bool QtDesktop::Focus(Window window) {
  QWidget* w = Widget(window);
  if (!w || scenes_.IsMenu(window)) return false;
  return PassKeyboardWithinGame(*w);
}

void QtDesktop::BringToFront(Window window) {
  QWidget* w = Widget(window);
  if (!w || scenes_.IsMenu(window)) return;
  if (auto* scene = dynamic_cast<SceneWindow*>(w); scene && !scene->HasShownFrame()) return;
  w->show();
  // Raised once, not pinned: the next window the user picks may cover the game again.
  RaiseKeepingKeyboard(*w);
  KeepMenuOnTop();
}

// Where no window manager stacks the game's windows (a bare X server, XWayland's figure
// windows), a balloon or scene raised while the player reads the menu would cover its items:
// whatever the game raises, the open menu goes back on top.
void QtDesktop::KeepMenuOnTop() {
  if (!menu_ || !menu_->isVisible()) return;
  menu_->raise();
  for (QMenu* sub : menu_->findChildren<QMenu*>()) {
    if (sub->isVisible()) sub->raise();
  }
}

void QtDesktop::RaiseAll() {
  for (int i = 0; i < kWindowCount; ++i) {
    const auto window = static_cast<Window>(i);
    if (QWidget* w = Widget(window); w && w->isVisible()) BringToFront(window);
  }
}

void QtDesktop::AskToEnd() {
  if (Blocked()) return;
  sink_->EndAsked();
}

void QtDesktop::HintUntilMenuOpens(const QString& hint) {
  hint_ = hint;
  for (const Window scene : scenes_.scenes) {
    if (QWidget* w = Widget(scene)) w->setToolTip(hint_);
  }
}

std::string QtDesktop::ForegroundCaption() {
  if (x11::Available()) return x11::FocusedWindowCaption();
  QWidget* active = QApplication::activeWindow();
  return active ? active->windowTitle().left(128).toStdString() : std::string();
}

void QtDesktop::PopupMenu(Window menuWindow, const Menu& menu) {
  if (!scenes_.IsMenu(menuWindow) || ending_) return;
  if (!hint_.isEmpty()) HintUntilMenuOpens(QString());  // the player has found the menu
  if (menu_) menu_->deleteLater();
  auto* popup = new QMenu;
  FillMenu(*popup, menu.items, [this](const std::string& name) {
    if (!Blocked()) sink_->MenuChosen(name);
  });
  connect(popup, &QMenu::aboutToHide, this, [this, menuWindow, popup] {
    if (windows_[Index(menuWindow)].data() == popup) windows_[Index(menuWindow)] = nullptr;
  });
  HoldOpen(*popup);
  menu_ = popup;
  windows_[Index(menuWindow)] = popup;
  popup->popup(QCursor::pos());
}

void QtDesktop::ShowList(Window window, const Placement& place, const ListContent& content) {
  if (ending_) return;  // nothing comes back once the program has ended
  auto* list = dynamic_cast<ListWindow*>(Widget(window));
  if (!list) {
    CloseWindow(window);
    list = new ListWindow(window, *this);
    windows_[Index(window)] = list;
  }
  list->Fill(content, Scale());
  PlaceByFrame(*list, Scale().ToPixels(place).translated(GameOrigin()));
  list->show();
}

void QtDesktop::ShowLabels(Window window, const Placement& place, const LabelContent& content) {
  if (ending_) return;
  auto* labels = dynamic_cast<LabelWindow*>(Widget(window));
  if (!labels) {
    CloseWindow(window);
    labels = new LabelWindow(window, *this);
    windows_[Index(window)] = labels;
  }
  labels->Fill(content);
  PlaceByFrame(*labels, Scale().ToPixels(place).translated(GameOrigin()));
  labels->show();
}

void QtDesktop::MessageBox(std::string_view text, bool errorIcon) {
  QString body = QtText(text);
  body.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  QMessageBox box(errorIcon ? QMessageBox::Critical : QMessageBox::NoIcon, QtText(kGameCaption),
                  body, QMessageBox::Ok);
  // The game waits for the answer: its windows hear nothing meanwhile.
  ++pauses_;
  box.exec();
  --pauses_;
  DeliverMissedTicks();
}

QtDesktop::SceneTimer& QtDesktop::TimerOf(Window scene, Timer timer) {
  return *timers_[SceneIndex(scene)][timer == Timer::Timer1 ? 0 : 1];
}

const QtDesktop::SceneTimer& QtDesktop::TimerOf(Window scene, Timer timer) const {
  return *timers_[SceneIndex(scene)][timer == Timer::Timer1 ? 0 : 1];
}

void QtDesktop::SetTimer(Window scene, Timer timer, int periodMs) {
  if (!scenes_.IsScene(scene) || ending_) return;
  SceneTimer& t = TimerOf(scene, timer);
  t.periodMs = std::max(0, periodMs);
  t.missed = false;
  if (t.periodMs > 0) {
    t.timer.start(t.periodMs);
  } else {
    t.timer.stop();
  }
}

int QtDesktop::TimerPeriod(Window scene, Timer timer) const {
  return scenes_.IsScene(scene) ? TimerOf(scene, timer).periodMs : 0;
}

void QtDesktop::StopTimers(Window scene) {
  for (Timer timer : {Timer::Timer1, Timer::Timer2}) {
    SceneTimer& t = TimerOf(scene, timer);
    t.timer.stop();
    t.periodMs = 0;
    t.missed = false;
  }
}

void QtDesktop::Tick(Window scene, Timer timer) {
  if (Blocked()) {
    TimerOf(scene, timer).missed = true;
    return;
  }
  sink_->TimerTick(scene, timer);
}

void QtDesktop::DeliverMissedTicks() {
  if (pauses_ > 0) return;
  for (const Window scene : scenes_.scenes) {
    for (Timer timer : {Timer::Timer1, Timer::Timer2}) {
      SceneTimer& t = TimerOf(scene, timer);
      if (!t.missed) continue;
      t.missed = false;
      // Like a desktop that keeps one pending tick per timer: it arrives once the game is idle.
      QTimer::singleShot(0, this, [this, scene, timer] {
        if (TimerOf(scene, timer).periodMs > 0) Tick(scene, timer);
      });
    }
  }
}

void QtDesktop::Pump() { QCoreApplication::processEvents(QEventLoop::AllEvents); }

void QtDesktop::Sleep(int ms) {
  if (ms <= 0) return;
  // Input and ticks wait, but the event loop keeps running for everything else: painting and
  // the window manager's liveness pings, so the game is never reported as hanging.
  ++pauses_;
  QEventLoop pause;
  QTimer::singleShot(ms, &pause, &QEventLoop::quit);
  pause.exec(QEventLoop::ExcludeUserInputEvents);
  --pauses_;
  DeliverMissedTicks();
}

bool QtDesktop::AnotherCopyRunning() { return lock_->AnotherCopyRunning(); }

void QtDesktop::EndProgram() {
  ending_ = true;
  for (const Window scene : scenes_.scenes) StopTimers(scene);
  for (int i = 0; i < kWindowCount; ++i) CloseWindow(static_cast<Window>(i));
  // Queued: the program ends once the game's call has returned to the event loop.
  QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
}

void QtDesktop::RouteMouseDown(Window window, int button) {
  if (!Blocked()) sink_->MouseDown(window, button);
}

void QtDesktop::RouteKeyDown(Window window, int keyCode) {
  if (!Blocked()) sink_->KeyDown(window, keyCode);
}

void QtDesktop::RouteListMouseDown(Window window, int row, int button) {
  if (!Blocked()) sink_->ListMouseDown(window, row, button);
}

void QtDesktop::RouteDoubleClick(Window window) {
  if (!Blocked()) sink_->DoubleClick(window);
}

void QtDesktop::RouteCloseRequest(Window window) {
  // Closed through the window manager is closed for the game too: the double click's way,
  // which clears the window's open flag. While the game is paused the window stays.
  RouteDoubleClick(window);
}

}  // namespace tolmark
