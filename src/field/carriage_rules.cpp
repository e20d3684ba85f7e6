// Fares, the fare rule for a light purse, and the carriage's offers.
#include "field/carriage_rules.h"

#include <algorithm>
#include <limits>

#include "field/battle_rules.h"
#include "field/field_codes.h"
#include "field/roads.h"
#include "model/language.h"
#include "model/numbers.h"

namespace tolmark::field {
namespace {

// The most a fare is ever reckoned at: keeps a wild position from overflowing the rounding.
constexpr double kFareCeiling = std::numeric_limits<std::int32_t>::max();

std::int32_t FareFrom(double amount) {
  return CLng(std::clamp(amount, -kFareCeiling, kFareCeiling));
}

// A light purse: all the money goes, and the merchant's name suffers for it.
FarePayment PayWithLightPurse(GameState& s) {
  FarePayment paid;
  paid.purseTooLight = true;
  paid.paid = std::max(s.Gold, 0);
  const std::int32_t kept = std::max(SatSub(s.Reputation, SatMul(s.Level, 3)), 0);
  paid.reputationLost = SatSub(s.Reputation, kept);
  s.Reputation = kept;
  s.Gold = 0;
  return paid;
}

FarePayment PayInFull(GameState& s) {
  FarePayment paid;
  paid.paid = s.DealAmount;
  SubtractFrom(s.Gold, s.DealAmount);
  return paid;
}

constexpr std::int32_t kWarningStep = 299;

}  // namespace

double StepsWalked(const GameState& s) {
  if (s.FieldStepX <= 0) return 0.0;
  return (static_cast<double>(s.HeroX) - s.FieldStartX) / s.FieldStepX;
}

std::optional<std::int32_t> CarriageFare(const GameState& s) {
  const double steps = StepsWalked(s);
  const Fare fare = RoadTo(s.Destination).fare;
  if (fare.base == 0) return std::nullopt;
  return FareFrom(steps * fare.perStep + fare.base);
}

void SetCarriageFare(GameState& s) {
  if (const auto fare = CarriageFare(s)) s.DealAmount = *fare;
}

FarePayment PayFare(GameState& s) {
  return s.Gold < s.DealAmount ? PayWithLightPurse(s) : PayInFull(s);
}

void SetBossRideFare(GameState& s) { s.DealAmount = FareFrom(StepsWalked(s) + 500); }

FarePayment PayBossRideFare(GameState& s) {
  return s.Gold > s.DealAmount ? PayInFull(s) : PayWithLightPurse(s);
}

CarriageCall ClassifyCarriage(const GameState& s) {
  if (s.PendingAction == code::DefeatCounted || s.BossBattle == kTrue) return CarriageCall::Defeat;
  if (s.PendingAction == code::SentToCarriage) return CarriageCall::SentFromCheckpoint;
  if (s.PendingAction == code::OfferBossRide) return CarriageCall::AfterBossScene;
  if (s.FieldSteps != kWarningStep) return CarriageCall::PlainOffer;
  // At step 299 the driver knows what lies ahead: on some roads nothing at all, and danger
  // before the orc and on the road that warns.
  const Road& road = RoadTo(s.Destination);
  if (road.nothingBeyond != nullptr && road.nothingBeyond(s)) return CarriageCall::NothingBeyond;
  if (s.Chapter == 1 && s.StepEventDone == kFalse && s.StoryState < 2) {
    return CarriageCall::Warning;
  }
  if (road.carriageWarns && s.StepEventDone == kFalse) return CarriageCall::Warning;
  return CarriageCall::PlainOffer;
}

std::int32_t CarriageNextCode(CarriageCall call) {
  switch (call) {
    case CarriageCall::Defeat: return code::RideHomeBeaten;
    case CarriageCall::SentFromCheckpoint: return code::RideHomeTurnedBack;
    case CarriageCall::AfterBossScene: return code::RideHomeFromBoss;
    case CarriageCall::NothingBeyond: return code::RideHomeNothingBeyond;
    case CarriageCall::Warning:
    case CarriageCall::PlainOffer: return code::TellFare;
  }
  return code::TellFare;
}

std::string_view CarriageOpeningLine(CarriageCall call) {
  switch (call) {
    case CarriageCall::Defeat: return carriage_line::kDefeat;
    case CarriageCall::SentFromCheckpoint: return carriage_line::kHurryAboard;
    case CarriageCall::AfterBossScene: return {};
    case CarriageCall::NothingBeyond: return carriage_line::kNothingBeyond;
    case CarriageCall::Warning: return carriage_line::kWarning;
    case CarriageCall::PlainOffer: return carriage_line::kPlainOffer;
  }
  return {};
}

CarriageCall CarriageArrives(GameState& s) {
  const CarriageCall call = ClassifyCarriage(s);
  s.EventActive = kTrue;
  SetCarriageFare(s);
  if (s.FieldSteps == kWarningStep && (call == CarriageCall::NothingBeyond ||
                                       call == CarriageCall::Warning ||
                                       call == CarriageCall::PlainOffer)) {
    s.CarriagePlainOffer = AsFlag(call == CarriageCall::PlainOffer);
  }
  if (call == CarriageCall::Defeat) ApplyDefeatLosses(s);
  if (call == CarriageCall::NothingBeyond) PayFare(s);
  s.PendingAction = CarriageNextCode(call);
  return call;
}

bool RefusedTheWarning(const GameState& s) {
  return s.FieldSteps == kWarningStep && s.CarriagePlainOffer == kFalse;
}

bool RideHomeAt(std::int32_t step) {
  return step == code::RideHomeBeaten || step == code::RideHomeTurnedBack ||
         step == code::OfferBossRide || step == code::RideHomeNothingBeyond;
}

std::string FareLine(const GameState& s) {
  return Fill(carriage_line::kFare, {{"fare", std::to_string(s.DealAmount)}});
}

Outcome AcceptRide(GameState& s) {
  s.Answer = 0;
  const FarePayment paid = PayFare(s);
  Outcome o;
  o.line = paid.purseTooLight ? carriage_line::kPennilessAboard : carriage_line::kAboard;
  return o;
}

Outcome RefuseRide(GameState& s) {
  s.Answer = 0;
  return Says(Speaker::Visitor,
              std::string(RefusedTheWarning(s) ? carriage_line::kRefusedWarning
                                               : carriage_line::kRefusedOffer),
              code::ResumeWalking);
}

}  // namespace tolmark::field
