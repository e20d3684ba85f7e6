#include "qt/frame_placement.h"

#include <QEvent>
#include <QObject>
#include <QVariant>
#include <QWidget>

#include "qt/x11_desktop.h"

namespace tolmark {
namespace {

constexpr char kPlace[] = "tolmarkFramePlace";
constexpr char kWindowPlace[] = "tolmarkWindowPlace";

// The frame's top-left corner that makes the whole frame end at the rectangle's bottom.
void KeepFrameInPlace(QWidget& window) {
  const QVariant stored = window.property(kPlace);
  if (!stored.isValid()) return;
  const QRect place = stored.toRect();
  // Known once the window manager has framed the window (nothing before it is mapped).
  const int frameBelowAndAbove = window.frameGeometry().height() - window.height();
  const QPoint corner(place.left(), place.bottom() + 1 - window.height() - frameBelowAndAbove);
  // A top-level widget's position is its frame's (Qt asks for north-west gravity).
  if (window.pos() != corner) window.move(corner);
}

// Watches the placed windows: a window manager frames a window after it is shown, and may
// change the frame later (another theme, a title font).
class FrameWatcher final : public QObject {
 public:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Move || event->type() == QEvent::Show) {
      if (auto* window = qobject_cast<QWidget*>(watched)) KeepFrameInPlace(*window);
    }
    return false;
  }
};

FrameWatcher& Watcher() {
  static FrameWatcher watcher;
  return watcher;
}

}  // namespace

void PlaceByFrame(QWidget& window, const QRect& place) {
  // Of a fixed size, as the game designed it: a window manager offers no maximize for it.
  window.setFixedSize(place.size());
  if (!window.property(kPlace).isValid()) window.installEventFilter(&Watcher());
  window.setProperty(kPlace, place);
  KeepFrameInPlace(window);
}

void PlaceWindow(QWidget& window, const QRect& place) {
  window.setProperty(kWindowPlace, place);
  window.setGeometry(place);
}

void MoveWithFloor(QWidget& window, int shift) {
  if (const QVariant framed = window.property(kPlace); framed.isValid()) {
    window.setProperty(kPlace, framed.toRect().translated(0, shift));
    KeepFrameInPlace(window);
    return;
  }
  const QVariant placed = window.property(kWindowPlace);
  if (!placed.isValid()) return;  // never placed by the game: nothing of it stands on the floor
  const QRect place = placed.toRect().translated(0, shift);
  PlaceWindow(window, place);
  // Qt sends nothing when it believes the window is there already, which it does until it
  // hears of the window manager's own move.
  if (window.testAttribute(Qt::WA_WState_Created)) {
    const qreal ratio = window.devicePixelRatio();
    x11::AskForGeometry(window.winId(),
                        QRect(QPoint(qRound(place.x() * ratio), qRound(place.y() * ratio)),
                              place.size() * ratio));
  }
}

}  // namespace tolmark
