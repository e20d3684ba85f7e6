// Which scene is on screen, read from SceneName.
#include "scene/scenes.h"

namespace tolmark {

bool InShop(const GameState& s) { return s.SceneName == "frmShop"; }
bool InField(const GameState& s) { return s.SceneName == "frmField"; }
bool InArms(const GameState& s) { return s.SceneName == "frmArms"; }

bool SceneIsCurrent(const GameState& s) { return InShop(s) || InField(s) || InArms(s); }

Window CurrentScene(const GameState& s) {
  if (InField(s)) return Window::frmField;
  if (InArms(s)) return Window::frmArms;
  return Window::frmShop;
}

}  // namespace tolmark
