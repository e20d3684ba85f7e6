// Start-up of the scene windows and the hand-over from one scene to the next.
#pragma once

#include "scene/scenes.h"

namespace tolmark {

// The shop window's start-up: second-copy refusal, stray re-creation, new game or home-coming,
// the first frame of the shop, the carried-home balloon.
void ShopStartUp(Scenes& c);

// The part every other scene's start-up begins with. Returns false when the entry code is not
// this scene's (2 for the field, 6 for the town or castle): the start-up then does nothing.
bool FieldStartUpShared(Scenes& c);
bool ArmsStartUpShared(Scenes& c);

// Full start-ups of the field and the town/castle: the shared part, then the scene's own.
void FieldStartUp(Scenes& c);
void ArmsStartUp(Scenes& c);

// Hand-overs; the leaving scene performs them, in the order the receiving start-up relies on.
void HandOverShopToField(Scenes& c);
void HandOverFieldToShop(Scenes& c);
void HandOverFieldToArms(Scenes& c);
void HandOverArmsToField(Scenes& c);

// Closes a scene window for good: its timers stop with it.
void CloseSceneWindow(Scenes& c, Window scene);

// Re-fills every open information window of the scene on screen, then focuses the scene.
void RefreshOpenWindows(Scenes& c);

}  // namespace tolmark
