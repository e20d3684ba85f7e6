// Loading the stock list, status, collection list and royal order windows of the shop.
#include "shop/shop_windows.h"

#include <span>
#include <string>

#include "model/inventory.h"
#include "model/language.h"
#include "model/numbers.h"
#include "model/weapons.h"

namespace tolmark::shop {
namespace {

// Design client sizes, in screen units.
constexpr WindowSize kStockListSize{4350, 1335};
constexpr WindowSize kStatusSize{1920, 2280};
constexpr WindowSize kCollectionListSize{6990, 2295};
constexpr WindowSize kOrderListSize{3750, 930};

const std::string kUnknownName(kUnknownWeaponName);
const std::string kUnknownDescription = "？　？　？　？　？　？　？　？　？";

}  // namespace

Placement StockListPlacement(const ScreenMetrics& m) {
  return PlaceAboveFloor(m, kStockListSize, 127, 60);
}
Placement StatusPlacement(const ScreenMetrics& m) { return PlaceAboveFloor(m, kStatusSize, 0, 60); }
Placement CollectionListPlacement(const ScreenMetrics& m) {
  return PlaceAboveFloor(m, kCollectionListSize, 0, 211);
}
Placement OrderListPlacement(const ScreenMetrics& m) {
  return PlaceAboveFloor(m, kOrderListSize, 127, 149);
}

ListContent StockListContent(const GameState& s) {
  ListContent list;
  list.columns = {{"名前", 2000}, {"個数", 1000}, {"売値", 1000}};
  const std::span<const StockEntry> used = UsedEntriesOf(s.ShopStock, s.StockCount);
  for (const StockEntry& entry : used) {
    // A weapon number no catalogue row has (only a tampered save holds one) lists as unknown.
    if (entry.WeaponId < 0 || entry.WeaponId >= kWeaponCount) {
      list.rows.push_back({kUnknownName, FormatThousands(entry.Count), "0"});
      continue;
    }
    const WeaponRecord& weapon = s.Catalogue[static_cast<std::size_t>(entry.WeaponId)];
    list.rows.push_back({weapon.Name, FormatThousands(entry.Count), FormatThousands(weapon.Price)});
  }
  if (!used.empty()) {
    const std::int32_t row = s.SelectedRow == 0 ? 1 : s.SelectedRow;
    // A row that no longer exists selects nothing.
    list.selectedRow = (row >= 1 && row <= std::ssize(used)) ? row : 0;
  }
  return list;
}

LabelContent StatusContent(const GameState& s) {
  return LabelContent{{
      {"レベル：", "Lv" + std::to_string(s.Level)},
      {"次まで：", FormatThousands(static_cast<std::int64_t>(s.NextLevelExp) - s.Experience)},
      {"HP：", std::to_string(s.HP) + "/" + std::to_string(s.MaxHP)},
      {"店在庫：", std::to_string(s.StockCount) + "/" + std::to_string(s.StockCapacity)},
      {"評判：", FormatThousands(s.Reputation)},
      {"所持金：", FormatThousands(s.Gold)},
  }};
}

ListContent CollectionListContent(const GameState& s) {
  ListContent list;
  list.columns = {{"番号", 600}, {"名前", 2000}, {"説明", 4050}};
  for (std::size_t i = 0; i < static_cast<std::size_t>(kWeaponCount); ++i) {
    const bool owned = s.Collected[i] != kFalse;
    list.rows.push_back({std::to_string(i + 1), owned ? s.Catalogue[i].Name : kUnknownName,
                         owned ? s.Catalogue[i].Description : kUnknownDescription});
  }
  list.selectedRow = 1;
  return list;
}

LabelContent OrderListContent(const GameState& s) {
  LabelContent labels;
  labels.rows.push_back({"+++ 注文品リスト +++++++++++++++++++++++++", ""});
  // Rows in reading order: the window sets rows 0 and 2 side by side, then rows 1 and 3.
  for (std::size_t i : {0u, 2u, 1u, 3u}) {
    const OrderEntry& order = s.RoyalOrder[i];
    labels.rows.push_back(
        {Fill("{weapon}：", {{"weapon", order.Name}}), std::to_string(order.Wanted)});
  }
  return labels;
}

void ShowStockList(GameState& s, Desktop& desktop) {
  desktop.ShowList(Window::frmShopItem, StockListPlacement(ScreenMetrics::Of(desktop)),
                   StockListContent(s));
  s.ItemListOpen = kTrue;
}

void ShowStatus(GameState& s, Desktop& desktop) {
  desktop.ShowLabels(Window::frmStatus, StatusPlacement(ScreenMetrics::Of(desktop)),
                     StatusContent(s));
  s.StatusOpen = kTrue;
}

void ShowCollectionList(GameState& s, Desktop& desktop) {
  desktop.ShowList(Window::frmList, CollectionListPlacement(ScreenMetrics::Of(desktop)),
                   CollectionListContent(s));
  s.CollectionListOpen = kTrue;
}

void ShowOrderList(GameState& s, Desktop& desktop) {
  desktop.ShowLabels(Window::frmOrder, OrderListPlacement(ScreenMetrics::Of(desktop)),
                     OrderListContent(s));
  s.OrderListOpen = kTrue;
}

}  // namespace tolmark::shop
