// The epilogue's changes to the game: the last bag stocked, the bag's size, the game cleared.
#include "town/ending_epilogue.h"

#include <algorithm>

#include "model/inventory.h"
#include "town/arms_layout.h"
#include "town/ending_story.h"
#include "town/town_codes.h"

namespace tolmark::town {
namespace {

void Lost(const LostGoodsSink& onLost, int& lots) {
  ++lots;
  if (onLost) onLost();
}

}  // namespace

void BeginEpilogue(GameState& s) {
  s.PendingAction = code::EpilogueBusy;
  ClearStageForEpilogue(s);
}

int StockTheLastBag(GameState& s, const LostGoodsSink& onLost) {
  int lots = 0;
  for (const StockEntry& carried : UsedEntriesOf(s.Bag, s.BagCount)) {
    bool placed = false;
    for (StockEntry& stocked : UsedEntriesOf(s.ShopStock, s.StockCount)) {
      if (stocked.WeaponId != carried.WeaponId) continue;
      placed = true;
      if (std::int64_t{stocked.Count} + carried.Count > kMostPiecesStocked) {
        stocked.Count = kMostPiecesStocked;
        Lost(onLost, lots);
      } else {
        stocked.Count += carried.Count;
      }
    }
    if (placed) continue;
    const bool full = s.StockCount >= s.StockCapacity ||
                      s.StockCount >= static_cast<std::int32_t>(s.ShopStock.size());
    if (full) {
      MarkCollected(s, carried.WeaponId);
      Lost(onLost, lots);
      continue;
    }
    s.ShopStock[static_cast<std::size_t>(std::max(s.StockCount, 0))] = carried;
    s.StockCount = std::max(s.StockCount, 0) + 1;
    MarkCollected(s, carried.WeaponId);
  }
  return lots;
}

void MarkGameCleared(GameState& s) {
  if (s.WagonHired != kFalse) s.BagCapacity = s.SavedBagCapacity;
  s.GameCleared = kTrue;
}

int SettleTheEnding(GameState& s, const LostGoodsSink& onLost) {
  const int lots = StockTheLastBag(s, onLost);
  MarkGameCleared(s);
  return lots;
}

}  // namespace tolmark::town
