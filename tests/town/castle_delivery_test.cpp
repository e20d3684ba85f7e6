// The castle: the king's talk, the delivery of the royal order from the bag, the payment and
// the way into the ending.
#include "town/castle_delivery.h"

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

#include "town/town_codes.h"
#include "town_fixture.h"

namespace tolmark::town {
namespace {

using testing::NewGame;

// Order rows: 0 睡魔の杖 (800), 1 ゲイボルグ (3600), 2 セイントソード (6800), 3 疾風の弓 (21200).
GameState AtTheCastle(const std::vector<StockEntry>& bag,
                      std::array<std::int32_t, kOrderRows> wanted = {50, 50, 50, 50}) {
  GameState s = NewGame();
  s.Destination = destination::kCastle;
  s.Gold = 1000;
  s.BagCount = 0;
  s.BagPieces = 0;
  for (const StockEntry& e : bag) {
    s.Bag[static_cast<std::size_t>(s.BagCount++)] = e;
    s.BagPieces += e.Count;
  }
  for (std::size_t r = 0; r < wanted.size(); ++r) s.RoyalOrder[r].Wanted = wanted[r];
  s.PendingAction = code::Deliver;
  return s;
}

std::vector<StockEntry> BagOf(const GameState& s) {
  return {s.Bag.begin(), s.Bag.begin() + s.BagCount};
}

struct DeliveryCase {
  const char* what;
  std::vector<StockEntry> bag;
  std::array<std::int32_t, kOrderRows> wantedBefore;
  std::vector<std::string> lines;
  std::vector<StockEntry> bagAfter;
  std::array<std::int32_t, kOrderRows> wantedAfter;
  std::int32_t dealAmount;
  friend void PrintTo(const DeliveryCase& c, std::ostream* os) { *os << c.what; }
};

class CastleDeliveryTest : public ::testing::TestWithParam<DeliveryCase> {};

TEST_P(CastleDeliveryTest, RowsHandedOverAndPaid) {
  const DeliveryCase& c = GetParam();
  GameState s = AtTheCastle(c.bag, c.wantedBefore);
  std::vector<std::string> said;
  const DeliveryOutcome outcome = DeliverRoyalOrder(s, [&](const std::string& line) {
    EXPECT_EQ(s.PendingAction, code::Counting) << "clicks must find the delivery under way";
    said.push_back(line);
  });
  EXPECT_EQ(said, c.lines);
  EXPECT_EQ(outcome.rowsDelivered, static_cast<std::int32_t>(c.lines.size()));
  EXPECT_EQ(BagOf(s), c.bagAfter);
  std::int32_t pieces = 0;
  for (const StockEntry& e : c.bagAfter) pieces += e.Count;
  EXPECT_EQ(s.BagPieces, pieces);
  for (std::size_t r = 0; r < kOrderRows; ++r) EXPECT_EQ(s.RoyalOrder[r].Wanted, c.wantedAfter[r]) << r;
  EXPECT_EQ(s.DealAmount, c.dealAmount);
  EXPECT_EQ(s.Gold, 1000 + c.dealAmount);
  EXPECT_EQ(outcome.next, c.lines.empty() ? 20 : 30);
  EXPECT_EQ(s.PendingAction, outcome.next);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Bags, CastleDeliveryTest, ::testing::Values(
  DeliveryCase{"60 carried where 50 are wanted",
    {{23, 60}}, {50, 50, 50, 50},
    {"睡魔の杖を50本戴くぞ"}, {{23, 10}}, {0, 50, 50, 50}, 48000},
  DeliveryCase{"20 carried where 50 are wanted",
    {{23, 20}}, {50, 50, 50, 50},
    {"睡魔の杖を20本戴くぞ"}, {}, {30, 50, 50, 50}, 19200},
  DeliveryCase{"exactly what is wanted",
    {{32, 7}}, {50, 7, 50, 50},
    {"ゲイボルグを7本戴くぞ"}, {}, {50, 0, 50, 50}, 30240},
  DeliveryCase{"the last row is counted in 具",
    {{51, 5}}, {50, 50, 50, 50},
    {"疾風の弓を5具戴くぞ"}, {}, {50, 50, 50, 45}, 127200},
  DeliveryCase{"rows in order; other goods stay and move up",
    {{0, 2}, {51, 1}, {5, 4}, {23, 1}, {9, 3}}, {50, 50, 50, 50},
    {"睡魔の杖を1本戴くぞ", "疾風の弓を1具戴くぞ"}, {{0, 2}, {5, 4}, {9, 3}}, {49, 50, 50, 49}, 960 + 25440},
  DeliveryCase{"a row missing from the bag is passed over",
    {{44, 3}, {0, 2}}, {50, 50, 50, 50},
    {"セイントソードを3本戴くぞ"}, {{0, 2}}, {50, 50, 47, 50}, 24480},
  DeliveryCase{"all four rows at once",
    {{23, 50}, {32, 50}, {44, 50}, {51, 50}}, {50, 50, 50, 50},
    {"睡魔の杖を50本戴くぞ", "ゲイボルグを50本戴くぞ", "セイントソードを50本戴くぞ", "疾風の弓を50具戴くぞ"},
    {}, {0, 0, 0, 0}, 48000 + 216000 + 408000 + 1272000},
  DeliveryCase{"nothing of the order",
    {{0, 3}}, {50, 50, 50, 50},
    {}, {{0, 3}}, {50, 50, 50, 50}, 0},
  DeliveryCase{"a finished row takes nothing more",
    {{23, 5}}, {0, 50, 50, 50},
    {}, {{23, 5}}, {0, 50, 50, 50}, 0}
));
// clang-format on

TEST(CastleDelivery, NothingBroughtIsTheKingsComplaint) {
  GameState s = AtTheCastle({{0, 3}});
  s.WagonHired = kTrue;
  const DeliveryOutcome outcome = DeliverRoyalOrder(s, nullptr);
  EXPECT_EQ(outcome.line, "うん？頼んでいた物を持ってきていないようだな");
  EXPECT_EQ(s.DealAmount, 0) << "no wagon fare without weapons";
  EXPECT_EQ(s.Gold, 1000);
}

TEST(CastleDelivery, WagonFareIsPaidBackWithTheWeapons) {
  GameState s = AtTheCastle({{23, 10}});
  s.WagonHired = kTrue;
  const DeliveryOutcome outcome = DeliverRoyalOrder(s, nullptr);
  EXPECT_EQ(outcome.line, "まだ、足りない物があるようじゃな");
  EXPECT_EQ(s.DealAmount, 9600 + 100000);
  EXPECT_EQ(s.Gold, 1000 + 109600);
  const Outcome paid = PaymentTalk(s);
  EXPECT_EQ(paid.line, "とりあえず、馬車代と合わせて109600カリム払っておくよ");
  EXPECT_EQ(paid.speaker, Speaker::Visitor);
  EXPECT_EQ(paid.next, code::KingAsksAgain);
}

TEST(CastleDelivery, PaymentWithoutWagonNamesTheWeapons) {
  GameState s = AtTheCastle({{23, 10}});
  DeliverRoyalOrder(s, nullptr);
  EXPECT_EQ(PaymentTalk(s).line, "とりあえず、今回の武器代は9600カリムだ");
}

// In English the count picks the plural and the weapon is named as the glossary names it.
TEST(CastleDelivery, TheKingCountsInEnglish) {
  const testing::SpeakingEnglish english;
  ASSERT_TRUE(english.ready()) << "the build's English catalogue";
  struct Case {
    std::vector<StockEntry> bag;
    std::string line;
  };
  const Case cases[] = {
      {{{23, 1}}, "I shall take 1 piece of Slumber Staff."},
      {{{32, 20}}, "I shall take 20 pieces of Gae Bolg."},
      {{{51, 1}}, "I shall take 1 set of Gale Bow."},
      {{{51, 5}}, "I shall take 5 sets of Gale Bow."},
  };
  for (const Case& c : cases) {
    GameState s = AtTheCastle(c.bag);
    std::vector<std::string> said;
    DeliverRoyalOrder(s, [&](const std::string& line) { said.push_back(line); });
    EXPECT_EQ(said, std::vector<std::string>{c.line});
  }
}

TEST(CastleDelivery, BossBeatenLeadsStraightIntoTheEnding) {
  GameState s = AtTheCastle({{23, 50}, {32, 50}, {44, 50}, {51, 50}});
  s.BossBeatenThisTrip = kTrue;
  const DeliveryOutcome outcome = DeliverRoyalOrder(s, nullptr);
  EXPECT_EQ(outcome.next, 700);
  EXPECT_EQ(s.PendingAction, 700);
  EXPECT_TRUE(outcome.line.empty());
  EXPECT_EQ(s.Gold, 1000 + 1944000) << "paid before the king names the sum";
}

TEST(CastleDelivery, GoldIsNotHeldAtTheUsualCeiling) {
  GameState s = AtTheCastle({{23, 10}});
  s.Gold = 999999999;
  DeliverRoyalOrder(s, nullptr);
  EXPECT_EQ(s.Gold, 999999999 + 9600);
}

TEST(CastleDelivery, EachRowIsRoundedAsItIsAdded) {
  GameState s = AtTheCastle({{23, 1}, {32, 1}});
  s.Catalogue[23].Price = 3;  // 3.6 rounds to 4
  s.Catalogue[32].Price = 3;  // 3.6 + 4 = 7.6 rounds to 8, not 7.2 to 7
  DeliverRoyalOrder(s, nullptr);
  EXPECT_EQ(s.DealAmount, 8);
}

struct CastleTalkCase {
  bool cleared;
  std::int32_t code;
  Speaker speaker;
  std::string_view line;  // empty: the code acts
  std::int32_t next;
};

class CastleTalkTest : public ::testing::TestWithParam<CastleTalkCase> {};

TEST_P(CastleTalkTest, PlainTalkByCode) {
  const CastleTalkCase& c = GetParam();
  GameState s = NewGame();
  s.GameCleared = AsFlag(c.cleared);
  const LineRow* row = FindLine(CastleScript(s), c.code);
  if (c.line.empty()) {
    EXPECT_EQ(row, nullptr) << c.code;
    return;
  }
  ASSERT_NE(row, nullptr) << c.code;
  EXPECT_EQ(row->speaker, c.speaker);
  EXPECT_EQ(row->text, c.line);
  EXPECT_EQ(row->next, c.next);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Codes, CastleTalkTest, ::testing::Values(
  CastleTalkCase{false, 1,  Speaker::Visitor, "あんた武器屋か？",           2},
  CastleTalkCase{false, 2,  Speaker::Hero,    "あぁ、武器を届けに来た",     3},
  CastleTalkCase{false, 3,  Speaker::Visitor, "すまないな。見せてもらうよ", 4},
  CastleTalkCase{false, 4,  Speaker::Visitor, "",                           0},
  CastleTalkCase{false, 5,  Speaker::Visitor, "",                           0},
  CastleTalkCase{false, 20, Speaker::Visitor, "次は頼むよ",                 90},
  CastleTalkCase{false, 30, Speaker::Visitor, "",                           0},
  CastleTalkCase{false, 31, Speaker::Visitor, "次も頼むよ",                 90},
  CastleTalkCase{false, 90, Speaker::Hero,    "また来るよ",                 91},
  CastleTalkCase{false, 91, Speaker::Visitor, "",                           0},
  CastleTalkCase{true,  1,  Speaker::Visitor, "ご苦労じゃったな",           2},
  CastleTalkCase{true,  2,  Speaker::Visitor, "",                           0},
  CastleTalkCase{true,  3,  Speaker::Visitor, "",                           0}
));
// clang-format on

TEST(CastleTalk, ClearedGameReplaysTheEpilogueWithoutADelivery) {
  GameState s = AtTheCastle({{23, 50}});
  s.GameCleared = kTrue;
  s.PendingAction = 2;
  ReplayEnding(s);
  EXPECT_EQ(s.PendingAction, 725);
  EXPECT_EQ(BagOf(s), (std::vector<StockEntry>{{23, 50}}));
  EXPECT_EQ(s.RoyalOrder[0].Wanted, 50);
}

}  // namespace
}  // namespace tolmark::town
