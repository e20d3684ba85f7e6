// The shop's four information windows as finished rows and places for the desktop.
#pragma once

#include <cstdint>

#include "model/game_state.h"
#include "present/floor_placement.h"

namespace tolmark::shop {

// Each window stands above the floor by its own height plus a margin in pixels.
Placement StockListPlacement(const ScreenMetrics& m);       // frmShopItem
Placement StatusPlacement(const ScreenMetrics& m);          // frmStatus
Placement CollectionListPlacement(const ScreenMetrics& m);  // frmList
Placement OrderListPlacement(const ScreenMetrics& m);       // frmOrder

// "売り物": one row per stocked weapon, selection at SelectedRow (row 1 when none chosen).
ListContent StockListContent(const GameState& s);
// "ステータス": level, experience still needed, HP, stock rows, reputation, money.
LabelContent StatusContent(const GameState& s);
// "武器リスト": all 61 weapons, those never owned shown as question marks.
ListContent CollectionListContent(const GameState& s);
// "注文品": the title, then each order row's name and pieces still wanted.
LabelContent OrderListContent(const GameState& s);

// Opens or refills the window at its place and sets its open flag, as its loading does.
void ShowStockList(GameState& s, Desktop& desktop);
void ShowStatus(GameState& s, Desktop& desktop);
void ShowCollectionList(GameState& s, Desktop& desktop);
void ShowOrderList(GameState& s, Desktop& desktop);

}  // namespace tolmark::shop
