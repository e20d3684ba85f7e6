#include "qt/figure_window_kind.h"

#include <QGuiApplication>
#include <QScreen>

#include "qt/open_menu_hold.h"

namespace tolmark {

bool OnXWayland() {
  // XWayland names its outputs XWAYLAND0, XWAYLAND1, ... (the session's variables could be
  // inherited by a program shown on another X server, the output names cannot).
  for (const QScreen* screen : QGuiApplication::screens()) {
    if (screen->name().startsWith(QLatin1String("XWAYLAND"))) return true;
  }
  return false;
}

Qt::WindowFlags FigureWindowFlags() {
  static const bool unmanaged = OnXWayland();
  // Ordinary windows, not utility windows: those belong to an application's active window, and
  // KWin hides them (iconic) while another program has the keyboard, which for the game is
  // nearly always. Their task bar and pager entries are dropped by the windows themselves.
  Qt::WindowFlags flags = Qt::Window | Qt::FramelessWindowHint | Qt::NoDropShadowWindowHint;
  if (unmanaged) flags |= Qt::X11BypassWindowManagerHint;
  return flags;
}

void FigureWindow::setVisible(bool visible) {
  const MenusHeldOpen held;
  QWidget::setVisible(visible);
}

}  // namespace tolmark
