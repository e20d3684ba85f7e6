// The market's list windows: contents and places.
#include "town/market_windows.h"

#include <string>

#include "model/inventory.h"
#include "model/numbers.h"
#include "town/market_lists.h"

namespace tolmark::town {
namespace {

// The two windows' bottoms stand 148 and 60 px above the floor: each is 88 px high, the
// header and five rows, so the goods sit exactly on the shopping list at any pixel size.
constexpr std::int32_t kListWidth = 4350;  // units: the three columns and the frame
constexpr int kListHeightPx = 88;
constexpr int kSellAboveFloorPx = 148;
constexpr int kBuyAboveFloorPx = 60;
static_assert(kSellAboveFloorPx - kBuyAboveFloorPx == kListHeightPx);

WindowSize ListSize(const ScreenMetrics& m) { return {kListWidth, m.PxY(kListHeightPx)}; }

}  // namespace

Placement SellListPlacement(const ScreenMetrics& m) {
  return PlaceAboveFloor(m, ListSize(m), 0, kSellAboveFloorPx);
}

Placement BuyListPlacement(const ScreenMetrics& m) {
  return PlaceAboveFloor(m, ListSize(m), 0, kBuyAboveFloorPx);
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
