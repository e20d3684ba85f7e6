// The market of アーウット opening for a visit: a fresh assortment at that day's asking prices
// and an empty shopping list. The market lives only while the town window is open.
#pragma once

#include "model/game_state.h"

namespace tolmark {
class Random;
}

namespace tolmark::town {

// The story moves on when the hero reaches the market in chapter 2 with StoryState 4.
inline constexpr std::int32_t kMarketStoryChapter = 2;
inline constexpr std::int32_t kStoryBeforeMarket = 4;
inline constexpr std::int32_t kStoryAfterMarket = 5;

// frmArms's loading in the town only (Destination 2), after EnterCounterScene: SelectedRow,
// SelectedBuyRow and TownPurchaseCount 0; StoryState 4 becomes 5 in chapter 2; then the
// day's assortment. Draws from Random, in this order: Reseed, then one draw for the choice,
// Int(2 × Rnd) (0 or 1); then, for market rows 0..9 in order, a Reseed and one draw for the
// asking price, repeated while the price is below half the base price (BuildMarketGoods).
// Returns the choice. Nothing is drawn or shown here; the lists open at ShopArms 3.
int OpenMarket(GameState& s, Random& random);

}  // namespace tolmark::town
