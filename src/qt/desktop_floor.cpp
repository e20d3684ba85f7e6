#include "qt/desktop_floor.h"

#include <QScreen>
#include <algorithm>
#include <optional>
#include <vector>

#include "qt/panel_struts.h"

#include "qt/x11_desktop.h"

namespace tolmark {

int FloorOf(const QRect& screen, const QRect& workArea) {
  const int floor = workArea.isEmpty() ? screen.height() : workArea.bottom() + 1 - screen.y();
  return floor <= 0 || floor > screen.height() ? screen.height() : floor;
}

DesktopBand BandOf(const QRect& screen, const QRect& workArea) {
  const int floor = FloorOf(screen, workArea);
  const int top = workArea.isEmpty() ? 0 : workArea.top() - screen.y();
  return {std::clamp(top, 0, floor - 1), floor};
}

DesktopBand ReadDesktopBand(QScreen* screen) {
  if (!screen) return {0, 768};
  const QRect logical = screen->geometry();
  // The window manager publishes device pixels; a whole factor maps them back exactly.
  const qreal ratio = screen->devicePixelRatio();
  const QRect device(QPoint(qRound(logical.x() * ratio), qRound(logical.y() * ratio)),
                     logical.size() * ratio);
  QRect area = screen->availableGeometry();
  std::optional<QRect> usable = x11::PublishedWorkArea(device);
  if (!usable) {
    // No window manager says: what the panels reserve, if any panel reserves anything.
    const std::vector<Strut> struts = x11::PanelStruts();
    const QRect root = screen->virtualGeometry();
    const QRect rootDevice(QPoint(qRound(root.x() * ratio), qRound(root.y() * ratio)),
                           root.size() * ratio);
    if (!struts.empty()) usable = AreaLeftByStruts(rootDevice, device, struts);
  }
  if (usable) {
    area = QRect(QPoint(qRound(usable->x() / ratio), qRound(usable->y() / ratio)),
                 usable->size() / ratio);
  }
  return BandOf(logical, area);
}

}  // namespace tolmark
