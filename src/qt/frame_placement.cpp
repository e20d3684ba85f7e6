#include "qt/frame_placement.h"

#include <QWidget>

namespace tolmark {

void PlaceByFrame(QWidget& window, const QRect& place) {
  // Of a fixed size, as the game designed it: a window manager offers no maximize for it.
  window.setFixedSize(place.size());
  // A top-level widget's position is its frame's (Qt asks the window manager for north-west
  // gravity), unlike setGeometry, which places the client area.
  window.move(place.topLeft());
}

}  // namespace tolmark
