// The shop stock and the travel bag: piece-by-piece changes, ownership checks, home-coming merge.
#pragma once

#include <algorithm>
#include <cstdint>
#include <functional>
#include <span>
#include <string>

#include "model/game_state.h"

namespace tolmark {

// Most pieces of one weapon the shop keeps; more of it is thrown away or not bought.
inline constexpr std::int32_t kMostPiecesStocked = 50;

// The used part of a packed list (the stock, the bag, the town purchases): its first `count`
// entries, writable or not as the list is. A count out of range, which only a tampered save or a
// state set by hand holds, is taken as 0 or as the whole list, so it never reaches past the array.
template <class Entries>
auto UsedEntriesOf(Entries& entries, std::int32_t count) {
  const auto size = static_cast<std::int64_t>(std::size(entries));
  return std::span(entries).first(
      static_cast<std::size_t>(std::clamp<std::int64_t>(count, 0, size)));
}

// Most piece-by-piece rules act on the weapon in CurrentItem.

// One piece of CurrentItem enters the stock. A new kind with no entry left sets code::NoRoomInStock
// (stock full) and changes nothing else; a new kind that fits is marked collected.
void AddOneToStock(GameState& s);

// One piece of CurrentItem leaves the stock; its last piece removes the entry, order kept.
void RemoveOneFromStock(GameState& s);

// Rows count from 0, in the order the stock list shows them.

// The stock's row holding the weapon, or -1 when none does.
std::int32_t StockRowOf(const GameState& s, std::int32_t weapon);

// The row leaves the stock whole, whatever its count; the rows below move up one place. A row
// the stock does not use changes nothing.
void RemoveStockRow(GameState& s, std::int32_t row);

// One piece of the row leaves the stock; its last piece removes the row as RemoveStockRow does.
// Returns whether the row went.
bool RemoveOneFromStockRow(GameState& s, std::int32_t row);

// One piece of CurrentItem enters the bag. The bag's capacity is the caller's test.
void AddOneToBag(GameState& s);

// One piece of CurrentItem leaves the bag; nothing happens when the bag has none.
void RemoveOneFromBag(GameState& s);

// The weapon has been owned at least once.
void MarkCollected(GameState& s, int index);

// -1 when the bag holds every royal-order weapon still wanted, in the wanted number; 0 when
// something is missing or nothing is wanted any more.
Flag OrderReadyInBag(const GameState& s);

// -1 when each elemental weapon is in the stock or in the bag. SpecialItem is left at the last
// weapon looked at, which names the missing one on failure.
Flag ElementalSetOwned(GameState& s);

// Receives each finished discard line of the home-coming; the scene says it through the hero,
// pumps and pauses 2000 ms.
using DiscardLineSink = std::function<void(const std::string& line)>;

// Home-coming: the bag and then the town purchases go into the stock. Nothing stocked grows past
// 50 pieces and a full stock takes no new kind; each turned-away lot is one discard line. The bag
// and the purchase list themselves are left for the shop start to empty.
void MergeTripGoods(GameState& s, const DiscardLineSink& sayDiscard);

}  // namespace tolmark
