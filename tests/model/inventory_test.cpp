// Stock and bag rules: piece by piece, the royal order and elemental checks, the home-coming.
#include "model/inventory.h"

#include <gtest/gtest.h>

#include <span>
#include <string>
#include <vector>

#include "model/step_codes.h"
#include "model/weapons.h"
#include "new_game.h"

namespace tolmark {
namespace {

std::vector<StockEntry> StockOf(const GameState& s) {
  return {s.ShopStock.begin(), s.ShopStock.begin() + s.StockCount};
}

std::vector<StockEntry> BagOf(const GameState& s) {
  return {s.Bag.begin(), s.Bag.begin() + s.BagCount};
}

// Every stocked weapon has been owned, as in a real game.
void SetStock(GameState& s, const std::vector<StockEntry>& entries) {
  s.ShopStock.fill(StockEntry{});
  for (std::size_t i = 0; i < entries.size(); ++i) {
    s.ShopStock[i] = entries[i];
    s.Collected[static_cast<std::size_t>(entries[i].WeaponId)] = kTrue;
  }
  s.StockCount = static_cast<std::int32_t>(entries.size());
}

void SetBag(GameState& s, const std::vector<StockEntry>& entries) {
  s.Bag.fill(StockEntry{});
  s.BagPieces = 0;
  for (std::size_t i = 0; i < entries.size(); ++i) {
    s.Bag[i] = entries[i];
    s.BagPieces += entries[i].Count;
  }
  s.BagCount = static_cast<std::int32_t>(entries.size());
}

// Weapons 0..14, one piece each: a rank-1 stock with every entry taken.
std::vector<StockEntry> FullRankOneStock() {
  std::vector<StockEntry> entries;
  for (std::int32_t w = 0; w < 15; ++w) entries.push_back({w, 1});
  return entries;
}

class Inventory : public ::testing::Test {
 protected:
  GameState s = testing_support::NewGame();
};

// The count of a tampered save may be anything; the used part never leaves the list.
TEST_F(Inventory, UsedEntriesStayInsideTheList) {
  struct Case {
    std::int32_t count;
    std::size_t used;
  };
  const Case cases[] = {{-7, 0}, {0, 0}, {2, 2}, {kWeaponCount, kWeaponCount}, {500, kWeaponCount}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.count);
    const std::span<StockEntry> used = UsedEntriesOf(s.ShopStock, c.count);
    EXPECT_EQ(used.data(), s.ShopStock.data());
    EXPECT_EQ(used.size(), c.used);
  }
  // The used part of a writable list writes into the list itself.
  UsedEntriesOf(s.Bag, 1)[0] = {7, 4};
  EXPECT_EQ(s.Bag[0], (StockEntry{7, 4}));
}

TEST_F(Inventory, AddOneToStock) {
  struct Case {
    const char* what;
    std::vector<StockEntry> before;
    std::int32_t item;
    std::vector<StockEntry> after;
    std::int32_t pendingAction;
  };
  std::vector<StockEntry> fullPlusOne = FullRankOneStock();
  fullPlusOne[7].Count = 2;
  const std::vector<Case> cases = {
      {"full stock, weapon already there", FullRankOneStock(), 7, fullPlusOne, code::Idle},
      {"full stock, new weapon", FullRankOneStock(), 40, FullRankOneStock(), code::NoRoomInStock},
      {"room left, new weapon goes last", {{0, 3}, {1, 3}}, 40, {{0, 3}, {1, 3}, {40, 1}},
       code::Idle},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    s = testing_support::NewGame();
    SetStock(s, c.before);
    s.PendingAction = code::Idle;
    s.CurrentItem = c.item;
    AddOneToStock(s);
    EXPECT_EQ(StockOf(s), c.after);
    EXPECT_EQ(s.PendingAction, c.pendingAction);
    // Only a weapon that actually entered the stock becomes owned.
    EXPECT_EQ(s.Collected[static_cast<std::size_t>(c.item)], c.pendingAction == code::NoRoomInStock ? 0 : -1);
  }
}

// A stock count below zero (set by hand in a scripted game) must never become a place to
// write: a new kind is turned away as from a full stock, a known kind still finds nothing.
TEST_F(Inventory, AStockCountBelowZeroTakesNoNewKind) {
  const auto stockBefore = s.ShopStock;
  s.StockCount = -1;
  s.PendingAction = code::Idle;
  s.CurrentItem = 40;
  AddOneToStock(s);
  EXPECT_EQ(s.PendingAction, code::NoRoomInStock);
  EXPECT_EQ(s.StockCount, -1);
  EXPECT_EQ(s.Collected[40], 0);

  SetBag(s, {{41, 2}});
  std::vector<std::string> said;
  MergeTripGoods(s, [&](const std::string& line) { said.push_back(line); });
  EXPECT_EQ(said, (std::vector<std::string>{"倉庫が一杯なようだ。" + std::string(kWeapons[41].name) +
                                            "は、残念だが捨ててしまおう…"}));
  EXPECT_EQ(s.StockCount, -1);
  EXPECT_EQ(s.ShopStock, stockBefore);
}

TEST_F(Inventory, RemoveOneFromStockKeepsTheOrderOfTheRest) {
  struct Case {
    const char* what;
    std::int32_t item;
    std::vector<StockEntry> after;
  };
  const std::vector<StockEntry> before = {{4, 1}, {9, 2}, {1, 5}, {30, 1}};
  const std::vector<Case> cases = {
      {"last piece of the first entry", 4, {{9, 2}, {1, 5}, {30, 1}}},
      {"last piece of the last entry", 30, {{4, 1}, {9, 2}, {1, 5}}},
      {"one of several pieces", 1, {{4, 1}, {9, 2}, {1, 4}, {30, 1}}},
      {"weapon not stocked", 50, before},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    SetStock(s, before);
    s.CurrentItem = c.item;
    RemoveOneFromStock(s);
    EXPECT_EQ(StockOf(s), c.after);
  }
}

TEST_F(Inventory, StockRowsLeaveWholeOrOnePieceAtATime) {
  struct Case {
    const char* what;
    std::int32_t row;
    bool onePiece;
    bool rowGoes;
    std::vector<StockEntry> after;
  };
  const std::vector<StockEntry> before = {{4, 1}, {9, 2}, {1, 5}};
  const std::vector<Case> cases = {
      {"whole first row", 0, false, true, {{9, 2}, {1, 5}}},
      {"whole last row", 2, false, true, {{4, 1}, {9, 2}}},
      {"one of several pieces", 1, true, false, {{4, 1}, {9, 1}, {1, 5}}},
      {"the last piece", 0, true, true, {{9, 2}, {1, 5}}},
      {"row above the list", -1, true, false, before},
      {"row past the used part", 3, false, false, before},
      {"one piece past the used part", 3, true, false, before},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    SetStock(s, before);
    s.ShopStock[3] = {30, 1};  // stale, beyond the count
    if (c.onePiece) {
      EXPECT_EQ(RemoveOneFromStockRow(s, c.row), c.rowGoes);
    } else {
      RemoveStockRow(s, c.row);
    }
    EXPECT_EQ(StockOf(s), c.after);
    // A place the stock gave up holds nothing.
    if (c.rowGoes) {
      EXPECT_EQ(s.ShopStock[2], StockEntry{});
    }
  }
  SetStock(s, before);
  EXPECT_EQ(StockRowOf(s, 1), 2);
  EXPECT_EQ(StockRowOf(s, 30), -1);
}

TEST_F(Inventory, BagPiecesFollowTheEntries) {
  const int sequence[] = {5, 8, 5, 12};
  for (const int item : sequence) {
    s.CurrentItem = item;
    AddOneToBag(s);
  }
  EXPECT_EQ(BagOf(s), (std::vector<StockEntry>{{5, 2}, {8, 1}, {12, 1}}));
  EXPECT_EQ(s.BagPieces, 4);
  // A bag addition alone does not make a weapon owned.
  EXPECT_EQ(s.Collected[8], 0);

  s.CurrentItem = 8;
  RemoveOneFromBag(s);
  EXPECT_EQ(BagOf(s), (std::vector<StockEntry>{{5, 2}, {12, 1}}));
  EXPECT_EQ(s.BagPieces, 3);

  s.CurrentItem = 40;  // not carried
  RemoveOneFromBag(s);
  EXPECT_EQ(BagOf(s), (std::vector<StockEntry>{{5, 2}, {12, 1}}));
  EXPECT_EQ(s.BagPieces, 3);
}

TEST_F(Inventory, OrderReadyInBag) {
  struct Case {
    const char* what;
    std::array<std::int32_t, 4> wanted;  // weapons 23, 32, 44, 51
    std::vector<StockEntry> bag;
    Flag ready;
  };
  const std::vector<Case> cases = {
      {"nothing wanted any more", {0, 0, 0, 0}, {{23, 5}}, 0},
      {"nothing wanted, empty bag", {0, 0, 0, 0}, {}, 0},
      {"everything wanted is carried", {2, 1, 0, 3}, {{51, 3}, {1, 1}, {23, 2}, {32, 4}}, -1},
      {"one short", {2, 1, 0, 3}, {{51, 2}, {23, 2}, {32, 1}}, 0},
      {"one weapon missing", {2, 1, 0, 0}, {{23, 9}}, 0},
      {"delivered rows need nothing", {0, 0, 4, 0}, {{44, 4}}, -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    for (std::size_t i = 0; i < 4; ++i) s.RoyalOrder[i].Wanted = c.wanted[i];
    SetBag(s, c.bag);
    EXPECT_EQ(OrderReadyInBag(s), c.ready);
  }
}

TEST_F(Inventory, ElementalSetOwned) {
  struct Case {
    const char* what;
    std::vector<StockEntry> stock;
    std::vector<StockEntry> bag;
    Flag owned;
    std::int32_t specialItem;
  };
  const std::vector<Case> cases = {
      {"split between stock and bag", {{0, 1}, {19, 1}, {39, 2}}, {{18, 1}, {38, 1}, {58, 1}}, -1,
       58},
      {"all in the stock", {{58, 1}, {39, 1}, {38, 1}, {18, 1}, {19, 1}}, {}, -1, 58},
      {"third one missing", {{19, 1}, {18, 1}}, {{39, 1}, {58, 1}}, 0, 38},
      {"first one missing", {}, {{18, 1}}, 0, 19},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    SetStock(s, c.stock);
    SetBag(s, c.bag);
    EXPECT_EQ(ElementalSetOwned(s), c.owned);
    EXPECT_EQ(s.SpecialItem, c.specialItem);
  }
}

TEST_F(Inventory, MergeTripGoods) {
  const std::string tooMany = "は、これ以上要らないな。残念だが捨ててしまおう…";
  const std::string name40(kWeapons[40].name);
  const std::string name5(kWeapons[5].name);
  struct Case {
    const char* what;
    std::vector<StockEntry> stock;
    std::vector<StockEntry> bag;
    std::vector<PurchaseEntry> purchases;
    std::vector<StockEntry> after;
    std::vector<std::string> lines;
  };
  std::vector<StockEntry> fullAfter = FullRankOneStock();
  fullAfter[5].Count = 4;
  const std::vector<Case> cases = {
      {"25 stocked and 30 carried", {{0, 3}, {5, 25}}, {{5, 30}}, {}, {{0, 3}, {5, 50}},
       {name5 + tooMany}},
      {"exactly 50 is kept whole", {{5, 20}}, {{5, 30}}, {}, {{5, 50}}, {}},
      {"new weapon into a full stock", FullRankOneStock(), {{40, 2}, {5, 3}}, {}, fullAfter,
       {"倉庫が一杯なようだ。" + name40 + "は、残念だが捨ててしまおう…"}},
      {"bag first, then the town purchases",
       {{0, 3}},
       {{40, 2}},
       {{name5, 5, 4, 130}, {name40, 40, 3, 4000}},
       {{0, 3}, {40, 5}, {5, 4}},
       {}},
      {"purchases past 50 of a kind", {{40, 45}}, {}, {{name40, 40, 10, 4000}}, {{40, 50}},
       {name40 + tooMany}},
      {"more than 50 of a new kind", {{0, 3}}, {{40, 60}}, {}, {{0, 3}, {40, 50}},
       {name40 + tooMany}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    s = testing_support::NewGame();
    SetStock(s, c.stock);
    SetBag(s, c.bag);
    for (std::size_t i = 0; i < c.purchases.size(); ++i) s.TownPurchases[i] = c.purchases[i];
    s.TownPurchaseCount = static_cast<std::int32_t>(c.purchases.size());

    std::vector<std::string> said;
    MergeTripGoods(s, [&](const std::string& line) { said.push_back(line); });

    EXPECT_EQ(StockOf(s), c.after);
    EXPECT_EQ(said, c.lines);
    // Whatever was carried home counts as owned, kept or thrown away.
    for (const StockEntry& lot : c.bag) EXPECT_EQ(s.Collected[lot.WeaponId], -1) << lot.WeaponId;
    for (const PurchaseEntry& row : c.purchases) EXPECT_EQ(s.Collected[row.WeaponId], -1);
    // Emptying the bag is the shop start's job.
    EXPECT_EQ(BagOf(s), c.bag);
  }
}

}  // namespace
}  // namespace tolmark
