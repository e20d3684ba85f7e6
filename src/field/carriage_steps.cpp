// The ways off the road: the carriage to モノリス (its offer, the ride and the departure), the
// checkpoint on the castle road, and driving home in the hired wagon.
#include "field/carriage_rules.h"
#include "field/checkpoint_rules.h"
#include "field/field_codes.h"
#include "field/field_draw.h"
#include "field/field_operations.h"
#include "field/field_walk.h"
#include "field/going_home.h"
#include "model/numbers.h"
#include "scene/dialogue.h"
#include "scene/dispatch.h"
#include "scene/outcome.h"
#include "scene/small_windows.h"

namespace tolmark::field {
namespace {

// The kinds of the walking step for the carriage: the hero climbing in, and driving off.
constexpr std::int16_t kBoarding = 1;
constexpr std::int16_t kDrivingOff = 2;

// The carriage or the wagon drives off to the left, then the shop takes over. Every frame
// pumps, so the desktop stays responsive and the field tick can run in between (it idles or
// animates with the leaving carriage).
void Departure(Scenes& c) {
  GameState& s = c.s;
  s.CarriageLeaving = kTrue;
  // It sets off from the hero, or from the screen's right edge should he stand past it: a
  // position far out would otherwise slide for billions of frames.
  const std::int32_t from = std::min(s.HeroX, c.PxX(MetricsOf(c).screenWidthPixels));
  for (s.SlideOffset = SatAdd(from, c.PxX(kDepartureStartPx)); s.SlideOffset >= kDepartureEnd;
       s.SlideOffset -= kDepartureStride) {
    AnimateField(c, s.VisitorPicture, s.VisitorFrames, kDrivingOff);
    c.desk.Pump();
    c.desk.Sleep(2);
  }
  s.CarriageLeaving = kFalse;
  c.desk.Pump();
  c.desk.Sleep(500);
  HandOverFieldToShop(c);
}

void DepartByCarriage(Scenes& c) {
  c.s.PendingAction = code::RideUnderWay;
  c.s.FieldStop = kFalse;
  Departure(c);
}

// The hero climbs into the carriage, and it leaves.
void Ride(Scenes& c) {
  GameState& s = c.s;
  c.desk.CloseWindow(Window::frmMessage);
  s.PendingAction = code::RideUnderWay;
  for (s.SlideOffset = 0; s.SlideOffset <= 150; s.SlideOffset += 3) {
    AnimateField(c, s.VisitorPicture, s.VisitorFrames, kBoarding);
    c.desk.Pump();
    c.desk.Sleep(10);
  }
  c.desk.Pump();
  c.desk.Sleep(1000);
  DepartByCarriage(c);
}

// A question of the road: the last answer is forgotten and the balloons wait for the next.
void Ask(Scenes& c, std::string_view yesText, std::string_view noText, Flag interrupting) {
  GameState& s = c.s;
  (interrupting == kTrue ? s.InterruptAnswer : s.Answer) = 0;
  s.AwaitingAnswer = kTrue;
  AskYesNo(c, yesText, noText);
}

}  // namespace

void CarriageSelect(Scenes& c) {
  GameState& s = c.s;
  PlaceCarriage(s, MetricsOf(c));
  RedrawField(c, {Landmark(s), Hero(s), Carriage(s)}, Marker::Drawn);
  const CarriageCall call = CarriageArrives(s);
  if (call == CarriageCall::Defeat) RefreshOpenWindows(c);
  const std::string_view line = CarriageOpeningLine(call);
  if (!line.empty()) Speak(c, Speaker::Visitor, line);
}

void CarriageTurn(Scenes& c) {
  GameState& s = c.s;
  if (RideHomeAt(s.PendingAction)) {
    Ride(c);
    return;
  }
  if (s.PendingAction == code::RideUnderWay) return;  // a ride is under way
  if (s.Homebound != kFalse) {
    // Back from the town: the hero already sits in the carriage.
    c.desk.CloseWindow(Window::frmMessage);
    DepartByCarriage(c);
    return;
  }
  switch (s.PendingAction) {
    case code::TellFare: VisitorLine(c, FareLine(s), code::AskToBoard); return;
    case code::AskToBoard: Ask(c, carriage_line::kBoard, carriage_line::kStay, kFalse); return;
    case code::BoardAnswered:
      if (s.Answer == kAnswerYes) {
        Perform(c, AcceptRide(s));
        c.desk.Pump();
        c.desk.Sleep(2000);
        Ride(c);
      } else if (s.Answer == kAnswerNo) {
        Perform(c, RefuseRide(s));
      }
      return;
    default:
      return;
  }
}

void CheckPoint(Scenes& c) {
  GameState& s = c.s;
  GuardStepsUp(s);
  PlaceVisitor(s, MetricsOf(c));
  RedrawField(c, {Landmark(s), Hero(s), Visitor(s)});
  Speak(c, Speaker::Visitor, guard_line::kHalt);
}

void CheckTurn(Scenes& c) {
  GameState& s = c.s;
  switch (s.PendingAction) {
    case code::TurnedBack:
      if (s.WagonHired != kFalse) {
        HomeTurn(c);  // turned back with his own wagon: he drives home, no fare
        return;
      }
      break;
    case code::SentToCarriage: CarriageSelect(c); return;
    case code::RideHomeTurnedBack:
      LeaveCheckpoint(s);
      RefreshOpenWindows(c);
      CarriageTurn(c);
      return;
    default:
      break;
  }
  Perform(c, CheckTurnTalk(s));
}

void HomeTurn(Scenes& c) {
  GameState& s = c.s;
  switch (s.PendingAction) {
    case code::SayGoHome:
      AskToGoHome(s);
      c.desk.CloseWindow(Window::frmYes);
      c.desk.CloseWindow(Window::frmNo);
      Speak(c, Speaker::Hero, home_line::kAsk);
      return;
    case code::AskToGoHome: Ask(c, home_line::kGo, home_line::kStay, kTrue); return;
    case code::GoHomeAnswered:
      if (s.InterruptAnswer == kAnswerYes) {
        AgreeToGoHome(s);
        Speak(c, Speaker::Hero, home_line::kLetsGo);
        TurnWagonAbout(s, MetricsOf(c));
      } else if (s.InterruptAnswer == kAnswerNo) {
        const bool encounterGoesOn = StayOnTheRoad(s);
        c.desk.CloseWindow(Window::frmMessage);
        if (encounterGoesOn) Dispatch(c, 1, true);
      }
      return;
    case code::DriveHome:
      s.PendingAction = code::DrivingHome;
      c.desk.CloseWindow(Window::frmMessage);
      Departure(c);
      return;
    case code::TurnedBack:
      // Turned back at the checkpoint with his own wagon.
      TurnWagonAbout(s, MetricsOf(c));
      HeroLine(c, home_line::kNoChoice, code::DriveHome);
      return;
    default:
      return;
  }
}

}  // namespace tolmark::field
