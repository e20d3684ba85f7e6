// Throwing carried weapons away from the bag list.
#include "field/bag_discard.h"

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

#include "draws.h"

namespace tolmark::field {
namespace {

using testing::NewGame;

struct AllowCase {
  const char* what;
  std::int32_t steps, destination, storyState;
  Flag commandBusy;
  bool allowed;
  friend void PrintTo(const AllowCase& c, std::ostream* os) { *os << c.what; }
};

class FieldBagDiscardAllowedTest : public ::testing::TestWithParam<AllowCase> {};

TEST_P(FieldBagDiscardAllowedTest, RefusedAtTheGateWhileTheWeaponsAreAwaitedAndWhenBusy) {
  const AllowCase& c = GetParam();
  GameState s = NewGame();
  s.FieldSteps = c.steps;
  s.Destination = c.destination;
  s.StoryState = c.storyState;
  s.CommandBusy = c.commandBusy;
  EXPECT_EQ(MayDiscard(s), c.allowed) << c.what;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Situations, FieldBagDiscardAllowedTest, ::testing::Values(
  AllowCase{"on the road",              120, 3, 5, kFalse, true},
  AllowCase{"at the castle gate",       300, 3, 5, kFalse, false},
  AllowCase{"step 300 of another road", 300, 2, 5, kFalse, true},
  AllowCase{"just before the gate",     299, 3, 5, kFalse, true},
  AllowCase{"the weapons are awaited",  120, 1, 7, kFalse, false},
  AllowCase{"a command under way",      120, 1, 5, kTrue,  false}
));
// clang-format on

class FieldBagDiscardTest : public ::testing::Test {
 protected:
  void SetUp() override {
    s = NewGame();
    s.Bag[0] = {5, 3};
    s.Bag[1] = {7, 1};
    s.Bag[2] = {9, 2};
    s.BagCount = 3;
    s.BagPieces = 6;
    s.SelectedRow = 2;
  }
  std::vector<StockEntry> Bag() const {
    return {s.Bag.begin(), s.Bag.begin() + s.BagCount};
  }
  GameState s;
};

TEST_F(FieldBagDiscardTest, OneOfSeveralPiecesKeepsTheRow) {
  s.SelectedRow = 1;
  EXPECT_TRUE(DiscardOnePiece(s, 1));
  EXPECT_EQ(Bag(), (std::vector<StockEntry>{{5, 2}, {7, 1}, {9, 2}}));
  EXPECT_EQ(s.BagPieces, 5);
  EXPECT_EQ(s.SelectedRow, 1);
}

TEST_F(FieldBagDiscardTest, TheLastPieceRemovesTheRowAndSelectsTheOneAbove) {
  EXPECT_TRUE(DiscardOnePiece(s, 2));
  EXPECT_EQ(Bag(), (std::vector<StockEntry>{{5, 3}, {9, 2}}));
  EXPECT_EQ(s.BagCount, 2);
  EXPECT_EQ(s.BagPieces, 5);
  EXPECT_EQ(s.SelectedRow, 1);
}

TEST_F(FieldBagDiscardTest, TheOnlyPieceEmptiesTheBag) {
  s.Bag[0] = {12, 1};
  s.BagCount = 1;
  s.BagPieces = 1;
  s.SelectedRow = 1;
  EXPECT_TRUE(DiscardOnePiece(s, 1));
  EXPECT_EQ(s.BagCount, 0);
  EXPECT_EQ(s.BagPieces, 0);
  EXPECT_EQ(s.SelectedRow, 0);
}

TEST_F(FieldBagDiscardTest, ARowTheBagDoesNotHoldChangesNothing) {
  EXPECT_FALSE(DiscardOnePiece(s, 0));
  EXPECT_FALSE(DiscardOnePiece(s, 4));
  EXPECT_EQ(s.BagCount, 3);
  EXPECT_EQ(s.BagPieces, 6);
  EXPECT_EQ(s.SelectedRow, 2);
}

}  // namespace
}  // namespace tolmark::field
