// The road as a scene of the game: frmField, its menu, its small windows and its step codes.
#pragma once

#include <string_view>

#include "scene/common_commands.h"
#include "scene/scene_row.h"

namespace tolmark::field {

extern const SceneRow kFieldScene;

// The items every scene may carry, as the road's menu names them.
inline constexpr SpeedItems kFieldSpeed{"fSpeed", "fSpeed1", "fSpeed2", "fSpeed3"};
inline constexpr InFrontItems kFieldInFront{"fActive", "fNoActive"};
inline constexpr std::string_view kFieldEnd = "fmend";

}  // namespace tolmark::field
