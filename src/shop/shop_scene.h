// The shop as a scene of the game: frmShop, its menu, its small windows and its step codes.
#pragma once

#include "scene/scene_row.h"

namespace tolmark::shop {

extern const SceneRow kShopScene;

}  // namespace tolmark::shop
