// The commands every scene shares: speed, always in front, automatic play, ending the game.
#pragma once

#include "scene/scenes.h"

namespace tolmark {

// choice 1 fast, 2 normal, 3 slow, 0 the next one in the cycle slow -> normal -> fast -> slow.
void SetSpeed(Scenes& c, int choice);

// force -1 switches the option on; force 0 toggles it.
void SetAlwaysOnTop(Scenes& c, Flag force);

// Automatic play switched on from the shop menu ("mauto") or the field menu ("fmauto").
void ShopAutoOn(Scenes& c);
void FieldAutoOn(Scenes& c);

// The end item of any scene's menu: the step code is put aside and the question starts.
void StartExitCommand(Scenes& c);

// The end conversation, step codes 900..902.
void ExitCommand(Scenes& c);

// Routes a menu choice shared by all scenes; false when the item is a scene's own.
bool CommonMenuChosen(Scenes& c, std::string_view item);

}  // namespace tolmark
