// The game keeps the floor it was told when it started: its figures, balloons and windows stay
// in those coordinates for the whole run, so a walk in progress never jumps. When the desktop's
// floor moves (a panel moved or resized, a monitor plugged), the back end moves the game's
// windows instead, by the difference between the two floors, from the places it gave them.
#pragma once

namespace tolmark {

class FloorMapping {
 public:
  explicit FloorMapping(int floor) : game_(floor), desktop_(floor) {}

  // The floor the game was told, in logical pixels from the top of the screen.
  int GameFloor() const { return game_; }
  // How far down the game's coordinates lie on the desktop now.
  int Shift() const { return desktop_ - game_; }
  // Takes the desktop's new floor; returns how far the game's windows must move down.
  int Follow(int desktopFloor) {
    const int moved = desktopFloor - desktop_;
    desktop_ = desktopFloor;
    return moved;
  }

 private:
  int game_;
  int desktop_;
};

}  // namespace tolmark
