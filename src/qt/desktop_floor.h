// Where the figures stand: the bottom of the desktop's work area on the game's monitor.
#pragma once

#include <QRect>

class QScreen;

namespace tolmark {

// The floor in logical pixels from the top of the screen: the work area's bottom edge, or the
// screen's when the work area is missing or lies outside the screen.
int FloorOf(const QRect& screen, const QRect& workArea);

// The band of the screen the desktop leaves to windows, in logical pixels from the top of the
// screen: its top edge (below a panel at the top) and the floor.
struct DesktopBand {
  int ceiling = 0;
  int floor = 0;
};
DesktopBand BandOf(const QRect& screen, const QRect& workArea);

// The band of the screen as the desktop has it now: the window manager's work area, else what
// the panels' struts leave of the screen, else Qt's available geometry, else the whole screen.
DesktopBand ReadDesktopBand(QScreen* screen);

}  // namespace tolmark
