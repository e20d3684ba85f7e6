// The commands every scene shares: speed, always in front, automatic play, ending the game.
#pragma once

#include "scene/scenes.h"
#include "scene/step_codes.h"

namespace tolmark {

// choice 1 fast, 2 normal, 3 slow, 0 the next one in the cycle slow -> normal -> fast -> slow.
void SetSpeed(Scenes& c, int choice);

// force -1 switches the option on; force 0 toggles it.
void SetAlwaysOnTop(Scenes& c, Flag force);

// The speed and always-in-front items every scene's menu carries.
void SpeedFast(Scenes& c);
void SpeedNormal(Scenes& c);
void SpeedSlow(Scenes& c);
void AlwaysOnTopOn(Scenes& c);
void AlwaysOnTopOff(Scenes& c);

// The end item of any scene's menu: the step code is put aside and the question starts.
void StartExitCommand(Scenes& c);

// The end conversation, code::SayEndQuestion to code::EndAnswered.
void ExitCommand(Scenes& c);

// The step codes of the end conversation, as every scene routes them.
inline constexpr CodeRange kEndConversation{code::EndConversationFirst, code::EndConversationLast,
                                             ExitCommand};

}  // namespace tolmark
