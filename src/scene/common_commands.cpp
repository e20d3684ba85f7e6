// Speed, always in front, automatic play and the end conversation.
#include "scene/common_commands.h"

#include <array>
#include <string>

#include "scene/dialogue.h"
#include "scene/dispatch.h"
#include "scene/interruption.h"

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

  if (InShop(s)) {
    // A stopped timer or a walking customer keeps its period; it picks the speed up when next set.
    const int period = c.desk.TimerPeriod(Window::frmShop, Timer::Timer1);
    if (period != 0 && period != kWalkingTickMs) {
      c.desk.SetTimer(Window::frmShop, Timer::Timer1, s.TickInterval);
    }
  } else if (InField(s)) {
    c.desk.SetTimer(Window::frmField, Timer::Timer1, s.TickInterval);
  }
}

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

void ShopAutoOn(Scenes& c) {
  GameState& s = c.s;
  if (s.AutoMode == kTrue) return;
  s.AutoMode = kTrue;
  s.ShopSign = 100;
  c.desk.Focus(Window::frmShop);
}

void FieldAutoOn(Scenes& c) { c.s.AutoMode = kTrue; }

void StartExitCommand(Scenes& c) {
  BeginInterruption(c.s, 900);
  if (InShop(c.s)) c.desk.Focus(Window::frmShop);
  ExitCommand(c);
}

void ExitCommand(Scenes& c) {
  GameState& s = c.s;
  switch (s.PendingAction) {
    case 900:
      s.InterruptPrompt = kTrue;
      if (InField(s)) {
        SayInField(c, kEndQuestion, kTrue);
      } else {
        // In the town the hero stands in front of the counter.
        Say(c, kEndQuestion, InShop(s) ? kTrue : kFalse);
      }
      s.PendingAction = 901;
      return;
    case 901:
      AskYesNo(c, "する", "しない");
      s.InterruptAnswer = 0;
      s.AwaitingAnswer = kTrue;
      c.desk.Focus(CurrentScene(s));
      return;
    case 902:
      if (s.InterruptAnswer == kAnswerYes) {
        const Window scene = CurrentScene(s);
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

bool CommonMenuChosen(Scenes& c, std::string_view item) {
  if (item == "mSpeed1" || item == "fSpeed1") {
    SetSpeed(c, 1);
  } else if (item == "mSpeed2" || item == "fSpeed2") {
    SetSpeed(c, 2);
  } else if (item == "mSpeed3" || item == "fSpeed3") {
    SetSpeed(c, 3);
  } else if (item == "mActive" || item == "fActive" || item == "aActive") {
    SetAlwaysOnTop(c, kTrue);
  } else if (item == "mNoActive" || item == "fNoActive" || item == "aNoActive") {
    SetAlwaysOnTop(c, kFalse);
  } else if (item == "mauto") {
    ShopAutoOn(c);
  } else if (item == "fmauto") {
    FieldAutoOn(c);
  } else if (item == "mend" || item == "fmend" || item == "aend") {
    StartExitCommand(c);
  } else {
    return false;
  }
  return true;
}

}  // namespace tolmark
