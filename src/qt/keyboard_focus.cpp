#include "qt/keyboard_focus.h"

#include <QGuiApplication>
#include <QWidget>

namespace tolmark {

bool GameHasKeyboard() { return QGuiApplication::focusWindow() != nullptr; }

bool PassKeyboardWithinGame(QWidget& window) {
  if (!window.isVisible() || !GameHasKeyboard()) return false;
  if (!window.isActiveWindow()) window.activateWindow();
  return true;
}

}  // namespace tolmark
