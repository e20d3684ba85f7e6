// Performing a scene's outcome: the code, the windows, the line, the pause, the prompt.
#include "scene/outcome.h"

#include <utility>

#include "scene/dialogue.h"
#include "scene/small_windows.h"

namespace tolmark {

Outcome Says(Speaker speaker, std::string line, std::int32_t next) {
  Outcome o;
  o.next = next;
  o.speaker = speaker;
  o.line = std::move(line);
  return o;
}

Outcome Says(const LineRow& row) { return Says(row, std::string(row.text)); }

Outcome Says(const LineRow& row, std::string line) {
  Outcome o = Says(row.speaker, std::move(line), row.next);
  o.pauseAfterMs = row.pauseAfterMs;
  return o;
}

Outcome Asks(std::string_view yes, std::string_view no) {
  Outcome o;
  o.yes = yes;
  o.no = no;
  return o;
}

void Speak(Scenes& c, Speaker speaker, std::string_view text) {
  CurrentRow(c).say(c, speaker, text);
}

void Perform(Scenes& c, const Outcome& outcome) {
  GameState& s = c.s;
  if (outcome.next) s.PendingAction = *outcome.next;
  if (outcome.refreshWindows) RefreshOpenWindows(c);
  if (!outcome.line.empty()) Speak(c, outcome.speaker, outcome.line);
  if (outcome.pauseAfterMs > 0) c.desk.Sleep(outcome.pauseAfterMs);
  if (!outcome.yes.empty()) {
    c.desk.Focus(CurrentScene(c));
    s.AwaitingAnswer = kTrue;
    s.Answer = 0;
    AskYesNo(c, outcome.yes, outcome.no);
  }
  if (outcome.then != nullptr) outcome.then(c);
}

}  // namespace tolmark
