// A program in the background never takes the keyboard from the program in front: the game
// moves the focus only among its own windows, and only while one of them already holds it.
// Otherwise a step of the game that takes the focus does nothing, as if it could not.
#pragma once

class QWidget;

namespace tolmark {

// Whether one of the game's windows holds the keyboard now.
bool GameHasKeyboard();

// Gives the window the keyboard if the game holds it; false (and nothing done) otherwise.
bool PassKeyboardWithinGame(QWidget& window);

}  // namespace tolmark
