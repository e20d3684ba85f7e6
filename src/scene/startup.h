// What every scene's start-up and every hand-over between scenes is made of.
#pragma once

#include "scene/scenes.h"

namespace tolmark {

// The scene window comes up: it becomes the scene on screen, its watchdog follows the
// always-in-front option, and its menu is rebuilt.
void ShowSceneWindow(Scenes& c, const SceneRow& row);

// The start-up of a scene entered from another: false (and nothing done) when SceneEntry is not
// this scene's entry code, otherwise the scene window comes up as above.
bool EnterScene(Scenes& c, const SceneRow& row);

// Hand-over: the start-up of the scene whose entry code SceneEntry now holds.
void StartEnteredScene(Scenes& c);

// Closes a scene window for good: its timers stop with it.
void CloseSceneWindow(Scenes& c, Window scene);

}  // namespace tolmark
