// Something by the roadside (ItemSelect, ItemTurn LookAtFind..Shouted) and the wandering priest
// (PriestSelect, PriestTurn PriestGreets..PriestBlesses): the weapons found by destination, money
// by level, the ten little happenings with their second lines, and the priest's healing. Each
// function rolls or applies one step on the game state and hands back what is said next; the step
// functions draw, say and refresh.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "field/roads.h"
#include "model/game_state.h"
#include "scene/outcome.h"

namespace tolmark {
class Random;
}

namespace tolmark::field {

// The weapons of the roadside by destination: ordinary finds and rare ones (catalogue indices,
// each equally likely). デモンズ山脈 shares the castle road's; a destination the road does not
// know finds what the castle road finds.
FindRange OrdinaryFinds(std::int32_t destination);
FindRange RareFinds(std::int32_t destination);

// A weapon of the range, drawn as the road draws it: Int(Rnd × (last + 1)), again and again
// until it is at least first (トーテム山's ordinary finds take the first draw).
std::int32_t DrawFind(FindRange range, Random& random);

// The money found on the road at each level: Int(u × S) × Level with S by destination (500,
// 1000, 2000, 3000; the castle's for a destination the road does not know).
std::int32_t MoneyScale(std::int32_t destination);

// ItemSelect: somebody's find by the road. EventActive set, PendingAction LookAtFind. The step
// function places the blank picture (PlaceBlankVisitor), draws the landmark, the hero, it and the
// marker, and the hero says find_line::kWhatsThis.
void BeginFind(GameState& s);

// ItemTurn at LookAtFind, what it is. Reseeds and draws r = Int(Rnd × 101) (kept in HitRoll): 0 a
// rare weapon (its draws, then a little happening in its place when it is already carried in the
// bag or stocked in the shop), 1..50 an ordinary weapon, 51..60 money (one draw u), 61..100 a
// little happening (t = Int(Rnd × 10), then the draw of its effect where it has one). A full bag
// takes no weapon. A weapon found is marked collected. BattleRoll keeps the weapon, the money or
// the amount healed, lost or dropped. Next ResumeWalking, or AteMeat..Shouted for a happening with
// a second line.
Outcome WhatLiesByTheRoad(GameState& s, Random& random);

// A little happening on its own (what the rare weapon already carried turns into). Draws t and
// the effect's amount: the meat heals Int(Rnd × (MaxHP \ 2)) (at least 1, never above MaxHP),
// or marks a full stomach as HP -1 when HP is full; a fall takes Int(Rnd × (HP \ 10)) (at least
// 1) and never the last HP; the trap takes CLng(Int(Rnd × Gold × 0.05) + 1), never more than
// there is, and a purse left empty is marked as Gold -1.
Outcome LittleHappening(GameState& s, Random& random);

// ItemTurn at AteMeat..Shouted, the happening's second line; no draw. The marks are settled here: a
// full stomach leaves Int(MaxHP × 0.9), an empty purse 0. Next ResumeWalking; a code without a
// second line says nothing (empty line) and leaves the code.
Outcome SecondLine(GameState& s);

// The marks of a find (HP -1, Gold -1) stand only until the next click. Whatever leaves the road
// before that click (the wagon home, the gate) settles them first, as the click would.
void SettleFindMarks(GameState& s);

// PriestSelect: the priest steps up. EventActive and FieldStop set, PendingAction PriestGreets, the
// priest's picture with three frames. The step function places the visitor, draws the landmark,
// the hero, the priest and the marker, and the priest says priest_line::kHello.
void BeginPriestVisit(GameState& s);

// PriestTurn at PriestGreets..PriestBlesses: the blessing at full HP (next ResumeWalking), or the
// healing in three more clicks that ends with full HP. No draw. An empty line for a code the visit
// does not know.
Outcome PriestStep(GameState& s);

// The picture of the wandering priest.
inline constexpr std::int32_t kPriestPicture = 61;

namespace find_line {
inline constexpr std::string_view kWhatsThis = "こ……これはっ！！";
inline constexpr std::string_view kRare = "{weapon}だ！ラッキー！！";
inline constexpr std::string_view kRareNoRoom =
    "{weapon}だ！鞄が一杯で持てないだとっ！！ショックだ！";
inline constexpr std::string_view kOrdinary = "{weapon}か。持って帰って売るとするか";
inline constexpr std::string_view kOrdinaryNoRoom = "{weapon}か。鞄が一杯で持てないな。……残念。";
inline constexpr std::string_view kMoney = "{amount}カリム拾ったぞ！やった～！";
inline constexpr std::string_view kOvereaten =
    "ウプ……食べ過ぎたようだ。気持ち悪くなった……。残りHP：{hp}";
inline constexpr std::string_view kTasty =
    "美味い！体力が{amount}ぐらいは回復したかな？残りHP：{hp}";
inline constexpr std::string_view kSillyStone = "ちくしょう、邪魔な石だな！";
inline constexpr std::string_view kFell = "転んで体力が{amount}ぐらい減ったようだ。残りHP：{hp}";
inline constexpr std::string_view kPurseWasEmpty = "……サイフはカラだったな…";
inline constexpr std::string_view kDropped = "はぁ……、{amount}カリム落としちまった！";
inline constexpr std::string_view kGreetingPractice = "一応店主なんだから、挨拶の練習ぐらいしないとな";
inline constexpr std::string_view kShoutingIsGood = "たまには叫ぶのもいいな";
}  // namespace find_line

namespace priest_line {
inline constexpr std::string_view kHello = "こんにちは";
inline constexpr std::string_view kBlessing = "あなたにガイア神のご加護がありますように";
inline constexpr std::string_view kHurt = "おや？傷付いているようですね";
inline constexpr std::string_view kPrayer = "我が神ガイアよ。この者に癒しの力を！癒合(ゆごう)の雫";
inline constexpr std::string_view kThanks = "ありがとう、身体がラクになったよ";
}  // namespace priest_line

}  // namespace tolmark::field
