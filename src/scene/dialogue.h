// Speech balloons and yes/no prompts, and how automatic play drives them without clicks.
#pragma once

#include <string_view>

#include "scene/scenes.h"

namespace tolmark {

inline constexpr std::int16_t kAnswerYes = 89;
inline constexpr std::int16_t kAnswerNo = 78;

// A talk balloon at (x, HeroY - 5 px) opening to the right (side 0) or the left (1): where every
// scene's voice ends. Unless a balloon is already being shown (MessageBusy), the old balloons
// close and this one opens; in automatic play it then waits and ticks the scene when the scene
// reads on by itself at this step code, or, for a line with a fixed wait, just waits 2000 ms.
void ShowTalkLine(Scenes& c, std::string_view text, std::int32_t x, int side, bool fixedWait);

// One talk line at a counter (the shop, the town, the castle): atCounter -1 for the figure
// behind it (its balloon at 1800 units), 0 for the one in front of it (at 1000 units).
void Say(Scenes& c, std::string_view text, Flag atCounter);

// The two answer balloons, each answer followed by its key: yesText "(Y)" and noText "(N)".
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
