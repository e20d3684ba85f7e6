// High and low with the card player, one step a click.
#include "field/card_game.h"

#include <string>
#include <utility>

#include "model/numbers.h"
#include "model/progression.h"
#include "model/random.h"

namespace tolmark::field {
namespace {

constexpr std::int32_t kCards = 13;
constexpr std::int32_t kMostTurns = 5;

std::string Num(std::int32_t n) { return std::to_string(n); }

// A card of thirteen, 1..13.
std::int32_t DrawCard(Random& random) { return Int(random.Rnd() * kCards) + 1; }

Outcome Line(std::string text, bool refresh = false) {
  return EncounterLine(std::move(text), refresh);
}

// A bet: the stake leaves the purse, and the card on the table is named.
Outcome Bet(GameState& s) {
  SubtractFrom(s.Gold, s.CardStake);
  s.EventCode = 2;
  return Line(std::string(card_line::kTurnBefore) + Num(s.CardRound) +
                  std::string(card_line::kTurnAfter) + Num(s.CardShown),
              true);
}

// The next card is never the one shown: a shown 13 can only be followed by a lower card.
Outcome TurnTheCard(GameState& s, Random& random) {
  random.Reseed();
  do {
    s.CardDrawn = DrawCard(random);
  } while (s.CardDrawn == s.CardShown);
  const bool high = s.CardGuess == kTrue;
  const bool right = (s.CardDrawn > s.CardShown && high) || (s.CardDrawn < s.CardShown && !high);
  s.EventCode = right ? 10 : 40;
  return Line(std::string(card_line::kTheCardIs) + Num(s.CardDrawn));
}

Outcome RightGuess(GameState& s) {
  if (s.Gold >= s.CardStake && s.CardRound < kMostTurns) {
    s.EventCode = 11;
    return Line(std::string(card_line::kRightGoOn) + Num(s.DealAmount * 2) +
                std::string(card_line::kGoOnAfter));
  }
  if (s.Gold < s.CardStake) {
    s.EventCode = 13;
    return Line(std::string(card_line::kRight));
  }
  if (s.CardRound == kMostTurns) {
    s.EventCode = 14;
    return Line(std::string(card_line::kRight));
  }
  return {};
}

}  // namespace

void CardAnswer(GameState& s, bool yes) {
  switch (s.EventCode) {
    case 2:
      s.CardGuess = yes ? kTrue : kFalse;
      s.EventCode = 3;
      return;
    case 11:
      s.EventCode = yes ? 12 : 30;
      return;
    default:
      s.EventCode = yes ? 1 : 51;
      return;
  }
}

Outcome CardGameStep(GameState& s, Random& random) {
  switch (s.EventCode) {
    case 100:
      s.CardRound = 0;
      s.EventCode = 101;
      return Line(std::string(card_line::kInvite));
    case 101:
      s.EventCode = 102;
      return Line(std::string(card_line::kRules));
    case 102:
      s.EventCode = 103;
      return Line(std::string(card_line::kStakeBefore) + Num(s.DealAmount) +
                  std::string(card_line::kStakeAfter));
    case 103:
      s.CardRound = 1;
      return EncounterPrompt(card_line::kPlay, card_line::kDontPlay);
    case 51:
      return EncounterClosing(s, std::string(card_line::kDeclined));
    case 1:
      random.Reseed();
      s.CardShown = DrawCard(random);
      s.DealAmount *= 2;
      return Bet(s);
    case 2:
      return EncounterPrompt(card_line::kHigh, card_line::kLow);
    case 3:
      return TurnTheCard(s, random);
    case 10:
      return RightGuess(s);
    case 11:
      return EncounterPrompt(card_line::kGoOn, card_line::kStop);
    case 12:
      s.DealAmount *= 2;
      AddTo(s.CardRound, 1);
      s.CardShown = s.CardDrawn;
      return Bet(s);
    case 13:
      s.EventCode = 31;
      return Line(std::string(card_line::kNoMoreStakes));
    case 14:
      s.EventCode = 31;
      return Line(std::string(card_line::kEnough));
    case 30:
      s.EventCode = 31;
      return Line(std::string(card_line::kStopping));
    case 31:
      s.CardStake = s.CardRound * s.CardStake;
      AddCapped(s, s.DealAmount, CappedKind::Gold);
      return EncounterClosing(s, Num(s.CardRound) + std::string(card_line::kPaidAfterRounds) +
                     Num(s.DealAmount) + std::string(card_line::kPaidSuffix));
    case 40:
      s.CardStake = s.CardRound * s.CardStake;
      return EncounterClosing(s, std::string(card_line::kLostBefore) + Num(s.CardRound) +
                     std::string(card_line::kLostRounds) + Num(s.CardStake) +
                     std::string(card_line::kLostSuffix));
    default:
      return {};
  }
}

}  // namespace tolmark::field
