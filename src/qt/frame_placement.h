// The game places its small windows by their outer frame: the position it gives is the frame's
// top-left corner (title bar included), the size is the client area inside the frame.
#pragma once

#include <QRect>

class QWidget;

namespace tolmark {

// Fixes the client area's size and puts the frame's top-left corner at the rectangle's; the window
// manager adds its title bar and borders below and right of that corner.
void PlaceByFrame(QWidget& window, const QRect& frameTopLeftAndClientSize);

}  // namespace tolmark
