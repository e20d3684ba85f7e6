// A carried piece thrown away from the bag list.
#include "field/bag_discard.h"

#include <algorithm>

#include "field/field_codes.h"
#include "field/roads.h"
#include "field/travellers.h"
#include "model/inventory.h"
#include "model/numbers.h"

namespace tolmark::field {

namespace {

// A buyer on the road has asked for a piece of the bag and waits for the answer: the piece he
// would pay for must still be there when the answer comes.
bool BuyerWaits(const GameState& s) {
  return InRange(s.PendingAction, code::TravellerFirst, code::TravellerLast) &&
         InRange(s.FieldEventItem, 0, kTravellerRolls - 1) &&
         TravellerOf(s.FieldEventItem) == Traveller::Buyer &&
         (s.EventCode == talk::Opens || s.EventCode == talk::Said(1));
}

}  // namespace

bool MayDiscard(const GameState& s) {
  const bool atTheCastleGate =
      s.FieldSteps == 300 && RoadTo(s.Destination).end == RoadEnd::CastleGate;
  return !atTheCastleGate && s.StoryState != 7 && s.CommandBusy != kTrue && !BuyerWaits(s);
}

bool DiscardOnePiece(GameState& s, std::int32_t row) {
  auto bag = UsedEntriesOf(s.Bag, s.BagCount);
  if (row < 1 || row > static_cast<std::int32_t>(bag.size())) return false;
  const auto index = static_cast<std::size_t>(row - 1);
  if (bag[index].Count >= 2) {
    --bag[index].Count;
    --s.BagPieces;
    return true;
  }
  std::move(bag.begin() + static_cast<std::ptrdiff_t>(index) + 1, bag.end(),
            bag.begin() + static_cast<std::ptrdiff_t>(index));
  bag.back() = StockEntry{};
  --s.BagPieces;
  --s.BagCount;
  s.SelectedRow = row - 1;
  return true;
}

}  // namespace tolmark::field
