// A program in the background never takes the keyboard from the program in front: the game
// moves the focus only among its own windows, and only while one of them already holds it.
// Otherwise a step of the game that takes the focus does nothing, as if it could not.
#pragma once

class QWidget;

namespace tolmark {

// Whether one of the game's windows holds the keyboard now.
bool GameHasKeyboard();

// Whether the game may hand the window the keyboard itself. Not an unmanaged window (the figures
// under a Wayland compositor, figure_window_kind.h): there the compositor alone gives the
// keyboard, to the windows its window manager manages, and that manager takes the focus back
// from an unmanaged window at once; the game, having held the focus for a moment, then counts
// as left, and Qt closes the pop-up menu the same right click has just opened.
bool MayTakeKeyboard(const QWidget& window);

// Gives the window the keyboard if the game holds it; false (and nothing done) otherwise.
bool PassKeyboardWithinGame(QWidget& window);

// Puts the window in front of the desktop's other windows without taking the keyboard from the
// program that holds it. A window the window manager manages is raised through the manager
// (x11::RaiseWithoutKeyboard): Qt's raise, a plain restack request, is what xfwm4 takes for a
// program asking to be activated. An unmanaged window, or any window where no window manager
// runs, is raised by the X server itself, which moves no focus.
void RaiseKeepingKeyboard(QWidget& window);

}  // namespace tolmark
