// Helpers of the town's tests: a new game, draw values for a chosen Int(Rnd × n), a market
// laid out by hand so that the lists' cases read as the player sees them, and the game played in
// English.
#pragma once

#include <array>
#include <initializer_list>
#include <string>

#include "model/game_state.h"
#include "model/language.h"
#include "scene_fixture.h"

namespace tolmark::town::testing {

using testing_support::NewGame;

// A draw value for which Int(Rnd × n) is exactly `value`.
inline double OfN(int value, int n) { return (value + 0.5) / n; }

// A new game in the town with the ten market rows of the first assortment (choice 0) at round
// asking prices, all full, and an empty shopping list.
inline GameState AtTheMarket() {
  GameState s = NewGame();
  s.Destination = destination::kTown;
  constexpr std::array<std::int32_t, kMarketRows> kIds = {24, 48, 30, 21, 7, 47, 23, 52, 41, 44};
  for (std::size_t i = 0; i < kIds.size(); ++i) {
    const WeaponRecord& w = s.Catalogue[static_cast<std::size_t>(kIds[i])];
    s.MarketGoods[i] = {w.Name, w.Id, 10, w.Price, w.Price * 6 / 10};
  }
  s.TownPurchaseCount = 0;
  s.PendingAction = 4;
  return s;
}

// The pieces left in each market row, in order.
inline std::array<std::int32_t, kMarketRows> MarketCounts(const GameState& s) {
  std::array<std::int32_t, kMarketRows> counts{};
  for (std::size_t i = 0; i < counts.size(); ++i) counts[i] = s.MarketGoods[i].Count;
  return counts;
}

// The shopping list as "name×count" entries, in order.
inline std::vector<std::string> ListRows(const GameState& s) {
  std::vector<std::string> rows;
  for (std::int32_t k = 0; k < s.TownPurchaseCount; ++k) {
    const PurchaseEntry& row = s.TownPurchases[static_cast<std::size_t>(k)];
    rows.push_back(row.Name + "×" + std::to_string(row.Count));
  }
  return rows;
}

// While it lives the game speaks English, from the catalogue built with the game; ready() says
// whether it was found. The game speaks Japanese again afterwards.
class SpeakingEnglish {
 public:
  SpeakingEnglish() : ready_(UseLanguage(Language::English)) {}
  ~SpeakingEnglish() { UseLanguage(Language::Japanese); }
  SpeakingEnglish(const SpeakingEnglish&) = delete;
  SpeakingEnglish& operator=(const SpeakingEnglish&) = delete;

  bool ready() const { return ready_; }

 private:
  bool ready_;
};

}  // namespace tolmark::town::testing
