// The four roads out of the shop, one row each: what stands at the road's end, who walks it,
// what lies by it, what the carriage and the card player ask on it, what the travellers say,
// and who waits at its end. Every rule of the road that depends on where the merchant goes
// reads it here.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "model/game_state.h"

namespace tolmark::field {

// Weapons by catalogue row, first to last.
struct FindRange {
  std::int32_t first;
  std::int32_t last;
};

// A seller's weapon: Int(Rnd × draws), drawn again while below least.
struct SellerRange {
  std::int32_t draws;
  std::int32_t least;
};

// The carriage home from the road: CLng(steps walked × perStep + base). No carriage where base
// is 0.
struct Fare {
  double perStep = 0;
  double base = 0;
};

// What the road leads to: open country, or a gate (the town's, or the castle's behind its
// checkpoint).
enum class RoadEnd : std::uint8_t { OpenCountry, TownGate, CastleGate };

// Who waits at the road's end: the orc and the 棟梁 at トーテム山, the dragon before the
// castle, ガイル at デモンズ山脈.
enum class BossScene : std::uint8_t { None, Totem, CastleRoad, Demons };

// Monster pictures by stretch and roll: each stretch shifts the three of the previous one by one
// place towards the stronger.
using RoadMonsters = std::array<std::array<std::int32_t, 3>, 3>;

using RumourLines = std::array<std::string_view, 4>;  // one a click; empty lines past the end

struct Road {
  std::int32_t destination;
  std::int32_t landmark;  // the picture at the road's end
  RoadEnd end;
  std::string_view arrival;  // the hero's line at the gate
  BossScene boss;
  RoadMonsters monsters;
  // A fight's experience on this road, from the monster's own: the farther the road, the more
  // a fight there teaches.
  std::int32_t (*fightExp)(std::int32_t fieldSteps, std::int32_t exp);
  Fare fare;
  // The step-299 carriage: whether it warns of the danger ahead, and when it finds nothing
  // further on and takes the fare at once (null: never).
  bool carriageWarns;
  bool (*nothingBeyond)(const GameState& s);
  FindRange ordinaryFinds;
  FindRange rareFinds;
  std::int32_t moneyScale;  // money by the road: up to this many カリム a find
  SellerRange sellers;
  std::int32_t cardStake;
  bool demonWalks;  // ガイル offers his bargain here
  RumourLines rumours;
  // Later in the story the rumours change (null: never).
  bool (*storyMovedOn)(const GameState& s);
  RumourLines laterRumours;
};

// The road to a destination. A destination no road leads to (only a damaged save holds one)
// walks open country with nobody on it and nothing at its end.
const Road& RoadTo(std::int32_t destination);

}  // namespace tolmark::field
