#include "qt/frame_placement.h"

#include <QEvent>
#include <QObject>
#include <QVariant>
#include <QWidget>

namespace tolmark {
namespace {

constexpr char kPlace[] = "tolmarkFramePlace";

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

void MoveWithFloor(QWidget& window, int shift) {
  const QVariant stored = window.property(kPlace);
  if (!stored.isValid()) {
    window.move(window.pos() + QPoint(0, shift));
    return;
  }
  window.setProperty(kPlace, stored.toRect().translated(0, shift));
  KeepFrameInPlace(window);
}

}  // namespace tolmark
