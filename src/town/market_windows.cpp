// The market's list windows: contents and places.
#include "town/market_windows.h"

#include <string>

#include "model/inventory.h"
#include "model/numbers.h"
#include "town/market_lists.h"

namespace tolmark::town {
namespace {

// Design client size, in screen units: as wide as the list's three columns and its frame,
// high enough for the header and five rows.
constexpr WindowSize kListSize{4350, 1335};
constexpr int kSellAboveFloorPx = 148;
constexpr int kBuyAboveFloorPx = 60;

}  // namespace

Placement SellListPlacement(const ScreenMetrics& m) {
  return PlaceAboveFloor(m, kListSize, 0, kSellAboveFloorPx);
}

Placement BuyListPlacement(const ScreenMetrics& m) {
  return PlaceAboveFloor(m, kListSize, 0, kBuyAboveFloorPx);
}

ListContent SellListContent(const GameState& s) {
  ListContent list;
  list.columns = {{"売物名称", 2000}, {"個数", 1000}, {"値段", 1000}};
  for (const MarketEntry& row : s.MarketGoods) {
    list.rows.push_back({row.Name, std::to_string(row.Count), FormatThousands(row.OfferPrice)});
  }
  list.selectedRow = ShownSellRow(s);
  return list;
}

ListContent BuyListContent(const GameState& s) {
  ListContent list;
  list.columns = {{"買物リスト", 2000}, {"個数", 1000}, {"合計金額", 1000}};
  for (const PurchaseEntry& row : UsedEntriesOf(s.TownPurchases, s.TownPurchaseCount)) {
    list.rows.push_back({row.Name, FormatThousands(row.Count),
                         FormatThousands(static_cast<std::int64_t>(row.Price) * row.Count)});
  }
  list.selectedRow = ShownBuyRow(s);
  return list;
}

}  // namespace tolmark::town
