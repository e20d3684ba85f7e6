// What the game's windows report to the desktop, which hands it on to the game when it may.
#pragma once

#include "model/window.h"

namespace tolmark {

class InputRouter {
 public:
  virtual ~InputRouter() = default;
  virtual void RouteMouseDown(Window window, int button) = 0;
  virtual void RouteKeyDown(Window window, int keyCode) = 0;
  virtual void RouteListMouseDown(Window window, int row, int button) = 0;
  virtual void RouteDoubleClick(Window window) = 0;
  // The window manager's close button: the game closes the window its own way, or keeps it.
  virtual void RouteCloseRequest(Window window) = 0;
};

// The game's button numbers: 1 left, 2 right, 3 middle; 0 for any other button.
int GameButton(int qtButton);

}  // namespace tolmark
