// Fares, paying them with a light purse, and the carriage's offers.
#include "field/carriage_rules.h"

#include <gtest/gtest.h>

#include <ostream>

#include "draws.h"

namespace tolmark::field {
namespace {

using testing::NewGame;

// A road of 90 units a step starting at 0, the hero `units` along it.
GameState OnTheRoad(std::int32_t destination, std::int32_t units) {
  GameState s = NewGame();
  s.Destination = destination;
  s.FieldStepX = 90;
  s.FieldStartX = 0;
  s.HeroX = units;
  return s;
}

struct FareCase {
  std::int32_t destination;
  std::int32_t units;  // HeroX - FieldStartX
  std::int32_t fare;
  friend void PrintTo(const FareCase& c, std::ostream* os) {
    *os << "destination " << c.destination << " at " << c.units;
  }
};

class FieldFareTest : public ::testing::TestWithParam<FareCase> {};

TEST_P(FieldFareTest, FareOfTheDestination) {
  const FareCase& c = GetParam();
  const GameState s = OnTheRoad(c.destination, c.units);
  ASSERT_TRUE(CarriageFare(s).has_value());
  EXPECT_EQ(*CarriageFare(s), c.fare) << "destination " << c.destination << " at " << c.units;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Roads, FieldFareTest, ::testing::Values(
  FareCase{1, 0,        500},
  FareCase{1, 300 * 90, 800},
  FareCase{1, 45,       500},    // 500.5 rounds to the even 500
  FareCase{1, 135,      502},    // 501.5 rounds to the even 502
  FareCase{2, 100 * 90, 1300},
  FareCase{2, 45,       1002},   // 1001.5
  FareCase{3, 200 * 90, 7000},
  FareCase{3, 9,        5001},   // 5000 + 1
  FareCase{4, 299 * 90, 14485},
  FareCase{4, 9,        10002}   // 10001.5
));
// clang-format on

TEST(FieldFare, UnknownDestinationKeepsTheAmount) {
  GameState s = OnTheRoad(5, 900);
  s.DealAmount = 1234;
  EXPECT_FALSE(CarriageFare(s).has_value());
  SetCarriageFare(s);
  EXPECT_EQ(s.DealAmount, 1234);
}

TEST(FieldFare, ARoadWithoutStepWidthCountsNoSteps) {
  GameState s = OnTheRoad(3, 900);
  s.FieldStepX = 0;
  EXPECT_EQ(StepsWalked(s), 0.0);
  EXPECT_EQ(CarriageFare(s), 5000);
}

struct PayCase {
  const char* what;
  std::int32_t gold, fare, level, reputation;
  std::int32_t goldAfter, reputationAfter;
  bool light;
  friend void PrintTo(const PayCase& c, std::ostream* os) { *os << c.what; }
};

class FieldPayFareTest : public ::testing::TestWithParam<PayCase> {};

TEST_P(FieldPayFareTest, RuleOfTheLightPurse) {
  const PayCase& c = GetParam();
  GameState s = NewGame();
  s.Gold = c.gold;
  s.DealAmount = c.fare;
  s.Level = c.level;
  s.Reputation = c.reputation;
  const FarePayment paid = PayFare(s);
  EXPECT_EQ(s.Gold, c.goldAfter) << c.what;
  EXPECT_EQ(s.Reputation, c.reputationAfter) << c.what;
  EXPECT_EQ(paid.purseTooLight, c.light) << c.what;
  EXPECT_EQ(paid.reputationLost, c.reputation - c.reputationAfter) << c.what;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Purses, FieldPayFareTest, ::testing::Values(
  PayCase{"plenty",              1000, 500, 10, 100, 500, 100, false},
  PayCase{"exactly the fare",    500,  500, 10, 100, 0,   100, false},
  PayCase{"one short",           499,  500, 10, 100, 0,   70,  true},
  PayCase{"the name stops at 0", 10,   500, 10, 20,  0,   0,   true},
  PayCase{"in debt",             -50,  500, 1,  100, 0,   97,  true}
));
// clang-format on

struct CallCase {
  const char* what;
  std::int32_t pendingAction;
  Flag bossBattle;
  std::int32_t steps, destination, chapter, storyState;
  Flag stepDone, demonsDefeated;
  CarriageCall call;
  std::int32_t next;
  friend void PrintTo(const CallCase& c, std::ostream* os) { *os << c.what; }
};

class FieldCarriageCallTest : public ::testing::TestWithParam<CallCase> {};

TEST_P(FieldCarriageCallTest, WhyTheCarriageCame) {
  const CallCase& c = GetParam();
  GameState s = NewGame();
  s.PendingAction = c.pendingAction;
  s.BossBattle = c.bossBattle;
  s.FieldSteps = c.steps;
  s.Destination = c.destination;
  s.Chapter = c.chapter;
  s.StoryState = c.storyState;
  s.StepEventDone = c.stepDone;
  s.DemonsDefeated = c.demonsDefeated;
  EXPECT_EQ(ClassifyCarriage(s), c.call) << c.what;
  EXPECT_EQ(CarriageNextCode(c.call), c.next) << c.what;
}

TEST(FieldCarriageCall, TheDriversFirstWords) {
  EXPECT_EQ(CarriageOpeningLine(CarriageCall::Defeat), "これは大変だ！！早く連れて帰らないと！！");
  EXPECT_EQ(CarriageOpeningLine(CarriageCall::SentFromCheckpoint),
            "お客さん、さっさと乗ってくれ！");
  EXPECT_EQ(CarriageOpeningLine(CarriageCall::AfterBossScene), "");
  EXPECT_EQ(CarriageOpeningLine(CarriageCall::NothingBeyond), "そっちに行っても何もないぜ");
  EXPECT_EQ(CarriageOpeningLine(CarriageCall::Warning), "そこの人！それ以上進むと危険だよ！");
  EXPECT_EQ(CarriageOpeningLine(CarriageCall::PlainOffer), "モノリス行きだよ。乗ってくかい？");
}

constexpr Flag T = kTrue;
constexpr Flag F = kFalse;

// clang-format off
INSTANTIATE_TEST_SUITE_P(Calls, FieldCarriageCallTest, ::testing::Values(
  //       what                               act  boss step dst ch st done dem call                        next
  CallCase{"the defeat",                      51,  F, 120, 1, 1, 1, F, F, CarriageCall::Defeat,             52},
  CallCase{"a lost boss battle",              50,  T, 300, 3, 3, 6, F, F, CarriageCall::Defeat,             52},
  CallCase{"turned back at the checkpoint",   422, F, 200, 3, 3, 6, T, F, CarriageCall::SentFromCheckpoint, 423},
  CallCase{"after a boss scene",              590, F, 300, 1, 2, 3, F, F, CarriageCall::AfterBossScene,     591},
  CallCase{"nothing before the errand",       0,   F, 299, 1, 1, 0, F, F, CarriageCall::NothingBeyond,      104},
  CallCase{"nothing once the demons fell",    0,   F, 299, 4, 4, 8, F, T, CarriageCall::NothingBeyond,      104},
  CallCase{"the orc ahead",                   0,   F, 299, 1, 1, 1, F, F, CarriageCall::Warning,            100},
  CallCase{"the demons ahead",                0,   F, 299, 4, 4, 8, F, F, CarriageCall::Warning,            100},
  CallCase{"299 by chance after the warning", 0,   F, 299, 4, 4, 8, T, F, CarriageCall::PlainOffer,         100},
  CallCase{"299 by chance to the town",       0,   F, 299, 2, 2, 3, F, F, CarriageCall::PlainOffer,         100},
  CallCase{"by chance on the road",           0,   F, 150, 1, 1, 0, F, F, CarriageCall::PlainOffer,         100}
));
// clang-format on

TEST(FieldCarriageArrives, DefeatLosesBagNameAndMoney) {
  GameState s = OnTheRoad(2, 120 * 90);
  s.PendingAction = 51;
  s.BagCount = 3;
  s.BagPieces = 9;
  s.Reputation = 99;
  s.Gold = 1000;
  EXPECT_EQ(CarriageArrives(s), CarriageCall::Defeat);
  EXPECT_EQ(s.EventActive, kTrue);
  EXPECT_EQ(s.DealAmount, 120 * 3 + 1000);
  EXPECT_EQ(s.BagCount, 0);
  EXPECT_EQ(s.BagPieces, 0);
  EXPECT_EQ(s.Reputation, 49);
  EXPECT_EQ(s.Gold, 900) << "the fare itself is not taken";
  EXPECT_EQ(s.PendingAction, 52);
}

TEST(FieldCarriageArrives, NothingBeyondTakesTheFareAtOnce) {
  GameState s = OnTheRoad(1, 299 * 90);
  s.FieldSteps = 299;
  s.Chapter = 1;
  s.StoryState = 0;
  s.Gold = 1000;
  s.CarriagePlainOffer = kTrue;
  EXPECT_EQ(CarriageArrives(s), CarriageCall::NothingBeyond);
  EXPECT_EQ(s.DealAmount, 799);
  EXPECT_EQ(s.Gold, 201);
  EXPECT_EQ(s.PendingAction, 104);
  EXPECT_EQ(s.CarriagePlainOffer, kFalse);
}

TEST(FieldCarriageArrives, TheOfferAtStep299RemembersWhetherItWarned) {
  GameState s = OnTheRoad(1, 299 * 90);
  s.FieldSteps = 299;
  s.Chapter = 1;
  s.StoryState = 1;
  s.Gold = 1000;
  s.CarriagePlainOffer = kTrue;
  EXPECT_EQ(CarriageArrives(s), CarriageCall::Warning);
  EXPECT_EQ(s.Gold, 1000) << "a warning charges nothing yet";
  EXPECT_EQ(s.CarriagePlainOffer, kFalse);
  EXPECT_TRUE(RefusedTheWarning(s));

  s.StepEventDone = kTrue;  // the second tick of the step rolls the carriage by chance
  EXPECT_EQ(CarriageArrives(s), CarriageCall::PlainOffer);
  EXPECT_EQ(s.CarriagePlainOffer, kTrue);
  EXPECT_FALSE(RefusedTheWarning(s));
}

TEST(FieldCarriageArrives, AnOfferElsewhereIsPlain) {
  GameState s = OnTheRoad(3, 50 * 90);
  s.FieldSteps = 50;
  s.CarriagePlainOffer = kFalse;
  EXPECT_EQ(CarriageArrives(s), CarriageCall::PlainOffer);
  EXPECT_EQ(s.PendingAction, 100);
  EXPECT_EQ(s.DealAmount, 5500);
  EXPECT_FALSE(RefusedTheWarning(s)) << "the warning is only at step 299";
}

TEST(FieldCarriageTalk, TheFareIsNamedInPlainDigits) {
  GameState s = NewGame();
  s.DealAmount = 14485;
  EXPECT_EQ(FareLine(s), "モノリスまで14485カリムだよ");
}

TEST(FieldCarriageTalk, AcceptingPaysAndALightPurseIsRemarkedUpon) {
  GameState s = NewGame();
  s.Answer = 89;
  s.DealAmount = 800;
  s.Gold = 800;
  Outcome answer = AcceptRide(s);
  EXPECT_EQ(answer.line, "じゃあ、乗ってくんな");
  EXPECT_EQ(s.Gold, 0);
  EXPECT_EQ(s.Answer, 0);

  s.Gold = 799;
  s.Level = 4;
  s.Reputation = 50;
  answer = AcceptRide(s);
  EXPECT_EQ(answer.line, "なんだよ、文無しかい。持ってる分だけでいいよ");
  EXPECT_EQ(s.Gold, 0);
  EXPECT_EQ(s.Reputation, 38);
}

TEST(FieldCarriageTalk, RefusingTheWarningIsAnsweredSharply) {
  GameState s = NewGame();
  s.Answer = 78;
  s.FieldSteps = 299;
  s.CarriagePlainOffer = kFalse;
  Outcome answer = RefuseRide(s);
  EXPECT_EQ(answer.line, "やられても知らないからな！");
  EXPECT_EQ(answer.next, 40);
  EXPECT_EQ(s.Answer, 0);
  s.CarriagePlainOffer = kTrue;
  EXPECT_EQ(RefuseRide(s).line, "そうかい？道中気をつけてな");
  s.FieldSteps = 120;
  s.CarriagePlainOffer = kFalse;
  EXPECT_EQ(RefuseRide(s).line, "そうかい？道中気をつけてな");
}

TEST(FieldCarriageTalk, CodesThatGoStraightToTheRide) {
  for (const std::int32_t code : {52, 104, 423, 590}) EXPECT_TRUE(RideHomeAt(code)) << code;
  for (const std::int32_t code : {51, 100, 101, 102, 103, 105, 422, 591}) {
    EXPECT_FALSE(RideHomeAt(code)) << code;
  }
}

}  // namespace
}  // namespace tolmark::field
