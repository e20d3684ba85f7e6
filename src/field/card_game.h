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

// The card game's answers: at EventCode 2 ハイ (yes) guesses high and ロー (no) low, and the card
// is drawn at once (EventCode 3); at 11 続ける (yes) plays on (12) and 止める (no) stops (30);
// at any other code yes plays (1) and no declines (51).
void CardAnswer(GameState& s, bool yes);

// One step of the game by EventCode:
// 100..102 the invitation (CardRound 0 first); 103 the prompt やる / やらない (CardRound 1);
// 51 declined (closing); 1 the first card, reseeded and drawn Int(Rnd × 13) + 1, the prize
// doubled and the first stake paid; 2 the prompt ハイ / ロー; 3 the next card, reseeded and drawn
// again and again until it differs from the one shown: right (10) or wrong (40); 10 a right
// guess: play on while the purse covers a stake and fewer than five turns are played (11),
// else the end for want of money (13) or after five (14); 11 the prompt 続ける / 止める; 12 the
// next turn, the prize doubled, the drawn card shown, the stake paid; 13, 14, 30 the player's
// last word before he pays (31); 31 the prize paid with the cap of Gold, CardStake the total of
// the stakes (closing); 40 the loss, CardStake the total of the stakes (closing).
// A stake is paid without a floor: the purse was tested before each bet.
Outcome CardGameStep(GameState& s, Random& random);

// The card player's words.
namespace card_line {
inline constexpr std::string_view kInvite =
    "お、いい所で会ったな。俺とカード13枚のハイ＆ローで遊ばないか？";
inline constexpr std::string_view kRules = "俺が出したカードより、次のカードの番号が高いか低いかを当ててくれ";
inline constexpr std::string_view kStakeBefore = "賭け金は";
inline constexpr std::string_view kStakeAfter = "カリムだ。賭ける度に加算していくからな";
inline constexpr std::string_view kPlay = "やる";
inline constexpr std::string_view kDontPlay = "やらない";
inline constexpr std::string_view kDeclined = "そうか…。また今度やろうな";
inline constexpr std::string_view kTurnBefore = "じゃあ";
inline constexpr std::string_view kTurnAfter = "回目。カードは";
inline constexpr std::string_view kHigh = "ハイ";
inline constexpr std::string_view kLow = "ロー";
inline constexpr std::string_view kTheCardIs = "カードは………";
inline constexpr std::string_view kRightGoOn = "ちっ。当たっちまったようだな。次勝てば、";
inline constexpr std::string_view kGoOnAfter = "カリムだ。まだ続けるかい？";
inline constexpr std::string_view kRight = "ちっ。当たっちまったようだな";
inline constexpr std::string_view kGoOn = "続ける";
inline constexpr std::string_view kStop = "止める";
inline constexpr std::string_view kNoMoreStakes = "賭け金がねぇようだから、終わりにしよう";
inline constexpr std::string_view kEnough = "もうこのくらいで勘弁してくれ……";
inline constexpr std::string_view kStopping = "なんだ、やめるのか…";
inline constexpr std::string_view kPaidAfterRounds = "回当たったから";
inline constexpr std::string_view kPaidSuffix = "カリムだ。もってけ泥棒！";
inline constexpr std::string_view kLostBefore = "残念だったな。";
inline constexpr std::string_view kLostRounds = "回分で";
inline constexpr std::string_view kLostSuffix = "カリムか…。次も頼むよ！";
}  // namespace card_line

}  // namespace tolmark::field
