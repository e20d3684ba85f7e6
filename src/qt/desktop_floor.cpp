#include "qt/desktop_floor.h"

#include <QScreen>

#include "qt/x11_desktop.h"

namespace tolmark {

int FloorOf(const QRect& screen, const QRect& workArea) {
  const int floor = workArea.isEmpty() ? screen.height() : workArea.bottom() + 1 - screen.y();
  return floor <= 0 || floor > screen.height() ? screen.height() : floor;
}

int ReadDesktopFloor(QScreen* screen) {
  if (!screen) return 768;
  const QRect logical = screen->geometry();
  // The window manager publishes device pixels; a whole factor maps them back exactly.
  const qreal ratio = screen->devicePixelRatio();
  const QRect device(QPoint(qRound(logical.x() * ratio), qRound(logical.y() * ratio)),
                     logical.size() * ratio);
  QRect area = screen->availableGeometry();
  if (auto published = x11::PublishedWorkArea(device)) {
    area = QRect(QPoint(qRound(published->x() / ratio), qRound(published->y() / ratio)),
                 published->size() / ratio);
  }
  return FloorOf(logical, area);
}

}  // namespace tolmark
