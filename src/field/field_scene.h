// The road as a scene of the game: frmField, its menu, its small windows and its step codes.
#pragma once

#include "scene/scene_row.h"

namespace tolmark::field {

extern const SceneRow kFieldScene;

}  // namespace tolmark::field
