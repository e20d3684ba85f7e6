// Moving pieces between the market and the shopping list.
#include "town/market_lists.h"

#include <algorithm>
#include <array>

#include "town/market_deal.h"

namespace tolmark::town {
namespace {

std::int32_t UsedListRows(const GameState& s) {
  return std::clamp<std::int32_t>(s.TownPurchaseCount, 0, kPurchaseRows);
}

// The used shopping-list row with that name, or -1.
std::int32_t ListRowNamed(const GameState& s, const std::string& name) {
  for (std::int32_t k = 0; k < UsedListRows(s); ++k) {
    if (s.TownPurchases[static_cast<std::size_t>(k)].Name == name) return k;
  }
  return -1;
}

// The market row with that name, or -1.
std::int32_t MarketRowNamed(const GameState& s, const std::string& name) {
  for (std::int32_t j = 0; j < kMarketRows; ++j) {
    if (s.MarketGoods[static_cast<std::size_t>(j)].Name == name) return j;
  }
  return -1;
}

// Moves `pieces` from market row j to the shopping list: a full row starts a list row at the
// day's price, any other adds to the row it already has. A full row can always start one: the
// list holds a row only for each market row that is not full.
void MoveToList(GameState& s, std::int32_t j, std::int32_t pieces) {
  MarketEntry& market = s.MarketGoods[static_cast<std::size_t>(j)];
  if (market.Count == kPiecesPerMarketRow) {
    if (UsedListRows(s) >= kPurchaseRows) return;
    PurchaseEntry& added = s.TownPurchases[static_cast<std::size_t>(UsedListRows(s))];
    added = {market.Name, market.WeaponId, pieces, market.OfferPrice};
    s.TownPurchaseCount = UsedListRows(s) + 1;
    market.Count -= pieces;
    return;
  }
  const std::int32_t k = ListRowNamed(s, market.Name);
  // A part-taken row without its list row has nowhere to put the pieces: they stay on sale.
  if (k < 0) return;
  s.TownPurchases[static_cast<std::size_t>(k)].Count += pieces;
  market.Count -= pieces;
}

bool IsMarketRow(std::int32_t row) { return row >= 0 && row < kMarketRows; }

bool Busy(const GameState& s) { return s.CommandBusy != kFalse; }

}  // namespace

bool TakeOnePiece(GameState& s, std::int32_t row) {
  if (!IsMarketRow(row)) return false;
  const std::int32_t left = s.MarketGoods[static_cast<std::size_t>(row)].Count;
  if (left <= 0) return false;
  MoveToList(s, row, 1);
  return true;
}

bool TakeWholeRow(GameState& s, std::int32_t row) {
  if (!IsMarketRow(row)) return false;
  const std::int32_t left = s.MarketGoods[static_cast<std::size_t>(row)].Count;
  if (left <= 0) return false;
  MoveToList(s, row, left);
  return true;
}

bool PutBackOnePiece(GameState& s, std::int32_t row) {
  if (row < 0 || row >= UsedListRows(s)) return false;
  PurchaseEntry& listed = s.TownPurchases[static_cast<std::size_t>(row)];
  if (listed.Count < 2) return PutBackWholeRow(s, row);
  const std::int32_t j = MarketRowNamed(s, listed.Name);
  if (j < 0) return true;
  listed.Count -= 1;
  s.MarketGoods[static_cast<std::size_t>(j)].Count += 1;
  return true;
}

bool PutBackWholeRow(GameState& s, std::int32_t row) {
  const std::int32_t used = UsedListRows(s);
  if (row < 0 || row >= used) return false;
  const std::int32_t j = MarketRowNamed(s, s.TownPurchases[static_cast<std::size_t>(row)].Name);
  if (j >= 0) s.MarketGoods[static_cast<std::size_t>(j)].Count = kPiecesPerMarketRow;
  const auto first = s.TownPurchases.begin();
  std::move(first + row + 1, first + used, first + row);
  s.TownPurchases[static_cast<std::size_t>(used - 1)] = {};
  s.TownPurchaseCount = used - 1;
  s.SelectedBuyRow = row;
  return true;
}

int ShownSellRow(const GameState& s) {
  const std::int32_t row = s.SelectedRow == 0 ? 1 : s.SelectedRow;
  return row >= 1 && row <= kMarketRows ? row : 0;
}

int ShownBuyRow(const GameState& s) {
  const std::int32_t used = UsedListRows(s);
  if (used == 0) return 0;
  const std::int32_t row = s.SelectedBuyRow == 0 ? 1 : s.SelectedBuyRow;
  return row >= 1 && row <= used ? row : 0;
}

bool ListsTakeClicks(const GameState& s) {
  return s.MarketListsShut == kFalse && s.MarketDealDone == kFalse;
}

bool SellListGesture(GameState& s, int shownRow, ListGesture gesture) {
  if (!ListsTakeClicks(s)) return false;
  if (shownRow < 1 || shownRow > kMarketRows) return false;
  s.SelectedRow = shownRow;
  // While a command runs (buying, or the question of leaving), the list takes no moves and
  // leaves CommandBusy to that command.
  if (gesture == ListGesture::Press || Busy(s)) return false;
  s.CommandBusy = kTrue;
  const std::int32_t row = shownRow - 1;
  const bool moved =
      gesture == ListGesture::DoubleClick ? TakeOnePiece(s, row) : TakeWholeRow(s, row);
  s.CommandBusy = kFalse;
  return moved;
}

bool BuyListGesture(GameState& s, int shownRow, ListGesture gesture) {
  if (!ListsTakeClicks(s)) return false;
  if (shownRow < 1 || shownRow > UsedListRows(s)) return false;
  s.SelectedBuyRow = shownRow;
  if (gesture == ListGesture::Press || Busy(s)) return false;
  s.CommandBusy = kTrue;
  const std::int32_t row = shownRow - 1;
  const bool moved =
      gesture == ListGesture::DoubleClick ? PutBackOnePiece(s, row) : PutBackWholeRow(s, row);
  s.CommandBusy = kFalse;
  return moved;
}

std::optional<std::string> MarketLedgerBreach(const GameState& s) {
  if (s.TownPurchaseCount < 0 || s.TownPurchaseCount > kPurchaseRows) {
    return "TownPurchaseCount " + std::to_string(s.TownPurchaseCount) + " is outside 0..10";
  }
  if (s.MarketDealDone == kTrue) {
    if (s.TownPurchaseCount == 0 || ShoppingListTotal(s) == s.DealAmount) return std::nullopt;
    return "the deal is done, but the shopping list is worth " +
           std::to_string(ShoppingListTotal(s)) + " and " +
           std::to_string(s.DealAmount) + " were paid";
  }
  // While a command runs (buying, the question of leaving) the ledger is its business.
  if (s.CommandBusy != kFalse) return std::nullopt;
  std::array<bool, kMarketRows> listed{};
  for (std::int32_t k = 0; k < s.TownPurchaseCount; ++k) {
    const PurchaseEntry& row = s.TownPurchases[static_cast<std::size_t>(k)];
    const std::string where = "shopping-list row " + std::to_string(k) + " (" + row.Name + ")";
    const std::int32_t j = MarketRowNamed(s, row.Name);
    if (j < 0) return where + " names no market row";
    if (listed[static_cast<std::size_t>(j)]) return where + " repeats an earlier row";
    listed[static_cast<std::size_t>(j)] = true;
    if (row.Count < 1 || row.Count > kPiecesPerMarketRow) {
      return where + " holds " + std::to_string(row.Count) + " pieces";
    }
  }
  for (std::int32_t j = 0; j < kMarketRows; ++j) {
    const MarketEntry& market = s.MarketGoods[static_cast<std::size_t>(j)];
    const std::string where = "market row " + std::to_string(j) + " (" + market.Name + ")";
    if (market.Count < 0 || market.Count > kPiecesPerMarketRow) {
      return where + " holds " + std::to_string(market.Count) + " pieces";
    }
    const std::int32_t k = ListRowNamed(s, market.Name);
    const std::int32_t onList = k < 0 ? 0 : s.TownPurchases[static_cast<std::size_t>(k)].Count;
    if (market.Count + onList != kPiecesPerMarketRow) {
      return where + " and its shopping-list row hold " + std::to_string(market.Count + onList) +
             " pieces, not 10";
    }
  }
  return std::nullopt;
}

}  // namespace tolmark::town
