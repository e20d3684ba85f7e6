// What a step of an encounter hands back, as the tests read it.
#pragma once

#include "field/field_operations.h"
#include "scene/outcome.h"

namespace tolmark::field {

// The last line: said, then the encounter ends.
inline bool IsClosing(const Outcome& o) { return !o.line.empty() && o.then == FinishEncounter; }
// The two answer balloons.
inline bool IsPrompt(const Outcome& o) { return !o.yes.empty() && o.line.empty(); }
// A line, and the encounter goes on.
inline bool IsLine(const Outcome& o) {
  return !o.line.empty() && o.yes.empty() && o.then == nullptr;
}
// A code that names no step.
inline bool IsNothing(const Outcome& o) {
  return o.line.empty() && o.yes.empty() && !o.next && o.then == nullptr;
}

}  // namespace tolmark::field
