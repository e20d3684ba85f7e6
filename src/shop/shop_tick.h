// The shop tick (Timer1 of frmShop): the merchant's idle frames, the visitor's walk, auto play.
#pragma once

#include "scene/scenes.h"

namespace tolmark::shop {

// One tick; the dialogue layer also calls it directly in automatic play.
void ShopTick(Scenes& c);

}  // namespace tolmark::shop
