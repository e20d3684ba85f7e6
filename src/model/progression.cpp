// Capped growth, deal HP, experience, level-up and the customer roll, drawing in the game's order.
#include "model/progression.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>

#include "model/numbers.h"
#include "model/random.h"
#include "model/step_codes.h"

namespace tolmark {
namespace {

struct CappedRow {
  int kind;
  std::int32_t GameState::*value;
  std::int32_t cap;
};

// clang-format off
inline constexpr std::array<CappedRow, 12> kCappedKinds = {{
//   kind  value                          cap
    {1,  &GameState::Gold,            999999999},
    {2,  &GameState::MaxHP,           9999},
    {3,  &GameState::Attack,          999},
    {4,  &GameState::Defense,         999},
    {5,  &GameState::Speed,           999},
    {6,  &GameState::WinsCount,       99999},
    {7,  &GameState::EscapesCount,    9999},
    {8,  &GameState::DefeatsCount,    999},
    {9,  &GameState::SalesCount,      99999},
    {10, &GameState::PurchasesCount,  99999},
    {11, &GameState::RefusalsCount,   999},
    {12, &GameState::DemonDealsCount, 99},
}};
// clang-format on

constexpr bool KindsMatchRows() {
  for (std::size_t i = 0; i < kCappedKinds.size(); ++i) {
    if (kCappedKinds[i].kind != static_cast<int>(i) + 1) return false;
  }
  return true;
}
static_assert(KindsMatchRows(), "kind n sits in row n - 1");

// Int(Rnd × n): a whole number from 0 to n - 1.
std::int32_t Draw(Random& random, std::int32_t n) { return Int(random.Rnd() * n); }

}  // namespace

void AddCapped(GameState& s, double amount, int kind) {
  if (kind < 1 || kind > static_cast<int>(kCappedKinds.size())) return;
  const CappedRow& row = kCappedKinds[static_cast<std::size_t>(kind - 1)];
  std::int32_t& value = s.*row.value;
  // The floor only keeps a wild negative amount from overflowing; callers never pass one.
  const double grown = std::clamp(static_cast<double>(value) + amount,
                                  static_cast<double>(std::numeric_limits<std::int32_t>::min()),
                                  static_cast<double>(row.cap));
  value = CLng(grown);
}

void AddCapped(GameState& s, double amount, CappedKind kind) {
  AddCapped(s, amount, static_cast<int>(kind));
}

bool VisitorComes(Random& random, int reputation) {
  random.Reseed();
  const std::int32_t roll = Draw(random, 1000);
  return CLng(reputation / 2.0 + roll) > 950;
}

void PayDealHP(GameState& s, Random& random) {
  s.HeroFainted = kFalse;
  random.Reseed();
  std::int32_t cost = std::max(Draw(random, SatAdd(s.Level, 1)), 1);
  // A shop that runs itself tires the merchant more.
  if (s.AutoMode != kFalse) cost = Int(cost * 1.3) + 1;
  s.HP = std::max(SatSub(s.HP, cost), 0);
  if (s.HP == 0) s.HeroFainted = kTrue;
}

void GainExperience(GameState& s, Random& random) {
  if (s.PendingAction == code::BattleWon) {
    AddTo(s.Experience, s.MonsterExp);
    AddCapped(s, s.MonsterGold, CappedKind::Gold);
  } else {
    random.Reseed();
    AddTo(s.Experience, std::max(Draw(random, SatAdd(s.Level, 1)), 1));
  }
  // One level at most per call; any surplus waits for the next gain.
  if (s.Experience >= s.NextLevelExp) LevelUp(s, random);
}

void LevelUp(GameState& s, Random& random) {
  random.Reseed();
  AddTo(s.Level, 1);
  const std::int32_t level = s.Level;
  SubtractFrom(s.Experience, s.NextLevelExp);
  AddTo(s.NextLevelExp, SatMul(2, SatMul(level, level)));

  AddCapped(s, static_cast<double>(Draw(random, SatAdd(level, 1))) + level + 5, CappedKind::MaxHP);
  s.HP = s.MaxHP;

  const std::int32_t lastDigit = level % 10;
  const double rate = s.GrowthRate;
  if (lastDigit == 0 || lastDigit == 1 || lastDigit == 5 || lastDigit == 6) {
    // A good level: every value grows more.
    AddCapped(s, s.GrowthRate + Draw(random, 2) + 1, CappedKind::Attack);
    AddCapped(s, Draw(random, 2) + Round((rate + 1) / 2), CappedKind::Defense);
    AddCapped(s, Draw(random, 2) + Round((rate + 1) / 3), CappedKind::Speed);
    // The rate rises only after this level's gains were made with the old one.
    if (lastDigit == 1) AddTo(s.GrowthRate, 1);
  } else {
    AddCapped(s, Draw(random, 2) + s.GrowthRate, CappedKind::Attack);
    AddCapped(s, Draw(random, 2) + Round(rate / 2), CappedKind::Defense);
    AddCapped(s, Draw(random, 2) + Round(rate / 3), CappedKind::Speed);
  }

  s.LevelUpPending = kTrue;
}

void GainReputation(GameState& s, std::int32_t amount) {
  s.Reputation = std::min(SatAdd(s.Reputation, amount), kMaxReputation);
}

void LoseReputation(GameState& s, std::int32_t amount) {
  s.Reputation = std::max(SatSub(s.Reputation, amount), 0);
}

std::int32_t DrawLevelWeight(const GameState& s, Random& random) {
  const std::int32_t r = Int(random.Rnd() * (static_cast<double>(s.Level) + 1));
  return r == 0 ? 1 : r;
}

}  // namespace tolmark
