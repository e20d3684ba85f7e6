// Opening the town market: the choice of the day and its goods.
#include "town/market_opening.h"

#include "model/numbers.h"
#include "model/random.h"
#include "model/weapons.h"

namespace tolmark::town {

int OpenMarket(GameState& s, Random& random) {
  s.SelectedRow = 0;
  s.SelectedBuyRow = 0;
  s.TownPurchaseCount = 0;
  s.MarketListsShut = kFalse;
  s.MarketDealDone = kFalse;
  if (s.Chapter == kMarketStoryChapter && s.StoryState == kStoryBeforeMarket) {
    s.StoryState = kStoryAfterMarket;
  }
  random.Reseed();
  const int choice = Int(2 * random.Rnd());
  BuildMarketGoods(s, choice, random);
  return choice;
}

}  // namespace tolmark::town
