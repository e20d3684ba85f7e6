// High and low with the card player, one step a click.
#include "field/card_game.h"

#include <string>
#include <utility>

#include "field/field_codes.h"
#include "model/language.h"
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
  s.EventCode = talk::cards::AskHighOrLow;
  return Line(Fill(card_line::kTurn, {{"round", Num(s.CardRound)}, {"card", Num(s.CardShown)}}),
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
  s.EventCode = right ? talk::cards::RightGuess : talk::cards::Lost;
  return Line(Fill(card_line::kTheCardIs, {{"card", Num(s.CardDrawn)}}));
}

Outcome RightGuess(GameState& s) {
  if (s.Gold >= s.CardStake && s.CardRound < kMostTurns) {
    s.EventCode = talk::cards::AskToGoOn;
    return Line(Fill(card_line::kRightGoOn, {{"prize", Num(s.DealAmount * 2)}}));
  }
  if (s.Gold < s.CardStake) {
    s.EventCode = talk::cards::OutOfStakes;
    return Line(std::string(card_line::kRight));
  }
  if (s.CardRound == kMostTurns) {
    s.EventCode = talk::cards::FiveTurnsPlayed;
    return Line(std::string(card_line::kRight));
  }
  return {};
}

}  // namespace

void CardAnswer(GameState& s, bool yes) {
  switch (s.EventCode) {
    case talk::cards::AskHighOrLow:
      s.CardGuess = yes ? kTrue : kFalse;
      s.EventCode = talk::cards::TurnTheCard;
      return;
    case talk::cards::AskToGoOn:
      s.EventCode = yes ? talk::cards::NextTurn : talk::cards::Stopped;
      return;
    default:
      s.EventCode = yes ? talk::AnsweredYes : talk::AnsweredNo;
      return;
  }
}

Outcome CardGameStep(GameState& s, Random& random) {
  switch (s.EventCode) {
    case talk::Opens:
      s.CardRound = 0;
      s.EventCode = talk::Said(1);
      return Line(std::string(card_line::kInvite));
    case talk::Said(1):
      s.EventCode = talk::Said(2);
      return Line(std::string(card_line::kRules));
    case talk::Said(2):
      s.EventCode = talk::cards::AskToPlay;
      return Line(Fill(card_line::kStake, {{"stake", Num(s.DealAmount)}}));
    case talk::cards::AskToPlay:
      s.CardRound = 1;
      return EncounterPrompt(card_line::kPlay, card_line::kDontPlay);
    case talk::AnsweredNo:
      return EncounterClosing(s, std::string(card_line::kDeclined));
    case talk::cards::FirstCard:
      random.Reseed();
      s.CardShown = DrawCard(random);
      s.DealAmount *= 2;
      return Bet(s);
    case talk::cards::AskHighOrLow:
      return EncounterPrompt(card_line::kHigh, card_line::kLow);
    case talk::cards::TurnTheCard:
      return TurnTheCard(s, random);
    case talk::cards::RightGuess:
      return RightGuess(s);
    case talk::cards::AskToGoOn:
      return EncounterPrompt(card_line::kGoOn, card_line::kStop);
    case talk::cards::NextTurn:
      s.DealAmount *= 2;
      AddTo(s.CardRound, 1);
      s.CardShown = s.CardDrawn;
      return Bet(s);
    case talk::cards::OutOfStakes:
      s.EventCode = talk::cards::PayThePrize;
      return Line(std::string(card_line::kNoMoreStakes));
    case talk::cards::FiveTurnsPlayed:
      s.EventCode = talk::cards::PayThePrize;
      return Line(std::string(card_line::kEnough));
    case talk::cards::Stopped:
      s.EventCode = talk::cards::PayThePrize;
      return Line(std::string(card_line::kStopping));
    case talk::cards::PayThePrize:
      s.CardStake = s.CardRound * s.CardStake;
      AddCapped(s, s.DealAmount, CappedKind::Gold);
      return EncounterClosing(s, FillCount("{n}回当たったから{prize}カリムだ。もってけ泥棒！",
                                           s.CardRound, {{"prize", Num(s.DealAmount)}}));
    case talk::cards::Lost:
      s.CardStake = s.CardRound * s.CardStake;
      return EncounterClosing(s, FillCount("残念だったな。{n}回分で{stakes}カリムか…。次も頼むよ！",
                                           s.CardRound, {{"stakes", Num(s.CardStake)}}));
    default:
      return {};
  }
}

}  // namespace tolmark::field
