// The game places its small windows by their outer frame: the size it gives is the client area
// inside the frame, and the whole framed window, title bar and borders included, ends where the
// game's rectangle ends, so that it stands clear of the figures below it whatever frame the
// window manager draws. Its frameless windows stand exactly where it puts them. Each window
// follows the floor from the place the game gave it.
#pragma once

#include <QRect>

class QWidget;

namespace tolmark {

// Fixes the client area's size and puts the frame's left edge at the rectangle's left and the
// frame's bottom edge at the rectangle's bottom; a window manager's title bar and borders grow
// the frame upwards. The frame is measured again whenever the window manager (re)frames it.
void PlaceByFrame(QWidget& window, const QRect& clientSizeEndingAtBottom);

// Puts a frameless window (a scene, a balloon) at the place the game chose for it, in logical
// pixels on the desktop, and remembers that place.
void PlaceWindow(QWidget& window, const QRect& place);

// Puts a window back at the place the game gave it, moved down by the floor's shift since then
// (0 when only the desktop's top edge moved); a window placed by its frame keeps that rule. The
// place counts, not where the window stands now: as a panel comes, goes or moves, a window
// manager may already have moved the window itself (KWin keeps a window that touched the work
// area's edge on that edge, and fits one as large as the work area to the new one).
void MoveWithFloor(QWidget& window, int shift);

}  // namespace tolmark
