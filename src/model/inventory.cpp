// Stock and bag rules: packed lists of one entry per weapon kind, in order of first arrival.
#include "model/inventory.h"

#include <algorithm>
#include <span>
#include <utility>

#include "model/language.h"
#include "model/step_codes.h"
#include "model/weapons.h"

namespace tolmark {
namespace {

// What the merchant says of a weapon the stock cannot take: fifty of it already, or no row left.
constexpr std::string_view kTooManyLine = "{weapon}は、これ以上要らないな。残念だが捨ててしまおう…";
constexpr std::string_view kStockFullLine =
    "倉庫が一杯なようだ。{weapon}は、残念だが捨ててしまおう…";

bool IsWeaponIndex(std::int32_t index) { return index >= 0 && index < kWeaponCount; }

// The first entry holding the weapon, or nullptr.
template <typename Entry>
Entry* FindEntry(std::span<Entry> used, std::int32_t weapon) {
  const auto it = std::find_if(used.begin(), used.end(),
                               [weapon](const StockEntry& e) { return e.WeaponId == weapon; });
  return it == used.end() ? nullptr : &*it;
}

// The row of the first used entry holding the weapon, or -1.
std::int32_t RowOf(std::span<const StockEntry> used, std::int32_t weapon) {
  const StockEntry* entry = FindEntry(used, weapon);
  return entry == nullptr ? -1 : static_cast<std::int32_t>(entry - used.data());
}

bool IsUsedRow(std::span<const StockEntry> used, std::int32_t row) {
  return row >= 0 && row < std::ssize(used);
}

// Takes the entry at `row` out of a packed list whole; the later entries move up one place, so
// the order of arrival is kept, and the freed place is cleared. Any other row changes nothing.
template <std::size_t N>
void RemoveRow(std::array<StockEntry, N>& entries, std::int32_t& count, std::int32_t row) {
  const std::span<StockEntry> used = UsedEntriesOf(entries, count);
  if (!IsUsedRow(used, row)) return;
  std::move(used.begin() + row + 1, used.end(), used.begin() + row);
  used.back() = StockEntry{};
  count = static_cast<std::int32_t>(used.size()) - 1;
}

// One piece leaves the entry at a used `row`; the last piece takes the entry out. Returns whether
// the entry went.
template <std::size_t N>
bool TakeOnePieceAt(std::array<StockEntry, N>& entries, std::int32_t& count, std::int32_t row) {
  StockEntry& entry = entries[static_cast<std::size_t>(row)];
  if (entry.Count > 1) {
    --entry.Count;
    return false;
  }
  RemoveRow(entries, count, row);
  return true;
}

// One piece of the weapon leaves a packed list. Returns whether a piece was there.
template <std::size_t N>
bool TakeOnePiece(std::array<StockEntry, N>& entries, std::int32_t& count, std::int32_t weapon) {
  const std::int32_t row = RowOf(UsedEntriesOf(entries, count), weapon);
  if (row < 0) return false;
  TakeOnePieceAt(entries, count, row);
  return true;
}

// Whether the stock has an entry left for a kind it does not hold yet. A count below zero,
// which only a state set by hand can have, has no place to write to either.
bool StockTakesNewKind(const GameState& s) {
  return s.StockCount >= 0 && s.StockCount < s.StockCapacity && s.StockCount < kWeaponCount;
}

std::string NameOf(const GameState& s, std::int32_t weapon) {
  return IsWeaponIndex(weapon) ? s.Catalogue[static_cast<std::size_t>(weapon)].Name
                               : std::string();
}

// One lot of a carried weapon goes into the stock, or is turned away with a discard line.
void MergeLot(GameState& s, std::int32_t weapon, std::int32_t pieces,
              const DiscardLineSink& sayDiscard) {
  if (!IsWeaponIndex(weapon) || pieces < 1) return;
  const auto sayTooMany = [&] {
    if (sayDiscard) sayDiscard(Fill(kTooManyLine, {{"weapon", NameOf(s, weapon)}}));
  };

  if (StockEntry* entry = FindEntry(UsedEntriesOf(s.ShopStock, s.StockCount), weapon)) {
    if (entry->Count + pieces <= kMostPiecesStocked) {
      entry->Count += pieces;
    } else {
      entry->Count = kMostPiecesStocked;
      sayTooMany();
    }
    return;
  }

  if (!StockTakesNewKind(s)) {
    // The weapon was in the hero's hands, so it counts as owned even though it is lost.
    MarkCollected(s, weapon);
    if (sayDiscard) sayDiscard(Fill(kStockFullLine, {{"weapon", NameOf(s, weapon)}}));
    return;
  }

  // A bag can carry more than 50 of a kind; the stock still keeps no more than 50.
  s.ShopStock[static_cast<std::size_t>(s.StockCount)] =
      StockEntry{weapon, std::min(pieces, kMostPiecesStocked)};
  ++s.StockCount;
  MarkCollected(s, weapon);
  if (pieces > kMostPiecesStocked) sayTooMany();
}

}  // namespace

void AddOneToStock(GameState& s) {
  const std::int32_t weapon = s.CurrentItem;
  if (!IsWeaponIndex(weapon)) return;
  if (StockEntry* entry = FindEntry(UsedEntriesOf(s.ShopStock, s.StockCount), weapon)) {
    ++entry->Count;
    return;
  }
  if (!StockTakesNewKind(s)) {
    s.PendingAction = code::NoRoomInStock;
    return;
  }
  s.ShopStock[static_cast<std::size_t>(s.StockCount)] = StockEntry{weapon, 1};
  ++s.StockCount;
  MarkCollected(s, weapon);
}

void RemoveOneFromStock(GameState& s) { TakeOnePiece(s.ShopStock, s.StockCount, s.CurrentItem); }

std::int32_t StockRowOf(const GameState& s, std::int32_t weapon) {
  return RowOf(UsedEntriesOf(s.ShopStock, s.StockCount), weapon);
}

void RemoveStockRow(GameState& s, std::int32_t row) { RemoveRow(s.ShopStock, s.StockCount, row); }

bool RemoveOneFromStockRow(GameState& s, std::int32_t row) {
  if (!IsUsedRow(UsedEntriesOf(s.ShopStock, s.StockCount), row)) return false;
  return TakeOnePieceAt(s.ShopStock, s.StockCount, row);
}

void AddOneToBag(GameState& s) {
  const std::int32_t weapon = s.CurrentItem;
  if (!IsWeaponIndex(weapon)) return;
  if (StockEntry* entry = FindEntry(UsedEntriesOf(s.Bag, s.BagCount), weapon)) {
    ++entry->Count;
  } else {
    // One entry per kind: 61 kinds never fill the 101 places.
    if (s.BagCount < 0 || s.BagCount >= kBagSlots) return;
    s.Bag[static_cast<std::size_t>(s.BagCount)] = StockEntry{weapon, 1};
    ++s.BagCount;
  }
  ++s.BagPieces;
}

void RemoveOneFromBag(GameState& s) {
  if (TakeOnePiece(s.Bag, s.BagCount, s.CurrentItem)) --s.BagPieces;
}

void MarkCollected(GameState& s, int index) {
  if (IsWeaponIndex(index)) s.Collected[static_cast<std::size_t>(index)] = kTrue;
}

Flag OrderReadyInBag(const GameState& s) {
  const std::span<const StockEntry> bag = UsedEntriesOf(s.Bag, s.BagCount);
  bool anyWanted = false;
  for (const OrderEntry& row : s.RoyalOrder) {
    if (row.Wanted <= 0) continue;
    const StockEntry* entry = FindEntry(bag, row.WeaponId);
    if (entry == nullptr || entry->Count < row.Wanted) return kFalse;
    anyWanted = true;
  }
  return AsFlag(anyWanted);
}

Flag ElementalSetOwned(GameState& s) {
  for (const std::int32_t weapon : kHolyBeastWeapons) {
    s.SpecialItem = weapon;
    if (FindEntry(UsedEntriesOf(s.ShopStock, s.StockCount), weapon) == nullptr &&
        FindEntry(UsedEntriesOf(s.Bag, s.BagCount), weapon) == nullptr) {
      return kFalse;
    }
  }
  return kTrue;
}

void MergeTripGoods(GameState& s, const DiscardLineSink& sayDiscard) {
  for (const StockEntry& lot : UsedEntriesOf(std::as_const(s.Bag), s.BagCount)) {
    MergeLot(s, lot.WeaponId, lot.Count, sayDiscard);
  }

  const auto purchases = UsedEntriesOf(std::as_const(s.TownPurchases), s.TownPurchaseCount);
  for (const PurchaseEntry& row : purchases) {
    MergeLot(s, row.WeaponId, row.Count, sayDiscard);
  }
}

}  // namespace tolmark
