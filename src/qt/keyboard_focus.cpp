#include "qt/keyboard_focus.h"

#include <QGuiApplication>
#include <QWidget>

namespace tolmark {

bool GameHasKeyboard() { return QGuiApplication::focusWindow() != nullptr; }

bool MayTakeKeyboard(const QWidget& window) {
  return !window.windowFlags().testFlag(Qt::X11BypassWindowManagerHint);
}

bool PassKeyboardWithinGame(QWidget& window) {
  if (!window.isVisible() || !GameHasKeyboard() || !MayTakeKeyboard(window)) return false;
  if (!window.isActiveWindow()) window.activateWindow();
  return true;
}

}  // namespace tolmark
