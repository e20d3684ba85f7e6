// Where the figures stand: the bottom of the desktop's work area on the game's monitor.
#pragma once

#include <QRect>

class QScreen;

namespace tolmark {

// The floor in logical pixels from the top of the screen: the work area's bottom edge, or the
// screen's when the work area is missing or lies outside the screen.
int FloorOf(const QRect& screen, const QRect& workArea);

// The floor of the screen as the desktop has it now: the window manager's work area, else what
// the panels' struts leave of the screen, else Qt's available geometry, else the whole screen;
// in the screen's logical pixels.
int ReadDesktopFloor(QScreen* screen);

}  // namespace tolmark
