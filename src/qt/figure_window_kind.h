// The kind of window the figures and their balloons live in. They have no frame and the player
// never moves them, but they must stand exactly where the game draws them.
//
// On an X server of its own, a window manager places a window where it asks to be, and keeps it
// among the other windows, which may cover it. Under a Wayland compositor the game goes through
// XWayland, whose window managers place toplevel windows by their own rules (Weston's puts a
// screen-wide window at (32, 32); GNOME's and KDE's have rules of their own): there the figure
// windows are not managed at all (override-redirect), which every X window manager leaves where
// they are. They stay out of task bars and pagers by nature, and no compositor gives them the
// keyboard (keyboard_focus.h): there the game's keys reach only its pop-up menus, which take
// the keyboard while the compositor has it on any X window.
#pragma once

#include <QWidget>
#include <Qt>

namespace tolmark {

// Whether the X server is XWayland: a Wayland compositor's window manager places the windows.
bool OnXWayland();

// The flags of scene and balloon windows (needs the application object).
Qt::WindowFlags FigureWindowFlags();

// A scene or balloon window: one of the figures' flags, which leaves the player's open menu
// open as it shows (open_menu_hold.h).
class FigureWindow : public QWidget {
 public:
  FigureWindow() : QWidget(nullptr, FigureWindowFlags()) {}
  void setVisible(bool visible) override;
};

}  // namespace tolmark
