// Interrupting commands (close, end) that ask their question in the middle of a visit.
#pragma once

#include <cstdint>

#include "scene/scenes.h"

namespace tolmark {

// The command takes over: the step code of a visit under way is put aside, and questionCode
// becomes the step code.
void BeginInterruption(GameState& s, std::int32_t questionCode);

// The answer was no: the question's balloon closes and the command lets go, unless the step code
// put aside belongs to a command of the scene that still runs. Returns that step code, for the
// caller to resume.
std::int32_t AbandonInterruption(Scenes& c);

}  // namespace tolmark
