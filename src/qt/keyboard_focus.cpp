#include "qt/keyboard_focus.h"

#include <QGuiApplication>
#include <QWidget>

#include "qt/x11_desktop.h"

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

void RaiseKeepingKeyboard(QWidget& window) {
  if (MayTakeKeyboard(window) && x11::RaiseWithoutKeyboard(window.winId())) return;
  window.raise();
}

}  // namespace tolmark
