// The scenes of the game, the shop first: the one place that names them all.
#pragma once

#include <array>

#include "scene/scene_row.h"

namespace tolmark {

extern const std::array<const SceneRow*, 3> kSceneList;

}  // namespace tolmark
