// The travellers of the road: who the roll brings and when nobody can come, the lines of the
// ordinary travellers, and what the offers, the trades and the sacred beasts do.
#include "field/travellers.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "draws.h"
#include "encounter_outcomes.h"
#include "field/field_codes.h"
#include "model/weapons.h"
#include "scene/dialogue.h"

namespace tolmark::field {
namespace {

using testing::Draw;
using testing::NewGame;
using testing::OfN;

ScriptedRandom Queued(std::initializer_list<Draw> draws) {
  ScriptedRandom random;
  for (const Draw& d : draws) random.Queue(OfN(d.value, d.n));
  return random;
}

void SetBag(GameState& s, std::initializer_list<StockEntry> entries) {
  s.BagCount = 0;
  s.BagPieces = 0;
  for (const StockEntry& e : entries) {
    s.Bag[static_cast<std::size_t>(s.BagCount++)] = e;
    s.BagPieces += e.Count;
  }
}

TEST(FieldTravellerRoll, ChancesOfEachTravellerIn20) {
  std::map<Traveller, int> count;
  for (std::int32_t k = 0; k < kTravellerRolls; ++k) ++count[TravellerOf(k)];
  EXPECT_EQ(count[Traveller::BagSeller], 4);
  for (Traveller t : {Traveller::Demon, Traveller::Rumours, Traveller::Greeting, Traveller::Buyer,
                      Traveller::Seller, Traveller::CardPlayer, Traveller::Beast,
                      Traveller::Warning}) {
    EXPECT_EQ(count[t], 2);
  }
  EXPECT_EQ(TravellerOf(10), Traveller::BagSeller);
  EXPECT_EQ(TravellerOf(12), Traveller::CardPlayer);
  EXPECT_EQ(TravellerOf(17), Traveller::Beast);
  EXPECT_EQ(TravellerOf(19), Traveller::CardPlayer);
}

TEST(FieldTravellerLooks, CharaSelectFavoursTheTravellingMerchant) {
  std::map<std::int32_t, int> looks;
  for (int c = 0; c < 10; ++c) {
    GameState s = NewGame();
    ScriptedRandom random = Queued({{c, 10}});
    CharaSelect(s, random);
    ++looks[s.VisitorPicture];
    ASSERT_NE(LinesOf(s.VisitorPicture), nullptr) << s.VisitorPicture;
  }
  EXPECT_EQ(looks.size(), 9u);
  EXPECT_EQ(looks[27], 2);
  EXPECT_EQ(LinesOf(kCardPlayerPicture)->greeting, "よぉ！調子はどうだ？");
  EXPECT_EQ(LinesOf(140), nullptr);
}

TEST(FieldTravellerLines, RequestAndOfferNameTheWeaponAndPrice) {
  GameState s = NewGame();
  s.CurrentItem = 0;
  s.ItemPrice = 12;
  EXPECT_EQ(BuyerRequest(s, *LinesOf(91)), "その木刀を12カリムで買ってあげるザマス！");
  EXPECT_EQ(SellerOffer(s, *LinesOf(91)), "この木刀を12カリムで売ってあげるザマス！");
  EXPECT_EQ(SellerOffer(s, *LinesOf(61)), "もしよければ、木刀を12カリムで買い取ってください");
}

TEST(FieldTravellerPrices, BagAndStakes) {
  EXPECT_EQ(BagPrice(10), 2000);
  EXPECT_EQ(BagPrice(98), 178000);
  EXPECT_EQ(CardStakeOf(1), 100);
  EXPECT_EQ(CardStakeOf(2), 1000);
  EXPECT_EQ(CardStakeOf(3), 5000);
  EXPECT_EQ(CardStakeOf(4), 10000);
}

// EventSelect with a traveller whose condition holds or fails at its boundary: the draws
// queued are exactly those the choice takes.
struct ChoiceCase {
  const char* what;
  void (*setUp)(GameState&);
  std::vector<Draw> draws;  // after k
  int k;
  bool comes;
  std::int32_t picture;  // when it comes
  friend void PrintTo(const ChoiceCase& c, std::ostream* os) { *os << c.what; }
};

class FieldTravellerChoiceTest : public ::testing::TestWithParam<ChoiceCase> {};

TEST_P(FieldTravellerChoiceTest, ComesOrCancelsSilently) {
  const ChoiceCase& c = GetParam();
  GameState s = NewGame();
  s.PendingAction = 0;
  s.Destination = 1;
  c.setUp(s);
  ScriptedRandom random = Queued({{c.k, kTravellerRolls}});
  for (const Draw& d : c.draws) random.Queue(OfN(d.value, d.n));
  EXPECT_EQ(ChooseTraveller(s, random), c.comes);
  EXPECT_EQ(random.Queued(), 0u) << "every draw queued, and no more, was taken";
  if (c.comes) {
    EXPECT_EQ(s.VisitorPicture, c.picture);
    EXPECT_EQ(s.EventActive, kTrue);
    EXPECT_EQ(s.PendingAction, 300);
    EXPECT_EQ(s.EventCode, 100);
    EXPECT_EQ(s.FieldEventItem, c.k);
  } else {
    EXPECT_EQ(s.EventActive, kFalse);
    EXPECT_EQ(s.FieldStop, kFalse);
    EXPECT_EQ(s.FieldEventItem, 9999);
    EXPECT_EQ(s.PendingAction, 0);
  }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Conditions, FieldTravellerChoiceTest, ::testing::Values(
  ChoiceCase{"bag at 98", [](GameState& s) { s.BagCapacity = 98; s.Gold = 178000; }, {}, 0, true, 91},
  ChoiceCase{"bag at 99", [](GameState& s) { s.BagCapacity = 99; s.Gold = 999999; }, {}, 5, false, 0},
  ChoiceCase{"bag unpaid", [](GameState& s) { s.Gold = 1999; }, {}, 10, false, 0},
  ChoiceCase{"bag by a wagon", [](GameState& s) { s.WagonHired = kTrue; }, {}, 15, false, 0},
  ChoiceCase{"demon at 500", [](GameState& s) { s.Destination = 3; s.Reputation = 500; }, {}, 1, true, 140},
  ChoiceCase{"demon at 499", [](GameState& s) { s.Destination = 4; s.Reputation = 499; }, {}, 6, false, 0},
  ChoiceCase{"demon at アーウット", [](GameState& s) { s.Destination = 2; s.Reputation = 999; }, {}, 1, false, 0},
  ChoiceCase{"demon at the limit", [](GameState& s) {
    s.Destination = 4; s.Reputation = 999; s.MaxHP = 9999; s.Attack = s.Defense = s.Speed = 999;
  }, {}, 1, false, 0},
  ChoiceCase{"rumours", [](GameState&) {}, {}, 7, true, 52},
  ChoiceCase{"greeting", [](GameState&) {}, {{4, 10}}, 8, true, 67},
  ChoiceCase{"buyer, empty bag", [](GameState&) {}, {}, 4, false, 0},
  ChoiceCase{"buyer", [](GameState& s) { SetBag(s, {{0, 1}}); }, {{0, 1}, {1, 10}}, 9, true, 46},
  ChoiceCase{"seller, full bag", [](GameState& s) { SetBag(s, {{0, 10}}); }, {}, 11, false, 0},
  ChoiceCase{"seller of a carried rare weapon in chapter 1",
             [](GameState& s) { SetBag(s, {{14, 1}}); }, {{14, 18}}, 16, false, 0},
  ChoiceCase{"seller of a carried rare weapon in chapter 2",
             [](GameState& s) { s.Chapter = 2; SetBag(s, {{14, 1}}); },
             {{14, 18}, {200, 350}, {5, 10}}, 16, true, 73},
  ChoiceCase{"seller of a stocked rare weapon from chapter 3",
             [](GameState& s) { s.Chapter = 3; s.Destination = 3; s.ShopStock[s.StockCount++] = {55, 1}; },
             {{55, 58}}, 11, false, 0},
  ChoiceCase{"seller too dear", [](GameState& s) { s.Gold = 3; }, {{0, 18}, {4, 5}}, 11, false, 0},
  ChoiceCase{"card player for 100", [](GameState& s) { s.Gold = 100; }, {}, 12, true, 73},
  ChoiceCase{"card player for 1000", [](GameState& s) { s.Destination = 2; s.Gold = 999; }, {}, 19, false, 0},
  ChoiceCase{"beast on its road", [](GameState&) {}, {{1, 5}}, 13, true, 17},
  ChoiceCase{"beast on another road", [](GameState&) {}, {{4, 5}}, 13, false, 0},
  ChoiceCase{"no beast at デモンズ山脈", [](GameState& s) { s.Destination = 4; }, {{4, 5}}, 17, false, 0},
  ChoiceCase{"beast whose weapon is stocked",
             [](GameState& s) { s.Destination = 2; s.ShopStock[s.StockCount++] = {38, 1}; },
             {{2, 5}}, 17, false, 0},
  ChoiceCase{"beast, full bag", [](GameState& s) { SetBag(s, {{0, 10}}); }, {}, 13, false, 0},
  ChoiceCase{"warning", [](GameState&) {}, {}, 18, true, 79}
));
// clang-format on

TEST(FieldTravellerChoice, SellersPriceForWoodenSwordIsTwoToFour) {
  // Int(Rnd × 5) drawn again while below 2: 0 and 1 are put back.
  for (int first = 0; first < 5; ++first) {
    GameState s = NewGame();
    s.Destination = 1;
    ScriptedRandom random = Queued({{11, 20}, {0, 18}, {first, 5}});
    if (first < 2) random.Queue(OfN(3, 5));
    random.Queue(OfN(0, 10));
    ASSERT_TRUE(ChooseTraveller(s, random));
    EXPECT_EQ(s.ItemPrice, first < 2 ? 3 : first);
    EXPECT_EQ(random.Queued(), 0u);
  }
}

TEST(FieldTravellerChoice, BuyerChoosesAnEntryWhateverItsCount) {
  GameState s = NewGame();
  SetBag(s, {{0, 9}, {6, 1}});
  ScriptedRandom random = Queued({{4, 20}, {1, 2}, {0, 10}});
  ASSERT_TRUE(ChooseTraveller(s, random));
  EXPECT_EQ(s.CurrentItem, 6);
  EXPECT_EQ(s.ItemPrice, 240);  // CLng(200 × 1.2)
}

TEST(FieldTravellerChoice, BeastTwiceAsStrongOnARoadLeftBehind) {
  for (const std::int32_t chapter : {1, 2}) {
    GameState s = NewGame();
    s.Destination = 1;
    s.Chapter = chapter;
    ScriptedRandom random = Queued({{13, 20}, {0, 5}});
    ASSERT_TRUE(ChooseTraveller(s, random));
    const std::int32_t f = chapter == 1 ? 1 : 2;
    EXPECT_EQ(s.MonsterName, "朱雀");
    EXPECT_EQ(s.MonsterHP, 115 * f);
    EXPECT_EQ(s.MonsterAttack, 23 * f);
    EXPECT_EQ(s.MonsterDefense, 16 * f);
    EXPECT_EQ(s.MonsterSpeed, 15 * f);
    EXPECT_EQ(s.MonsterGold, 320 * f);
    EXPECT_EQ(s.MonsterExp, 52 * f);
    EXPECT_EQ(s.SpecialItem, 19);
    EXPECT_EQ(s.VisitorFrames, 3);
    EXPECT_EQ(s.FieldStop, kFalse);  // it moves as a monster does
  }
}

// An encounter under way: the traveller of roll k at step EventCode, with an answer given.
GameState Meeting(std::int32_t k, std::int32_t eventCode, std::int16_t answer = 0) {
  GameState s = NewGame();
  s.Destination = 1;
  s.EventActive = kTrue;
  s.PendingAction = 301;
  s.FieldEventItem = k;
  s.EventCode = eventCode;
  s.Answer = answer;
  return s;
}

TEST(FieldEncounterTurn, AnswersMoveTheStep) {
  ScriptedRandom random;
  GameState s = Meeting(0, 102, kAnswerYes);
  s.EventNumber = 2000;
  EXPECT_EQ(AdvanceEncounter(s, random).line, "オーホッホッホ！大事に使うザマスよ");
  EXPECT_EQ(s.Answer, 0);
  EXPECT_EQ(s.Gold, -1000);  // paid without a test: the purse was tested when she came
  EXPECT_EQ(s.BagCapacity, 11);

  s = Meeting(0, 102, kAnswerNo);
  const Outcome no = AdvanceEncounter(s, random);
  EXPECT_TRUE(IsClosing(no));
  EXPECT_EQ(no.line, "キィー！人の親切は素直に受け入れるザマスよ！");
  EXPECT_EQ(s.EventCode, 51);

  // Any other answer leaves the step where it stood: the prompt is asked again.
  s = Meeting(0, 102, 0);
  const Outcome again = AdvanceEncounter(s, random);
  EXPECT_TRUE(IsPrompt(again));
  EXPECT_EQ(again.yes, "買う");
  EXPECT_EQ(again.no, "買わない");
}

TEST(FieldEncounterTurn, DemonTradesStrengthForReputation) {
  ScriptedRandom random;
  GameState s = Meeting(1, 102, kAnswerYes);
  s.Reputation = 500;
  s.MaxHP = 9997;
  s.Attack = 999;
  const Outcome step = AdvanceEncounter(s, random);
  EXPECT_EQ(step.line, "愚かな人間よ、お前の評判は0に落ちた。また会おうぞ");
  EXPECT_EQ(s.Reputation, 0);
  EXPECT_EQ(s.MaxHP, 9999);
  EXPECT_EQ(s.HP, 35);
  EXPECT_EQ(s.Attack, 999);
  EXPECT_EQ(s.Defense, 6);
  EXPECT_EQ(s.Speed, 5);
  EXPECT_EQ(s.DemonDealsCount, 1);
}

struct TradeCase {
  const char* what;
  int k;
  std::int16_t answer;
  std::int32_t level, reputation;
  int drawn;  // Int(Rnd × (Level + 1))
  std::int32_t reputationAfter, goldAfter;
  std::vector<StockEntry> bagAfter;
  friend void PrintTo(const TradeCase& c, std::ostream* os) { *os << c.what; }
};

class FieldTradeTest : public ::testing::TestWithParam<TradeCase> {};

TEST_P(FieldTradeTest, DealOrRefusalWithItsReputation) {
  const TradeCase& c = GetParam();
  GameState s = Meeting(c.k, 101, c.answer);
  s.VisitorPicture = 85;
  s.Level = c.level;
  s.Reputation = c.reputation;
  SetBag(s, {{0, 1}, {6, 2}});
  s.CurrentItem = 6;
  s.ItemPrice = 240;
  ScriptedRandom random = Queued({{c.drawn, c.level + 1}});
  const Outcome step = AdvanceEncounter(s, random);
  EXPECT_TRUE(IsClosing(step));
  EXPECT_EQ(random.Queued(), 0u);
  EXPECT_EQ(s.Reputation, c.reputationAfter);
  EXPECT_EQ(s.Gold, c.goldAfter);
  EXPECT_EQ(s.BagCount, static_cast<std::int32_t>(c.bagAfter.size()));
  std::size_t i = 0;
  for (const StockEntry& e : c.bagAfter) EXPECT_EQ(s.Bag[i++], e);
  const bool made = c.answer == kAnswerYes;
  const bool buyer = c.k == 4 || c.k == 9;
  const TravellerLines& lines = *LinesOf(85);
  EXPECT_EQ(step.line, buyer ? (made ? lines.bought : lines.buyRefused)
                             : (made ? lines.sold : lines.sellRefused));
  EXPECT_EQ(s.SalesCount, buyer && made ? 1 : 0);
  EXPECT_EQ(s.PurchasesCount, !buyer && made ? 1 : 0);
  EXPECT_EQ(s.RefusalsCount, made ? 0 : 1);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Trades, FieldTradeTest, ::testing::Values(
  TradeCase{"sold",                 4,  kAnswerYes, 1, 10,  1, 12,  1240, {{0, 1}, {6, 1}}},
  TradeCase{"sold, least weight",   9,  kAnswerYes, 1, 10,  0, 11,  1240, {{0, 1}, {6, 1}}},
  TradeCase{"sold at the cap",      4,  kAnswerYes, 9, 995, 8, 999, 1240, {{0, 1}, {6, 1}}},
  TradeCase{"not sold",             4,  kAnswerNo,  5, 20,  5, 10,  1000, {{0, 1}, {6, 2}}},
  TradeCase{"not sold, at the floor", 9, kAnswerNo, 5, 3,   5, 0,   1000, {{0, 1}, {6, 2}}},
  TradeCase{"not sold, drawn 0",    4,  kAnswerNo,  5, 20,  0, 20,  1000, {{0, 1}, {6, 2}}},
  TradeCase{"bought",               11, kAnswerYes, 1, 10,  1, 12,  760,  {{0, 1}, {6, 3}}},
  TradeCase{"not bought",           16, kAnswerNo,  2, 10,  2, 6,   1000, {{0, 1}, {6, 2}}}
));
// clang-format on

TEST(FieldEncounterTurn, SellerPutsANewKindInTheBagAndMarksIt) {
  ScriptedRandom random = Queued({{0, 2}});
  GameState s = Meeting(11, 101, kAnswerYes);
  s.VisitorPicture = 27;
  s.CurrentItem = 41;
  s.ItemPrice = 1200;
  AdvanceEncounter(s, random);
  EXPECT_EQ(s.Bag[0], (StockEntry{41, 1}));
  EXPECT_EQ(s.BagPieces, 1);
  EXPECT_EQ(s.Collected[41], kTrue);
  EXPECT_EQ(s.Gold, -200);
}

TEST(FieldEncounterTurn, RumoursOneLineAClickTheLastClosing) {
  ScriptedRandom random;
  GameState s = Meeting(2, 100);
  s.Destination = 3;
  for (int i = 0; i < 3; ++i) {
    const Outcome step = AdvanceEncounter(s, random);
    EXPECT_TRUE(IsLine(step));
    EXPECT_EQ(s.EventCode, 101 + i);
  }
  const Outcome last = AdvanceEncounter(s, random);
  EXPECT_TRUE(IsClosing(last));
  EXPECT_EQ(last.line, "モンスターに狙われるかもな");
}

TEST(FieldEncounterTurn, BeastFightsThenLeavesItsWeapon) {
  ScriptedRandom random;
  GameState s = Meeting(13, 100);
  s.PendingAction = 300;
  s.MonsterName = "青龍";
  s.SpecialItem = 39;
  const Outcome fight = AdvanceEncounter(s, random);
  EXPECT_EQ(fight.next, code::AnnounceHeroBlow);  // the battle follows
  EXPECT_EQ(fight.line, "青龍が現れた！");
  EXPECT_EQ(s.EventCode, 100);  // the battle's victory hands back to 101

  s.EventCode = 101;
  const Outcome won = AdvanceEncounter(s, random);
  EXPECT_TRUE(IsClosing(won));
  EXPECT_EQ(won.speaker, Speaker::Hero);
  EXPECT_EQ(won.line, "青龍刀だ！ラッキー！！");
  EXPECT_EQ(s.Bag[0], (StockEntry{39, 1}));
  EXPECT_EQ(s.Collected[39], kTrue);
}

TEST(FieldEncounterTurn, NothingOutsideTheRolls) {
  ScriptedRandom random;
  for (const std::int32_t item : {9999, 99999, -1, 20}) {
    GameState s = Meeting(0, 100);
    s.FieldEventItem = item;
    EXPECT_TRUE(IsNothing(AdvanceEncounter(s, random))) << item;
    EXPECT_EQ(s.EventCode, 100) << item;
  }
}

TEST(FieldEncounterTurn, TheEndOfAnEncounter) {
  GameState s = Meeting(3, 100);
  s.FixedWaitMessage = kTrue;
  EndEncounter(s);
  EXPECT_EQ(s.FixedWaitMessage, kFalse);
  EXPECT_EQ(s.TickFromDialogue, kTrue);
  EXPECT_EQ(s.EventCode, 9999);
  EXPECT_EQ(s.FieldEventItem, 99999);
  EXPECT_EQ(s.PendingAction, 40);
}

}  // namespace
}  // namespace tolmark::field
