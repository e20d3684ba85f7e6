// The shop, the road, and the town with its castle: each defined in its own folder.
#include "game/scene_list.h"

#include "field/field_scene.h"
#include "shop/shop_scene.h"
#include "town/town_scene.h"

namespace tolmark {

constexpr std::array<const SceneRow*, 3> kSceneList = {&shop::kShopScene, &field::kFieldScene,
                                                      &town::kTownScene};

SceneWindows SceneWindowsOf(std::span<const SceneRow* const> rows) {
  SceneWindows windows;
  for (const SceneRow* row : rows) {
    windows.scenes.push_back(row->window);
    windows.menus.push_back(row->menuWindow);
  }
  return windows;
}

}  // namespace tolmark
