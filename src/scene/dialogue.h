// Speech balloons and yes/no prompts, and how automatic play drives them without clicks.
#pragma once

#include <string_view>

#include "scene/scenes.h"

namespace tolmark {

inline constexpr std::int16_t kAnswerYes = 89;
inline constexpr std::int16_t kAnswerNo = 78;

// One talk line in the shop or the town/castle: atCounter -1 for the figure behind the counter
// (its balloon at 1800 units), 0 for the one in front of it (at 1000 units).
void Say(Scenes& c, std::string_view text, Flag atCounter);

// One talk line in the field, placed beside the hero: heroSpeaks -1 for the hero.
void SayInField(Scenes& c, std::string_view text, Flag heroSpeaks);

// The two answer balloons, yesText + "(Y)" and noText + "(N)".
void AskYesNo(Scenes& c, std::string_view yesText, std::string_view noText);

// The player's answer to the open prompt (89 yes, 78 no): stored, the pair closed, the step
// code raised by one and the dispatcher run once. manual is true for a key answer, which ends
// automatic play; a click on an answer balloon is not manual.
void GiveAnswer(Scenes& c, std::int16_t code, bool manual);

// A scene's tick in automatic play, called from the balloon that waited: the next line is
// read on, or the open prompt answered with answerKey (Y in the shop, N on the road). False
// when no balloon asked for it.
bool ReadOnInAutomaticPlay(Scenes& c, int answerKey);

}  // namespace tolmark
