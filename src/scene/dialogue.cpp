// Talk balloons and answer balloons; in automatic play each balloon waits, then ticks its scene.
#include "scene/dialogue.h"

#include <string>

#include "model/language.h"
#include "model/numbers.h"
#include "scene/dispatch.h"
#include "scene/keys.h"
#include "scene/step_codes.h"

namespace tolmark {
namespace {

// An answer balloon carries the key that gives the same answer.
constexpr std::string_view kYesAnswer = "{answer}(Y)";
constexpr std::string_view kNoAnswer = "{answer}(N)";

void CloseBalloons(Desktop& desk) {
  desk.CloseWindow(Window::frmMessage);
  desk.CloseWindow(Window::frmYes);
  desk.CloseWindow(Window::frmNo);
}

// The scene on screen reads on by itself in automatic play at this step code: its tick then
// runs from inside the balloon routine. Null when it waits for a click instead.
const SceneRow* ReadsOnByItself(const Scenes& c) {
  const SceneRow* row = SceneOnScreen(c);
  return row != nullptr && Covers(row->autoTalk, c.s.PendingAction) ? row : nullptr;
}

void FocusScene(Scenes& c) { c.desk.Focus(CurrentScene(c)); }

}  // namespace

void ShowTalkLine(Scenes& c, std::string_view text, std::int32_t x, int side, bool fixedWait) {
  GameState& s = c.s;
  if (s.MessageBusy == kTrue) return;
  s.MessageBusy = kTrue;
  CloseBalloons(c.desk);
  c.desk.ShowTalk(Window::frmMessage, text, x, SatSub(s.HeroY, c.PxY(5)), side);

  if (s.AutoMode == kTrue) {
    if (fixedWait) {
      c.desk.Pump();
      c.desk.Sleep(2000);
    } else if (const SceneRow* row = ReadsOnByItself(c)) {
      // Clear the busy mark first: the tick below shows the next line from inside this call.
      s.TickFromDialogue = kTrue;
      s.MessageBusy = kFalse;
      c.desk.Pump();
      c.desk.Sleep(s.MessagePause);
      row->tick(c);
    }
  }
  s.MessageBusy = kFalse;
  FocusScene(c);
}

void Say(Scenes& c, std::string_view text, Flag atCounter) {
  ShowTalkLine(c, text, atCounter == kTrue ? 1800 : 1000, 0, false);
}

void AskYesNo(Scenes& c, std::string_view yesText, std::string_view noText) {
  GameState& s = c.s;
  if (s.MessageBusy == kTrue) return;
  s.MessageBusy = kTrue;
  CloseBalloons(c.desk);

  const AnswerPlacement& at = CurrentRow(c).answers;
  const std::int32_t y = SatSub(s.HeroY, c.PxY(5));

  std::int32_t yesX = SatAdd(s.HeroX, c.PxX(at.yesOffset));
  int yesSide = 1;
  std::int32_t yesY = y;
  // Near the left screen edge both balloons open to the right, the yes balloon higher.
  if (yesX < c.PxX(at.leftEdge)) {
    yesSide = 0;
    yesY = SatSub(s.HeroY, c.PxY(20));
  }
  std::int32_t noX = SatAdd(s.HeroX, c.PxX(at.noOffset));
  if (at.wagonShifts && s.WagonHired != kFalse) {
    yesX += c.PxX(18);
    noX += c.PxX(18);
  }
  c.desk.ShowTalk(Window::frmYes, Fill(kYesAnswer, {{"answer", yesText}}), yesX, yesY, yesSide);
  c.desk.ShowTalk(Window::frmNo, Fill(kNoAnswer, {{"answer", noText}}), noX, y, 0);

  if (const SceneRow* row = ReadsOnByItself(c); row != nullptr && s.AutoMode == kTrue) {
    s.AwaitingAnswer = kTrue;
    s.AutoAnswerPending = kTrue;
    s.MessageBusy = kFalse;
    c.desk.Pump();
    c.desk.Sleep(s.MessagePause);
    row->tick(c);
  }
  s.MessageBusy = kFalse;
  FocusScene(c);
}

void GiveAnswer(Scenes& c, std::int16_t code, bool manual) {
  GameState& s = c.s;
  if (s.InterruptPrompt != kFalse) {
    s.InterruptAnswer = code;
  } else {
    s.Answer = code;
  }
  s.AwaitingAnswer = kFalse;
  c.desk.CloseWindow(Window::frmYes);
  c.desk.CloseWindow(Window::frmNo);
  AddTo(s.PendingAction, code::AnswerRaisesBy);
  Dispatch(c, 1, manual);
}

bool ReadOnInAutomaticPlay(Scenes& c, int answerKey) {
  GameState& s = c.s;
  if (s.TickFromDialogue == kTrue) {
    s.TickFromDialogue = kFalse;
    Dispatch(c, 1, false);
    return true;
  }
  if (s.AutoAnswerPending == kTrue) {
    s.AutoAnswerPending = kFalse;
    KeyPressed(c, answerKey, false);
    return true;
  }
  return false;
}

}  // namespace tolmark
