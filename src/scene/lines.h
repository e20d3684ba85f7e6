// The one way a scene speaks: who says a line, and the line row every conversation is a table
// of. Each scene's row says a line in its own voice (SceneRow::say): where the balloon stands
// beside the hero or the one he faces is the scene's business, not the conversation's.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "scene/step_rows.h"

namespace tolmark {

// Who speaks: the hero, or the one he faces (a customer, a monster, a traveller, the dealer,
// the king).
enum class Speaker : std::uint8_t { Visitor, Hero };

// A line said at a step code, and the code that follows it. pauseAfterMs is a blocking pause
// after the line (0 for none).
struct LineRow {
  std::int32_t code;
  Speaker speaker;
  std::string_view text;
  std::int32_t next;
  int pauseAfterMs = 0;
};

// A conversation: line rows sorted by code (checked with SortedByCode where it is defined).
using Lines = std::span<const LineRow>;

// The row of that code, or none: the code then acts rather than talks, or does nothing.
inline const LineRow* FindLine(Lines lines, std::int32_t code) { return FindByCode(lines, code); }

}  // namespace tolmark
