// The card player's high and low with thirteen cards (the traveller of rolls 12 and 19): the
// stake doubles with every right guess, for at most five turns. One step per click inside
// EventTurn, by EventCode.
#pragma once

#include <cstdint>
#include <string_view>

#include "field/travellers.h"
#include "model/game_state.h"

namespace tolmark {
class Random;
}

namespace tolmark::field {

// The card game's answers (EventCode names in field::talk::cards): at AskHighOrLow ハイ (yes)
// guesses high and ロー (no) low, and the card is turned at once (TurnTheCard); at AskToGoOn
// 続ける (yes) plays on (NextTurn) and 止める (no) stops (Stopped); at any other code yes plays
// (FirstCard) and no declines (talk::AnsweredNo).
void CardAnswer(GameState& s, bool yes);

// One step of the game by EventCode: from talk::Opens the invitation (CardRound 0 first);
// AskToPlay the prompt やる / やらない (CardRound 1); talk::AnsweredNo declined (closing);
// FirstCard the first card, reseeded and drawn Int(Rnd × 13) + 1, the prize doubled and the
// first stake paid; AskHighOrLow the prompt ハイ / ロー; TurnTheCard the next card, reseeded and
// drawn again and again until it differs from the one shown: RightGuess or Lost; RightGuess: play
// on while the purse covers a stake and fewer than five turns are played (AskToGoOn), else the
// end for want of money (OutOfStakes) or after five (FiveTurnsPlayed); AskToGoOn the prompt
// 続ける / 止める; NextTurn the prize doubled, the drawn card shown, the stake paid;
// OutOfStakes, FiveTurnsPlayed and Stopped the player's last word before he pays
// (PayThePrize); PayThePrize the prize paid with the cap of Gold, CardStake the total of the
// stakes (closing); Lost the loss, CardStake the total of the stakes (closing).
// A stake is paid without a floor: the purse was tested before each bet.
Outcome CardGameStep(GameState& s, Random& random);

// The card player's words.
namespace card_line {
inline constexpr std::string_view kInvite =
    "お、いい所で会ったな。俺とカード13枚のハイ＆ローで遊ばないか？";
inline constexpr std::string_view kRules = "俺が出したカードより、次のカードの番号が高いか低いかを当ててくれ";
inline constexpr std::string_view kStake = "賭け金は{stake}カリムだ。賭ける度に加算していくからな";
inline constexpr std::string_view kPlay = "やる";
inline constexpr std::string_view kDontPlay = "やらない";
inline constexpr std::string_view kDeclined = "そうか…。また今度やろうな";
inline constexpr std::string_view kTurn = "じゃあ{round}回目。カードは{card}";
inline constexpr std::string_view kHigh = "ハイ";
inline constexpr std::string_view kLow = "ロー";
inline constexpr std::string_view kTheCardIs = "カードは………{card}";
inline constexpr std::string_view kRightGoOn =
    "ちっ。当たっちまったようだな。次勝てば、{prize}カリムだ。まだ続けるかい？";
inline constexpr std::string_view kRight = "ちっ。当たっちまったようだな";
inline constexpr std::string_view kGoOn = "続ける";
inline constexpr std::string_view kStop = "止める";
inline constexpr std::string_view kNoMoreStakes = "賭け金がねぇようだから、終わりにしよう";
inline constexpr std::string_view kEnough = "もうこのくらいで勘弁してくれ……";
inline constexpr std::string_view kStopping = "なんだ、やめるのか…";
// The last words, counted by the rounds played, are written where they are filled (CardGameStep):
// a count's pattern stands in its FillCount so that it is found as one.
}  // namespace card_line

}  // namespace tolmark::field
