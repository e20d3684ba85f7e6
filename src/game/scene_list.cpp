// The shop, the road, and the town with its castle: each defined in its own folder.
#include "game/scene_list.h"

#include "field/field_scene.h"
#include "shop/shop_scene.h"
#include "town/town_scene.h"

namespace tolmark {

constexpr std::array<const SceneRow*, 3> kSceneList = {&shop::kShopScene, &field::kFieldScene,
                                                      &town::kTownScene};

}  // namespace tolmark
