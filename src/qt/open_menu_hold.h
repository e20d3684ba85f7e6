// The game's pop-up menu stays open while the game shows its figures.
//
// Qt closes every open pop-up menu as soon as an ordinary window is shown (tool windows
// excepted, which the figures cannot be: figure_window_kind.h). But the figures' windows show
// while the player reads the menu: a customer's next balloon, the answers to a question, a
// scene's first frame. While a MenusHeldOpen lives, the menus given to HoldOpen refuse that
// close; the player's own ways of closing them (a choice, Escape, a click elsewhere) are
// untouched.
#pragma once

class QMenu;

namespace tolmark {

// The menu and the submenus it has by now.
void HoldOpen(QMenu& menu);

class MenusHeldOpen {
 public:
  MenusHeldOpen();
  ~MenusHeldOpen();
  MenusHeldOpen(const MenusHeldOpen&) = delete;
  MenusHeldOpen& operator=(const MenusHeldOpen&) = delete;
};

}  // namespace tolmark
