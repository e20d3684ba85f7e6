// Keys: S speed, T always in front, A automatic play, Y/N answers, G/Enter advance, menu key.
#include "scene/keys.h"

#include "scene/common_commands.h"
#include "scene/dialogue.h"
#include "scene/dispatch.h"

namespace tolmark {

void KeyPressed(Scenes& c, int keyCode, bool manual) {
  GameState& s = c.s;
  switch (keyCode) {
    case kKeyS:
      SetSpeed(c, 0);
      return;
    case kKeyT:
      SetAlwaysOnTop(c, kFalse);
      return;
    case kKeyA:
      if (const SceneRow* row = SceneOnScreen(c); row != nullptr && row->autoKey != nullptr) {
        row->autoKey(c);
      }
      return;
    default:
      break;
  }

  if (s.AwaitingAnswer == kTrue) {
    if (keyCode == kKeyY || keyCode == kKeyN) {
      GiveAnswer(c, static_cast<std::int16_t>(keyCode), manual);
    }
    return;
  }
  if (keyCode == kKeyG || keyCode == kKeyEnter) {
    Dispatch(c, 1, manual);
  } else if (keyCode == kKeyMenu) {
    Dispatch(c, 2, manual);
  }
}

}  // namespace tolmark
