// The talk of the town and castle counter as rows: who speaks, the line, and the step code
// after it. The market greeting, the castle's greeting and farewell, the king's story and the
// closing notes are all such rows; the step functions look a code up, say the line with Say
// (the counter figure's balloon or the hero's) and move to the row's next code.
// Nothing here draws from Random.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "model/game_state.h"
#include "scene/step_rows.h"

namespace tolmark::town {

// Who speaks: the figure behind the counter (the town dealer or the king), or the hero in
// front of it. The ending's narration and its closing notes stand at the hero's side.
enum class Speaker : std::uint8_t { Counter, Hero };

// The flag Say takes for the speaker: -1 behind the counter (balloon at 1800 units), 0 the hero
// (balloon at 1000 units).
constexpr Flag SayFlag(Speaker speaker) { return speaker == Speaker::Counter ? kTrue : kFalse; }

// A line said at a step code, and the code that follows it. pauseAfterMs is a blocking pause
// the step function makes after saying the line (0 for none).
struct TalkRow {
  std::int32_t code;
  Speaker speaker;
  std::string_view text;
  std::int32_t next;
  int pauseAfterMs = 0;
};

using TalkScript = std::span<const TalkRow>;

// The row of that code, or none: the code then acts rather than talks, or does nothing.
inline const TalkRow* FindTalkRow(TalkScript script, std::int32_t code) {
  return FindByCode(script, code);
}

// A line worked out from the game (a sum of money, a purse, a delivered row) with its speaker
// and the next code. An empty line says nothing; next 0 leaves PendingAction as it is.
struct TalkStep {
  Speaker speaker = Speaker::Counter;
  std::string line;
  std::int32_t next = 0;
};

}  // namespace tolmark::town
