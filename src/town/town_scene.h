// The town and the castle as a scene of the game: frmArms, its menu, windows and step codes.
#pragma once

#include "scene/scene_row.h"

namespace tolmark::town {

extern const SceneRow kTownScene;

}  // namespace tolmark::town
