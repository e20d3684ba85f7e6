// Speed, always in front, automatic play and the end conversation.
#include "scene/common_commands.h"

#include <array>
#include <string>

#include "scene/dialogue.h"
#include "scene/dispatch.h"
#include "scene/interruption.h"
#include "scene/outcome.h"

namespace tolmark {
namespace {

struct SpeedRow {
  int choice;
  std::int16_t tickInterval;
  std::int16_t messagePause;
};

inline constexpr std::array<SpeedRow, 3> kSpeeds = {{
    {1, 500, 500},    // fast
    {2, 1000, 2000},  // normal
    {3, 1500, 3000},  // slow
}};
static_assert(kSpeeds[0].choice == 1 && kSpeeds[1].choice == 2 && kSpeeds[2].choice == 3);

// The speed key cycles slow -> normal -> fast -> slow; an unknown period stays as it is.
int NextSpeed(std::int16_t tickInterval) {
  switch (tickInterval) {
    case 1500: return 2;
    case 1000: return 1;
    case 500: return 3;
    default: return 0;
  }
}

constexpr std::string_view kEndQuestion = "終了するが、いいのか？";

}  // namespace

void SetSpeed(Scenes& c, int choice) {
  GameState& s = c.s;
  if (choice == 0) choice = NextSpeed(s.TickInterval);
  if (choice < 1 || choice > 3) return;
  const SpeedRow& row = kSpeeds[static_cast<std::size_t>(choice - 1)];
  s.TickInterval = row.tickInterval;
  s.MessagePause = row.messagePause;

  if (const SceneRow* row = SceneOnScreen(c); row != nullptr && row->speedChanged != nullptr) {
    row->speedChanged(c);
  }
}

void SpeedFast(Scenes& c) { SetSpeed(c, 1); }
void SpeedNormal(Scenes& c) { SetSpeed(c, 2); }
void SpeedSlow(Scenes& c) { SetSpeed(c, 3); }

void SetAlwaysOnTop(Scenes& c, Flag force) {
  GameState& s = c.s;
  if (force == kTrue || s.AlwaysOnTop != kTrue) {
    c.desk.SetTimer(s.ActiveScene, Timer::Timer2, kWatchdogTickMs);
    s.AlwaysOnTop = kTrue;
  } else {
    c.desk.SetTimer(s.ActiveScene, Timer::Timer2, 0);
    s.AlwaysOnTop = kFalse;
  }
}

void AlwaysOnTopOn(Scenes& c) { SetAlwaysOnTop(c, kTrue); }
void AlwaysOnTopOff(Scenes& c) { SetAlwaysOnTop(c, kFalse); }

bool SpeedInForce(const GameState& s, int choice) {
  return s.TickInterval == kSpeeds[static_cast<std::size_t>(choice - 1)].tickInterval;
}

bool AlwaysOnTopOnShown(const GameState& s, bool /*now*/) { return s.AlwaysOnTop != kTrue; }
bool AlwaysOnTopOffShown(const GameState& s, bool /*now*/) { return s.AlwaysOnTop == kTrue; }

void StartExitCommand(Scenes& c) {
  BeginInterruption(c.s, code::SayEndQuestion);
  ExitCommand(c);
}

void ExitCommand(Scenes& c) {
  GameState& s = c.s;
  switch (s.PendingAction) {
    case code::SayEndQuestion:
      s.InterruptPrompt = kTrue;
      Speak(c, Speaker::Hero, kEndQuestion);
      s.PendingAction = code::ShowEndAnswers;
      return;
    case code::ShowEndAnswers:
      AskYesNo(c, "する", "しない");
      s.InterruptAnswer = 0;
      s.AwaitingAnswer = kTrue;
      c.desk.Focus(CurrentScene(c));
      return;
    case code::EndAnswered:
      if (s.InterruptAnswer == kAnswerYes) {
        const Window scene = CurrentScene(c);
        c.desk.UnloadAllExcept(scene);
        c.desk.CloseWindow(scene);
        c.desk.EndProgram();
      } else if (s.InterruptAnswer == kAnswerNo) {
        s.PendingAction = AbandonInterruption(c);
        Dispatch(c, 1, false);
      }
      return;
    default:
      return;
  }
}

}  // namespace tolmark
