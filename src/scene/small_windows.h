// A scene's small information windows, through the scene's rows: open, refill, close.
#pragma once

#include <initializer_list>

#include "scene/scenes.h"

namespace tolmark {

// Re-fills every open information window of the scene on screen, then focuses the scene.
void RefreshOpenWindows(Scenes& c);

// Opens the window when closed, closes it when open, then focuses its scene.
void ToggleSmallWindow(Scenes& c, Window window);

// Each of these windows that is open is closed and shown anew, in the order given: what a
// discard does to the windows that show the goods.
void ShowAgain(Scenes& c, std::initializer_list<Window> windows);

// The window is closed and its open flag cleared.
void CloseSmallWindow(Scenes& c, Window window);

// Leaving a scene: each of its small windows is closed and its flag cleared.
void CloseSmallWindows(Scenes& c, const SceneRow& row);

}  // namespace tolmark
