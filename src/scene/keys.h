// The key handler of the scene windows: option letters, answers, advance and menu keys.
#pragma once

#include "scene/scenes.h"

namespace tolmark {

inline constexpr int kKeyEnter = 13;
inline constexpr int kKeyA = 65;
inline constexpr int kKeyG = 71;
inline constexpr int kKeyN = 78;
inline constexpr int kKeyS = 83;
inline constexpr int kKeyT = 84;
inline constexpr int kKeyY = 89;
inline constexpr int kKeyMenu = 93;

// manual is true for the player's own key, false for the shop tick answering in automatic play.
void KeyPressed(Scenes& c, int keyCode, bool manual);

}  // namespace tolmark
