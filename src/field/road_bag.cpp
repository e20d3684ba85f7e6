// The bag on the road.
#include "field/road_bag.h"

#include "model/inventory.h"

namespace tolmark::field {

bool BagIsFull(const GameState& s) { return s.BagPieces >= s.BagCapacity; }

std::int32_t BagRowOf(const GameState& s, std::int32_t weapon) {
  const auto bag = UsedEntriesOf(s.Bag, s.BagCount);
  for (std::size_t i = 0; i < bag.size(); ++i) {
    if (bag[i].WeaponId == weapon) return static_cast<std::int32_t>(i);
  }
  return -1;
}

bool Carried(const GameState& s, std::int32_t weapon) {
  return BagRowOf(s, weapon) >= 0 || StockRowOf(s, weapon) >= 0;
}

void PutInBag(GameState& s, std::int32_t weapon) {
  const std::int32_t row = BagRowOf(s, weapon);
  if (row >= 0) {
    ++s.Bag[static_cast<std::size_t>(row)].Count;
  } else {
    if (s.BagCount < 0 || s.BagCount >= static_cast<std::int32_t>(s.Bag.size())) return;
    s.Bag[static_cast<std::size_t>(s.BagCount)] = StockEntry{weapon, 1};
    ++s.BagCount;
  }
  ++s.BagPieces;
  if (weapon >= 0 && weapon < kWeaponCount) MarkCollected(s, weapon);
}

}  // namespace tolmark::field
