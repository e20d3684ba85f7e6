// The scenes of the game, the shop first: the one place that names them all.
#pragma once

#include <array>

#include <span>

#include "present/desktop.h"
#include "scene/scene_row.h"

namespace tolmark {

extern const std::array<const SceneRow*, 3> kSceneList;

// The scene and menu windows of those scenes, as a desktop is told them.
SceneWindows SceneWindowsOf(std::span<const SceneRow* const> rows);

}  // namespace tolmark
