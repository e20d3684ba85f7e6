// The hero's numbers: capped growth, the HP a deal costs, experience and levels, customer chance.
#pragma once

#include "model/game_state.h"

namespace tolmark {

class Random;

// What AddCapped grows, with its cap.
enum class CappedKind : int {
  Gold = 1,
  MaxHP = 2,
  Attack = 3,
  Defense = 4,
  Speed = 5,
  WinsCount = 6,
  EscapesCount = 7,
  DefeatsCount = 8,
  SalesCount = 9,
  PurchasesCount = 10,
  RefusalsCount = 11,
  DemonDealsCount = 12,
};

// The value of that kind becomes min(value + amount, cap), rounded half to even; a kind outside
// 1..12 changes nothing. There is no floor: decreases are the callers' own business.
void AddCapped(GameState& s, double amount, int kind);
void AddCapped(GameState& s, double amount, CappedKind kind);

// Whether a customer walks in at this shop tick: the better the reputation, the likelier.
bool VisitorComes(Random& random, int reputation);

// The HP one deal costs (more in auto mode); reaching 0 HP sets HeroFainted.
void PayDealHP(GameState& s, Random& random);

// Experience of a won battle (with its money) at code::BattleWon, otherwise of a completed
// deal; enough experience raises one level.
void GainExperience(GameState& s, Random& random);

// One level up: next threshold, full heal, stat growth, LevelUpPending.
void LevelUp(GameState& s, Random& random);

// Reputation moves by amount and stays within 0..999.
inline constexpr std::int32_t kMaxReputation = 999;
void GainReputation(GameState& s, std::int32_t amount);
void LoseReputation(GameState& s, std::int32_t amount);

// A weight of 1..Level drawn as Int(Rnd × (Level + 1)), a 0 counting as 1: what a deal or an
// encounter moves the reputation by.
std::int32_t DrawLevelWeight(const GameState& s, Random& random);

}  // namespace tolmark
