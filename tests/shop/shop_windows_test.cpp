// The shop's information windows: finished rows and their places above the floor.
#include "shop/shop_windows.h"

#include <gtest/gtest.h>

#include "new_game.h"

namespace tolmark::shop {
namespace {

using testing_support::NewGame;

TEST(ShopWindows, PlacesEachWindowAboveTheFloorByItsHeightAndMargin) {
  const ScreenMetrics m{16200, 15, 15};  // a 1080-pixel work area
  struct Case {
    Placement got;
    Placement want;
  };
  const Case cases[] = {
      {StockListPlacement(m), {1905, 16200 - 1335 - 900, 4350, 1335}},
      {StatusPlacement(m), {0, 16200 - 2280 - 900, 1920, 2280}},
      {CollectionListPlacement(m), {0, 16200 - 2295 - 3165, 6990, 2295}},
      {OrderListPlacement(m), {1905, 16200 - 930 - 2235, 3750, 930}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.got.x, c.want.x);
    EXPECT_EQ(c.got.y, c.want.y);
    EXPECT_EQ(c.got.width, c.want.width);
    EXPECT_EQ(c.got.height, c.want.height);
  }
}

TEST(ShopWindows, StockListFormatsCountsAndPricesAndKeepsTheSelection) {
  GameState s = NewGame();
  s.StockCount = 2;
  s.ShopStock[0] = {59, 12};
  s.ShopStock[1] = {33, 1};
  const ListContent list = StockListContent(s);
  ASSERT_EQ(list.columns.size(), 3u);
  EXPECT_EQ(list.columns[0].title, "名前");
  EXPECT_EQ(list.columns[2].title, "売値");
  ASSERT_EQ(list.rows.size(), 2u);
  EXPECT_EQ(list.rows[0], (std::vector<std::string>{"五輪の剣", "12", "200,000"}));
  EXPECT_EQ(list.rows[1], (std::vector<std::string>{"金の剣", "1", "10,000"}));

  struct Case {
    std::int32_t selected;
    int shown;
  };
  for (const Case c : {Case{0, 1}, Case{2, 2}, Case{3, 0}}) {
    s.SelectedRow = c.selected;
    EXPECT_EQ(StockListContent(s).selectedRow, c.shown) << c.selected;
  }
  // A weapon number outside the catalogue (a tampered save) is listed as unknown.
  s.ShopStock[1] = {63, 2};
  EXPECT_EQ(StockListContent(s).rows[1], (std::vector<std::string>{"？　？　？　？　？", "2", "0"}));

  s.StockCount = 0;
  EXPECT_TRUE(StockListContent(s).rows.empty());
  EXPECT_EQ(StockListContent(s).selectedRow, 0);
}

TEST(ShopWindows, StatusShowsSixRowsWithTheirFormats) {
  GameState s = NewGame();
  s.Level = 12;
  s.NextLevelExp = 2000;
  s.Experience = 5;
  s.HP = 40;
  s.MaxHP = 120;
  s.Reputation = 999;
  s.Gold = 1234567;
  const LabelContent labels = StatusContent(s);
  const std::vector<std::pair<std::string, std::string>> want = {
      {"レベル：", "Lv12"}, {"次まで：", "1,995"},   {"HP：", "40/120"},
      {"店在庫：", "3/15"}, {"評判：", "999"},       {"所持金：", "1,234,567"},
  };
  EXPECT_EQ(labels.rows, want);
}

TEST(ShopWindows, CollectionListHidesWeaponsNeverOwned) {
  GameState s = NewGame();
  s.Collected[59] = kTrue;
  const ListContent list = CollectionListContent(s);
  ASSERT_EQ(list.rows.size(), 61u);
  EXPECT_EQ(list.rows[0], (std::vector<std::string>{"1", "木刀", "土産物屋にすら置いてある木で出来た刀"}));
  EXPECT_EQ(list.rows[3],
            (std::vector<std::string>{"4", "？　？　？　？　？", "？　？　？　？　？　？　？　？　？"}));
  EXPECT_EQ(list.rows[59][1], "五輪の剣");
  EXPECT_EQ(list.rows[60][0], "61");
  EXPECT_EQ(list.selectedRow, 1);
}

TEST(ShopWindows, OrderListShowsTitleThenNamesAndWantedInReadingOrder) {
  GameState s = NewGame();
  s.RoyalOrder[1].Wanted = 0;
  s.RoyalOrder[2].Wanted = 12;
  const LabelContent labels = OrderListContent(s);
  const std::vector<std::pair<std::string, std::string>> want = {
      {"+++ 注文品リスト +++++++++++++++++++++++++", ""},
      {"睡魔の杖：", "50"},
      {"セイントソード：", "12"},
      {"ゲイボルグ：", "0"},
      {"疾風の弓：", "50"},
  };
  EXPECT_EQ(labels.rows, want);
}

}  // namespace
}  // namespace tolmark::shop
