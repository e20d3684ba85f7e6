// The market's two list windows: their columns, the formats of their cells, the selection and
// where they stand above the floor.
#include "town/market_windows.h"

#include <gtest/gtest.h>

#include "town/market_lists.h"
#include "town_fixture.h"

namespace tolmark::town {
namespace {

using testing::AtTheMarket;

TEST(MarketWindows, GoodsOnSaleShowPiecesPlainAndPricesGrouped) {
  GameState s = AtTheMarket();
  s.MarketGoods[1].OfferPrice = 12345;
  TakeWholeRow(s, 0);
  TakeOnePiece(s, 1);
  const ListContent list = SellListContent(s);
  ASSERT_EQ(list.columns.size(), 3u);
  EXPECT_EQ(list.columns[0].title, "売物名称");
  EXPECT_EQ(list.columns[0].width, 2000);
  EXPECT_EQ(list.columns[1].title, "個数");
  EXPECT_EQ(list.columns[2].title, "値段");
  ASSERT_EQ(list.rows.size(), 10u) << "an empty row stays listed";
  EXPECT_EQ(list.rows[0], (std::vector<std::string>{"猛毒の爪", "0", "564"}));
  EXPECT_EQ(list.rows[1], (std::vector<std::string>{"カイザーナックル", "9", "12,345"}));
  EXPECT_EQ(list.selectedRow, 1);
}

TEST(MarketWindows, ShoppingListShowsTheRowsTotal) {
  GameState s = AtTheMarket();
  s.MarketGoods[7].OfferPrice = 18199;
  TakeWholeRow(s, 7);
  TakeOnePiece(s, 4);
  s.SelectedBuyRow = 2;
  const ListContent list = BuyListContent(s);
  ASSERT_EQ(list.columns.size(), 3u);
  EXPECT_EQ(list.columns[0].title, "買物リスト");
  EXPECT_EQ(list.columns[1].title, "個数");
  EXPECT_EQ(list.columns[2].title, "合計金額");
  ASSERT_EQ(list.rows.size(), 2u);
  EXPECT_EQ(list.rows[0], (std::vector<std::string>{"死神の鎌", "10", "181,990"}));
  EXPECT_EQ(list.rows[1], (std::vector<std::string>{"包丁", "1", "138"}));
  EXPECT_EQ(list.selectedRow, 2);
}

TEST(MarketWindows, EmptyShoppingListSelectsNothing) {
  GameState s = AtTheMarket();
  s.SelectedBuyRow = 3;
  const ListContent list = BuyListContent(s);
  EXPECT_TRUE(list.rows.empty());
  EXPECT_EQ(list.selectedRow, 0);
}

TEST(MarketWindows, GoodsStandAboveTheListAtTheLeftEdge) {
  const ScreenMetrics m{.workAreaHeight = 10800, .twipsPerPixelX = 15, .twipsPerPixelY = 12,
                        .screenWidthPixels = 1024};
  const Placement sell = SellListPlacement(m);
  const Placement buy = BuyListPlacement(m);
  EXPECT_EQ(sell.x, 0);
  EXPECT_EQ(buy.x, 0);
  EXPECT_EQ(sell.width, 4350);
  EXPECT_EQ(buy.width, 4350);
  EXPECT_EQ(sell.y, 10800 - sell.height - 148 * 12);
  EXPECT_EQ(buy.y, 10800 - buy.height - 60 * 12);
  EXPECT_EQ(sell.y + sell.height, buy.y) << "the goods stand right on the shopping list";
}

}  // namespace
}  // namespace tolmark::town
