// The town and the castle as a scene of the game: frmArms, its menu, windows and step codes.
#pragma once

#include <string_view>

#include "scene/common_commands.h"
#include "scene/scene_row.h"

namespace tolmark::town {

extern const SceneRow kTownScene;

// The items every scene may carry, as the town's menu names them (it has no speed).
inline constexpr InFrontItems kTownInFront{"aActive", "aNoActive"};
inline constexpr std::string_view kTownEnd = "aend";

}  // namespace tolmark::town
