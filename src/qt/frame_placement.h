// The game places its small windows by their outer frame: the size it gives is the client area
// inside the frame, and the whole framed window, title bar and borders included, ends where the
// game's rectangle ends, so that it stands clear of the figures below it whatever frame the
// window manager draws.
#pragma once

#include <QRect>

class QWidget;

namespace tolmark {

// Fixes the client area's size and puts the frame's left edge at the rectangle's left and the
// frame's bottom edge at the rectangle's bottom; a window manager's title bar and borders grow
// the frame upwards. The frame is measured again whenever the window manager (re)frames it.
void PlaceByFrame(QWidget& window, const QRect& clientSizeEndingAtBottom);

// Moves a window by the floor's shift; a window placed by its frame keeps that rule.
void MoveWithFloor(QWidget& window, int shift);

}  // namespace tolmark
