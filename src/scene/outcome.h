// What a step of a scene does next, as one value, and the one routine that does it. Step rules
// work out an Outcome from the game state; Perform shows it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "scene/lines.h"
#include "scene/scenes.h"

namespace tolmark {

// Perform does each part that is set, in this order:
struct Outcome {
  std::optional<std::int32_t> next;  // 1. the step code (none: as the step left it)
  bool refreshWindows = false;       // 2. the open small windows filled again
  Speaker speaker = Speaker::Visitor;
  std::string line;                  // 3. said in the scene's own voice (empty: nothing said)
  int pauseAfterMs = 0;              // 4. a blocking pause
  std::string_view yes;              // 5. the yes/no prompt (empty yes: none)
  std::string_view no;
  SceneStep then = nullptr;          // 6. the scene's own follow-up (open a window, walk out)
};

// A line and the code after it.
Outcome Says(Speaker speaker, std::string line, std::int32_t next);

// A row of a conversation as it stands, or with its text worked out from the game.
Outcome Says(const LineRow& row);
Outcome Says(const LineRow& row, std::string line);

// The yes/no prompt; the answer raises the step code by one.
Outcome Asks(std::string_view yes, std::string_view no);

// A line in the voice of the scene on screen.
void Speak(Scenes& c, Speaker speaker, std::string_view text);

// Does what the outcome says, in its order. A prompt focuses the scene window and waits for the
// answer (AwaitingAnswer set, Answer cleared) before the balloons open, as automatic play may
// answer from inside them.
void Perform(Scenes& c, const Outcome& outcome);

}  // namespace tolmark
