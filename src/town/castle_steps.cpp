// The king's counter and the story's end: the delivery of the royal order, the king's story,
// the epilogue that saves the game and writes the clear report, and the closing notes.
#include <filesystem>
#include <string>

#include "art/picture_names.h"
#include "save/save_file.h"
#include "scene/outcome.h"
#include "town/arms_layout.h"
#include "town/arms_operations.h"
#include "town/castle_delivery.h"
#include "town/clear_report.h"
#include "town/ending_epilogue.h"
#include "town/ending_story.h"
#include "town/town_codes.h"

namespace tolmark::town {
namespace {

void Frame(Scenes& c, std::int32_t picture, std::int32_t x, std::int32_t y) {
  c.desk.BeginScene(Window::frmArms, 1);
  c.desk.DrawPicture(Window::frmArms, picture, x, y);
  c.desk.ShowScene(Window::frmArms);
}

// The game saves itself and writes its clear report; a file that cannot be written is told,
// never passed over as if it had been.
void KeepTheEnding(Scenes& c) {
  GameState& s = c.s;
  if (!WriteSaveFile(s, std::filesystem::path(kSaveFileName))) {
    c.desk.MessageBox(ending_line::kSaveFailed, true);
  }
  if (!WriteClearReport(s, std::filesystem::path(kClearReportFileName))) {
    c.desk.MessageBox(ending_line::kReportFailed, true);
  }
}

// Everything from the bare stage to the thanks, within one click.
void Epilogue(Scenes& c) {
  GameState& s = c.s;
  BeginEpilogue(s);
  c.desk.CloseWindow(Window::frmMessage);
  Frame(c, s.VisitorPicture, s.VisitorX, s.VisitorY);
  c.desk.Sleep(kBareStagePauseMs);
  for (const NarrationLine& line : kEpilogueNarration) {
    Speak(c, Speaker::Hero, line.text);
    c.desk.Pump();
    c.desk.Sleep(line.pauseAfterMs);
  }
  HeroStandsAlone(s);
  Frame(c, s.HeroPicture, s.HeroX, s.HeroY);
  SettleTheEnding(s, [&c] {
    c.desk.Pump();
    c.desk.Sleep(kLostGoodsPauseMs);
  });
  KeepTheEnding(c);
  s.PendingAction = code::ThanksBusy;
  Speak(c, Speaker::Hero, kThanksForPlaying);
  c.desk.Pump();
  s.PendingAction = code::ClosingNotes;
}

}  // namespace

void CastleTurn(Scenes& c) {
  GameState& s = c.s;
  if (const LineRow* row = FindLine(CastleScript(s), s.PendingAction)) {
    Perform(c, Says(*row));
    return;
  }
  switch (s.PendingAction) {
    case code::HeroAnswers:
      if (s.GameCleared == kFalse) return;
      ReplayEnding(s);
      EndingTurn(c);
      return;
    case code::Deliver: {
      const DeliveryOutcome outcome = DeliverRoyalOrder(s, [&c](const std::string& line) {
        Speak(c, Speaker::Visitor, line);
        c.desk.Pump();
        c.desk.Sleep(kDeliveryRowPauseMs);
      });
      s.PendingAction = outcome.next;
      if (outcome.next == code::KingPaysInFull) {
        EndingTurn(c);
      } else {
        Speak(c, Speaker::Visitor, outcome.line);
      }
      return;
    }
    case code::KingPays:
      Perform(c, PaymentTalk(s));
      return;
    case code::LeaveCastle:
      StartWalkingOut(s);
      WalkOut(c);
      return;
    default:
      return;
  }
}

void EndingTurn(Scenes& c) {
  GameState& s = c.s;
  const std::int32_t at = s.PendingAction;
  if (const LineRow* row = FindLine(KingsStory(), at)) {
    Perform(c, Says(*row, EndingRowLine(*row, s)));
  } else if (const LineRow* note = FindLine(ClosingNotes(), at)) {
    Perform(c, Says(*note));
  } else if (at == code::Epilogue) {
    Epilogue(c);
  } else if (at == code::GameCloses) {
    // With no window left the game is over; the desktop is told so rather than left to notice.
    c.desk.UnloadAllExcept(Window::frmArms);
    c.desk.CloseWindow(Window::frmArms);
    c.desk.EndProgram();
  }
}

}  // namespace tolmark::town
