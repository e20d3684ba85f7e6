#include "qt/open_menu_hold.h"

#include <QApplication>
#include <QEvent>
#include <QMenu>

namespace tolmark {
namespace {

int held = 0;  // how many MenusHeldOpen live

// Refuses a held menu's close: an ignored close event makes Qt leave the menu open.
class CloseRefusal final : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (held == 0 || event->type() != QEvent::Close) return QObject::eventFilter(watched, event);
    event->ignore();
    return true;
  }
};

CloseRefusal& Refusal() {
  static auto* refusal = new CloseRefusal(qApp);
  return *refusal;
}

}  // namespace

void HoldOpen(QMenu& menu) {
  menu.installEventFilter(&Refusal());
  for (QMenu* sub : menu.findChildren<QMenu*>()) sub->installEventFilter(&Refusal());
}

MenusHeldOpen::MenusHeldOpen() { ++held; }
MenusHeldOpen::~MenusHeldOpen() { --held; }

}  // namespace tolmark
