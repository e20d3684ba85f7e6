// The shop as a scene of the game: frmShop, its menu, its small windows and its step codes.
#pragma once

#include <string_view>

#include "scene/common_commands.h"
#include "scene/scene_row.h"

namespace tolmark::shop {

extern const SceneRow kShopScene;

// The items every scene may carry, as the shop's menu names them.
inline constexpr SpeedItems kShopSpeed{"mSpeed", "mSpeed1", "mSpeed2", "mSpeed3"};
inline constexpr InFrontItems kShopInFront{"mActive", "mNoActive"};
inline constexpr std::string_view kShopEnd = "mend";

}  // namespace tolmark::shop
