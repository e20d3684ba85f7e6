// Moving pieces between the market and the shopping list: one piece or a whole row each way,
// the selection after a row goes, the gestures on the two windows, and the ledger's balance.
#include "town/market_lists.h"

#include <gtest/gtest.h>

#include <ostream>
#include <random>
#include <vector>

#include "town_fixture.h"

namespace tolmark::town {
namespace {

using testing::AtTheMarket;
using testing::ListRows;
using testing::MarketCounts;

enum class Op { TakeOne, TakeRow, BackOne, BackRow };

struct Move {
  Op op;
  std::int32_t row;  // 0-based
};

bool Apply(GameState& s, Move m) {
  switch (m.op) {
    case Op::TakeOne: return TakeOnePiece(s, m.row);
    case Op::TakeRow: return TakeWholeRow(s, m.row);
    case Op::BackOne: return PutBackOnePiece(s, m.row);
    case Op::BackRow: return PutBackWholeRow(s, m.row);
  }
  return false;
}

using Counts = std::array<std::int32_t, kMarketRows>;

struct LedgerCase {
  const char* what;
  std::vector<Move> moves;
  bool lastMoveCounts;  // whether the last move asks for the lists to be filled again
  std::vector<std::string> list;
  Counts market;
  std::int32_t selectedBuyRow;
  friend void PrintTo(const LedgerCase& c, std::ostream* os) { *os << c.what; }
};

class MarketLedgerTest : public ::testing::TestWithParam<LedgerCase> {};

TEST_P(MarketLedgerTest, ListAndMarketAfterTheMoves) {
  const LedgerCase& c = GetParam();
  GameState s = AtTheMarket();
  s.SelectedBuyRow = 99;  // a leftover the moves must replace where a row goes
  bool last = false;
  for (const Move& m : c.moves) last = Apply(s, m);
  EXPECT_EQ(last, c.lastMoveCounts);
  EXPECT_EQ(ListRows(s), c.list);
  EXPECT_EQ(MarketCounts(s), c.market);
  EXPECT_EQ(s.SelectedBuyRow, c.selectedBuyRow);
  EXPECT_EQ(MarketLedgerBreach(s), std::nullopt);
}

// Market rows: 0 猛毒の爪, 1 カイザーナックル, 2 雷神剣, 3 アイアンソード, 4 包丁, ...
// clang-format off
INSTANTIATE_TEST_SUITE_P(Moves, MarketLedgerTest, ::testing::Values(
  LedgerCase{"one piece of a full row starts a list row",
    {{Op::TakeOne, 2}}, true,
    {"雷神剣×1"}, {10, 10, 9, 10, 10, 10, 10, 10, 10, 10}, 99},
  LedgerCase{"the rest of that row follows by the right button",
    {{Op::TakeOne, 2}, {Op::TakeRow, 2}}, true,
    {"雷神剣×10"}, {10, 10, 0, 10, 10, 10, 10, 10, 10, 10}, 99},
  LedgerCase{"a whole full row at once",
    {{Op::TakeRow, 0}}, true,
    {"猛毒の爪×10"}, {0, 10, 10, 10, 10, 10, 10, 10, 10, 10}, 99},
  LedgerCase{"an empty row gives nothing and is not refilled",
    {{Op::TakeRow, 0}, {Op::TakeOne, 0}}, false,
    {"猛毒の爪×10"}, {0, 10, 10, 10, 10, 10, 10, 10, 10, 10}, 99},
  LedgerCase{"nor by the right button",
    {{Op::TakeRow, 0}, {Op::TakeRow, 0}}, false,
    {"猛毒の爪×10"}, {0, 10, 10, 10, 10, 10, 10, 10, 10, 10}, 99},
  LedgerCase{"list rows keep the order of first choice",
    {{Op::TakeOne, 4}, {Op::TakeOne, 1}, {Op::TakeOne, 4}}, true,
    {"包丁×2", "カイザーナックル×1"}, {10, 9, 10, 10, 8, 10, 10, 10, 10, 10}, 99},
  LedgerCase{"one piece back from a row of several",
    {{Op::TakeRow, 3}, {Op::BackOne, 0}}, true,
    {"アイアンソード×9"}, {10, 10, 10, 1, 10, 10, 10, 10, 10, 10}, 99},
  LedgerCase{"the last piece back removes the row; those below move up",
    {{Op::TakeOne, 0}, {Op::TakeOne, 1}, {Op::TakeOne, 2}, {Op::BackOne, 1}}, true,
    {"猛毒の爪×1", "雷神剣×1"}, {9, 10, 9, 10, 10, 10, 10, 10, 10, 10}, 1},
  LedgerCase{"a whole row back from the middle; the selection goes to the row above",
    {{Op::TakeRow, 0}, {Op::TakeOne, 1}, {Op::TakeOne, 1}, {Op::TakeRow, 2}, {Op::BackRow, 1}}, true,
    {"猛毒の爪×10", "雷神剣×10"}, {0, 10, 0, 10, 10, 10, 10, 10, 10, 10}, 1},
  LedgerCase{"the top row back leaves the selection at the first row",
    {{Op::TakeOne, 5}, {Op::TakeOne, 6}, {Op::BackRow, 0}}, true,
    {"睡魔の杖×1"}, {10, 10, 10, 10, 10, 10, 9, 10, 10, 10}, 0},
  LedgerCase{"a row the list does not have",
    {{Op::TakeOne, 5}, {Op::BackRow, 1}}, false,
    {"奇跡の杖×1"}, {10, 10, 10, 10, 10, 9, 10, 10, 10, 10}, 99},
  LedgerCase{"a row the market does not have",
    {{Op::TakeOne, 10}}, false,
    {}, {10, 10, 10, 10, 10, 10, 10, 10, 10, 10}, 99}
));
// clang-format on

TEST(MarketLists, ListRowIsPricedAtTheDaysOfferAndKeepsItsId) {
  GameState s = AtTheMarket();
  s.MarketGoods[2].OfferPrice = 1234;
  ASSERT_TRUE(TakeOnePiece(s, 2));
  s.MarketGoods[2].OfferPrice = 9999;  // a later price does not reach the row
  ASSERT_TRUE(TakeWholeRow(s, 2));
  EXPECT_EQ(s.TownPurchases[0].Price, 1234);
  EXPECT_EQ(s.TownPurchases[0].WeaponId, 30);
}

TEST(MarketLists, EveryRowTakenFillsTheListExactly) {
  GameState s = AtTheMarket();
  for (std::int32_t row = kMarketRows - 1; row >= 0; --row) ASSERT_TRUE(TakeOnePiece(s, row));
  EXPECT_EQ(s.TownPurchaseCount, kPurchaseRows);
  for (std::int32_t row = 0; row < kMarketRows; ++row) ASSERT_TRUE(TakeWholeRow(s, row));
  EXPECT_EQ(s.TownPurchaseCount, kPurchaseRows);
  EXPECT_EQ(ListRows(s).front(), "セイントソード×10");
  EXPECT_EQ(ListRows(s).back(), "猛毒の爪×10");
  EXPECT_EQ(MarketCounts(s), Counts{});
  EXPECT_EQ(MarketLedgerBreach(s), std::nullopt);
}

// A press only records the row; a double click or a right press moves pieces when no command
// runs, and the move is over before the lists are filled again.
struct GestureCase {
  const char* what;
  bool buyList;
  int shownRow;
  ListGesture gesture;
  bool busy;
  bool refill;
  std::int32_t selected;  // SelectedRow or SelectedBuyRow after the gesture
  std::vector<std::string> list;
  friend void PrintTo(const GestureCase& c, std::ostream* os) { *os << c.what; }
};

class MarketGestureTest : public ::testing::TestWithParam<GestureCase> {};

TEST_P(MarketGestureTest, SelectionMovesAndBusyFlag) {
  const GestureCase& c = GetParam();
  GameState s = AtTheMarket();
  ASSERT_TRUE(TakeOnePiece(s, 0));
  ASSERT_TRUE(TakeWholeRow(s, 3));  // the list: 猛毒の爪×1, アイアンソード×10
  s.SelectedRow = 0;
  s.SelectedBuyRow = 0;
  s.CommandBusy = AsFlag(c.busy);
  const bool refill = c.buyList ? BuyListGesture(s, c.shownRow, c.gesture)
                                : SellListGesture(s, c.shownRow, c.gesture);
  EXPECT_EQ(refill, c.refill);
  EXPECT_EQ(c.buyList ? s.SelectedBuyRow : s.SelectedRow, c.selected);
  EXPECT_EQ(ListRows(s), c.list);
  EXPECT_EQ(s.CommandBusy, AsFlag(c.busy)) << "a move ends with the flag as it found it";
  EXPECT_EQ(MarketLedgerBreach(s), std::nullopt);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Gestures, MarketGestureTest, ::testing::Values(
  GestureCase{"press on the market",         false, 3,  ListGesture::Press,       false, false, 3, {"猛毒の爪×1", "アイアンソード×10"}},
  GestureCase{"double click on the market",  false, 1,  ListGesture::DoubleClick, false, true,  1, {"猛毒の爪×2", "アイアンソード×10"}},
  GestureCase{"right press on the market",   false, 1,  ListGesture::RightPress,  false, true,  1, {"猛毒の爪×10", "アイアンソード×10"}},
  GestureCase{"right press on an empty row", false, 4,  ListGesture::RightPress,  false, false, 4, {"猛毒の爪×1", "アイアンソード×10"}},
  GestureCase{"a command runs",              false, 1,  ListGesture::RightPress,  true,  false, 1, {"猛毒の爪×1", "アイアンソード×10"}},
  GestureCase{"below the last row",          false, 0,  ListGesture::RightPress,  false, false, 0, {"猛毒の爪×1", "アイアンソード×10"}},
  GestureCase{"past the market",             false, 11, ListGesture::DoubleClick, false, false, 0, {"猛毒の爪×1", "アイアンソード×10"}},
  GestureCase{"press on the list",           true,  2,  ListGesture::Press,       false, false, 2, {"猛毒の爪×1", "アイアンソード×10"}},
  GestureCase{"double click on the list",    true,  2,  ListGesture::DoubleClick, false, true,  2, {"猛毒の爪×1", "アイアンソード×9"}},
  GestureCase{"last piece back by a double click", true, 1, ListGesture::DoubleClick, false, true, 0, {"アイアンソード×10"}},
  GestureCase{"right press on the list",     true,  2,  ListGesture::RightPress,  false, true,  1, {"猛毒の爪×1"}},
  GestureCase{"a command runs on the list",  true,  2,  ListGesture::RightPress,  true,  false, 2, {"猛毒の爪×1", "アイアンソード×10"}},
  GestureCase{"below the list's last row",   true,  3,  ListGesture::RightPress,  false, false, 0, {"猛毒の爪×1", "アイアンソード×10"}}
));
// clang-format on

TEST(MarketLists, EmptyListTakesNoSelection) {
  GameState s = AtTheMarket();
  s.SelectedBuyRow = 0;
  EXPECT_FALSE(BuyListGesture(s, 1, ListGesture::DoubleClick));
  EXPECT_EQ(s.SelectedBuyRow, 0);
  EXPECT_EQ(ShownBuyRow(s), 0);
}

struct ShownCase {
  std::int32_t selectedRow, selectedBuyRow, listRows;
  int shownSell, shownBuy;
};

class MarketShownRowTest : public ::testing::TestWithParam<ShownCase> {};

TEST_P(MarketShownRowTest, RecordedOrFirstOrNone) {
  const ShownCase& c = GetParam();
  GameState s = AtTheMarket();
  for (std::int32_t row = 0; row < c.listRows; ++row) ASSERT_TRUE(TakeOnePiece(s, row));
  s.SelectedRow = c.selectedRow;
  s.SelectedBuyRow = c.selectedBuyRow;
  EXPECT_EQ(ShownSellRow(s), c.shownSell);
  EXPECT_EQ(ShownBuyRow(s), c.shownBuy);
}

INSTANTIATE_TEST_SUITE_P(Rows, MarketShownRowTest,
                         ::testing::Values(ShownCase{0, 0, 3, 1, 1}, ShownCase{10, 3, 3, 10, 3},
                                           ShownCase{11, 4, 3, 0, 0}, ShownCase{5, 0, 0, 5, 0}));

// Many gestures of every kind in a seeded order, as a player clicking about: the ledger
// balances after each, the list never outgrows its ten rows, and each kept selection is a row.
TEST(MarketLists, LedgerBalancesThroughAnyRunOfGestures) {
  GameState s = AtTheMarket();
  std::mt19937 engine(20261210);
  std::uniform_int_distribution<int> pick(0, 11);
  std::uniform_int_distribution<int> kind(0, 2);
  for (int i = 0; i < 5000; ++i) {
    const auto gesture = static_cast<ListGesture>(kind(engine));
    if (engine() % 2 == 0) {
      SellListGesture(s, pick(engine), gesture);
    } else {
      BuyListGesture(s, pick(engine), gesture);
    }
    const auto breach = MarketLedgerBreach(s);
    ASSERT_EQ(breach, std::nullopt) << "after gesture " << i << ": " << breach.value_or("");
    ASSERT_GE(s.SelectedBuyRow, 0);
    ASSERT_LE(s.SelectedBuyRow, kPurchaseRows);
  }
}

struct BreachCase {
  const char* what;
  void (*spoil)(GameState&);
  friend void PrintTo(const BreachCase& c, std::ostream* os) { *os << c.what; }
};

class MarketBreachTest : public ::testing::TestWithParam<BreachCase> {};

TEST_P(MarketBreachTest, CheckerFindsIt) {
  GameState s = AtTheMarket();
  ASSERT_TRUE(TakeOnePiece(s, 0));
  ASSERT_TRUE(TakeWholeRow(s, 1));
  ASSERT_EQ(MarketLedgerBreach(s), std::nullopt);
  GetParam().spoil(s);
  EXPECT_NE(MarketLedgerBreach(s), std::nullopt);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Spoilt, MarketBreachTest, ::testing::Values(
  BreachCase{"a piece lost from the list",   [](GameState& s) { s.TownPurchases[1].Count = 9; }},
  BreachCase{"a piece added to the market",  [](GameState& s) { s.MarketGoods[0].Count = 10; }},
  BreachCase{"a full row still on the list", [](GameState& s) { s.MarketGoods[1].Count = 10; s.TownPurchases[1].Count = 0; }},
  BreachCase{"a row named twice",            [](GameState& s) { s.TownPurchases[1] = s.TownPurchases[0]; s.MarketGoods[1].Count = 10; }},
  BreachCase{"a row of a weapon not on sale", [](GameState& s) { s.TownPurchases[1].Name = "木刀"; s.MarketGoods[1].Count = 10; }},
  BreachCase{"the list dropped",             [](GameState& s) { s.TownPurchaseCount = 0; }},
  BreachCase{"a count past the list",        [](GameState& s) { s.TownPurchaseCount = 11; }},
  BreachCase{"a market row below 0",         [](GameState& s) { s.MarketGoods[1].Count = -1; s.TownPurchases[1].Count = 11; }}
));
// clang-format on

}  // namespace
}  // namespace tolmark::town
