// The bosses: who comes, the scenes' talk, the hammer, the five weapons, the cursed sword and
// the ride home.
#include <gtest/gtest.h>

#include <ostream>
#include <vector>

#include "draws.h"
#include "field/boss_scripts.h"
#include "field/boss_select.h"
#include "field/carriage_rules.h"

namespace tolmark::field {
namespace {

using testing::NewGame;

struct BossCase {
  std::int32_t destination;
  Flag homebound;
  std::int32_t picture, firstCode;
  const char* name;
  std::int32_t hp, exp, gold;
  friend void PrintTo(const BossCase& c, std::ostream* os) { *os << c.name; }
};

class FieldBossSelectTest : public ::testing::TestWithParam<BossCase> {};

TEST_P(FieldBossSelectTest, BringsTheFirstRowOfTheBossPicture) {
  const BossCase& c = GetParam();
  GameState s = NewGame();
  s.Destination = c.destination;
  s.Homebound = c.homebound;
  s.BossBattle = kTrue;
  s.Chapter = 4;
  s.FieldSteps = 300;
  ASSERT_TRUE(BossSelect(s));
  EXPECT_EQ(s.EventActive, kTrue);
  EXPECT_EQ(s.BossBattle, kFalse);
  EXPECT_EQ(s.PendingAction, c.firstCode);
  EXPECT_EQ(s.VisitorPicture, c.picture);
  EXPECT_EQ(s.VisitorFrames, 3);
  EXPECT_EQ(s.MonsterName, c.name);
  EXPECT_EQ(s.MonsterHP, c.hp) << "bosses are not scaled";
  EXPECT_EQ(s.MonsterExp, c.exp);
  EXPECT_EQ(s.MonsterGold, c.gold);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Bosses, FieldBossSelectTest, ::testing::Values(
  BossCase{1, kFalse, 153, 500, "オーク",     153,  246,   500},   // row 7, never row 22
  BossCase{3, kFalse, 108, 500, "炎赤竜",     1243, 1340,  8412},  // row 21, never row 25
  BossCase{4, kFalse, 140, 500, "ガイル",     2031, 0,     0},
  BossCase{4, kTrue,  119, 514, "魔族ガイル", 4014, 10024, 10024}
));
// clang-format on

TEST(FieldBossSelect, NoBossOnTheRoadToTheTown) {
  GameState s = NewGame();
  s.Destination = 2;
  s.PendingAction = 0;
  EXPECT_FALSE(BossSelect(s));
  EXPECT_EQ(s.PendingAction, 0);
  EXPECT_EQ(s.EventActive, kFalse);
}

TEST(FieldBossSelect, FightAndWhereAWonBattleLeads) {
  GameState s = NewGame();
  StartBossFight(s);
  EXPECT_EQ(s.BossBattle, kTrue);
  EXPECT_EQ(s.PendingAction, 1);
  s.VisitorPicture = kGaleTruePicture;
  EXPECT_EQ(BossBeatenCode(s), 520);
  s.VisitorPicture = kGaleFirstPicture;
  EXPECT_EQ(BossBeatenCode(s), 510);
  s.VisitorPicture = kOrcPicture;
  EXPECT_EQ(BossBeatenCode(s), 510);
}

TEST(FieldBossSelect, EachFallMarksTheStory) {
  GameState s = NewGame();
  s.StoryState = 3;
  s.BossBattle = kTrue;
  OrcBeaten(s);
  EXPECT_EQ(s.StoryState, 2) << "set again each time the orc falls";
  EXPECT_EQ(s.BossBattle, kFalse);
  s.BossBattle = kTrue;
  DragonBeaten(s);
  EXPECT_EQ(s.BossBeatenThisTrip, kTrue);
  EXPECT_EQ(s.BossBattle, kFalse);
  s.BossBattle = kTrue;
  GaleFirstFormBeaten(s);
  EXPECT_EQ(s.Homebound, kTrue);
  EXPECT_EQ(s.BossBattle, kFalse);
  s.BossBattle = kTrue;
  DemonsBeaten(s);
  EXPECT_EQ(s.DemonsDefeated, kTrue);
  EXPECT_EQ(s.BossBattle, kFalse);
}

struct WalkCase {
  const char* what;
  std::int32_t destination, chapter, storyState, from;
  int rows;
  std::int32_t stopsAt;  // the code that acts
  friend void PrintTo(const WalkCase& c, std::ostream* os) { *os << c.what; }
};

class FieldBossScriptTest : public ::testing::TestWithParam<WalkCase> {};

TEST_P(FieldBossScriptTest, TalkRunsToTheNextStepThatActs) {
  const WalkCase& c = GetParam();
  const BossScript script = BossScriptFor(c.destination, c.chapter, c.storyState);
  std::int32_t code = c.from;
  int walked = 0;
  while (const LineRow* row = FindLine(script, code)) {
    code = row->next;
    ++walked;
  }
  EXPECT_EQ(walked, c.rows) << c.what;
  EXPECT_EQ(code, c.stopsAt) << c.what;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Scenes, FieldBossScriptTest, ::testing::Values(
  WalkCase{"the orc taunts, then fights", 1, 1, 1, 500, 3, 503},
  WalkCase{"the 棟梁 after the orc",      1, 1, 2, 512, 3, 515},  // StoryState 2 by now
  WalkCase{"the orc's own 502",           1, 1, 1, 502, 1, 503},
  WalkCase{"the hammer owed: refusal",    1, 1, 2, 502, 3, 505},
  WalkCase{"after the hammer: home",      1, 1, 3, 517, 1, 518},
  WalkCase{"the rumour of the sword",     1, 2, 3, 510, 3, 590},
  WalkCase{"the 棟梁 will forge it",      1, 4, 7, 540, 6, 590},
  WalkCase{"the dragon",                  3, 3, 6, 500, 3, 503},
  WalkCase{"ガイル",                      4, 4, 8, 500, 3, 503},
  WalkCase{"ガイル's true form",          4, 4, 8, 511, 2, 513},
  WalkCase{"ガイル falls",                4, 4, 8, 521, 4, 525},
  WalkCase{"something lies there",        4, 4, 8, 526, 1, 527},
  WalkCase{"the sword is left alone",     4, 4, 8, 528, 1, 529},
  WalkCase{"no boss scene at the town",   2, 2, 3, 500, 0, 500}
));
// clang-format on

struct ActingCase {
  std::int32_t destination, chapter, storyState;
  std::vector<std::int32_t> codes;
};

TEST(FieldBossScript, CodesThatActAreNotTalk) {
  const std::vector<ActingCase> cases = {
      {1, 1, 1, {503, 510, 511, 515, 516, 518, 591}},
      {1, 1, 2, {500, 501, 505, 510, 511, 515, 516, 518, 591}},
      {1, 2, 3, {500, 501, 590, 591}},
      {3, 3, 6, {503, 510, 511}},
      {4, 4, 8, {503, 510, 513, 514, 520, 525, 527, 529, 590, 591}},
  };
  for (const ActingCase& c : cases) {
    const BossScript script = BossScriptFor(c.destination, c.chapter, c.storyState);
    for (const std::int32_t code : c.codes) {
      EXPECT_EQ(FindLine(script, code), nullptr)
          << "destination " << c.destination << " code " << code;
    }
  }
}

// The line a boss scene says at that code, as BossTurn performs it.
Outcome SaidAt(BossScript script, GameState s, std::int32_t code) {
  s.PendingAction = code;
  const std::optional<Outcome> said = BossLine(script, s);
  return said ? *said : Outcome{};
}

TEST(FieldBossScript, LinesAndSpeakers) {
  GameState s = NewGame();
  s.MonsterName = "オーク";
  Outcome said = SaidAt(BossScriptFor(1, 1, 0), s, 500);
  EXPECT_EQ(said.line, "オークが現れた！");
  EXPECT_EQ(said.speaker, Speaker::Visitor);
  EXPECT_EQ(said.next, 501);

  EXPECT_EQ(SaidAt(BossScriptFor(1, 1, 0), s, 502).line, "不味そうだが仕方ない、我慢するか");
  EXPECT_EQ(SaidAt(BossScriptFor(1, 1, 2), s, 502).line, "ホイホイと他人に渡すわけにはいかないんだ");

  said = SaidAt(BossScriptFor(1, 3, 5), s, 595);
  EXPECT_EQ(said.speaker, Speaker::Hero);
  EXPECT_EQ(said.line, "さて、そろそろ帰るか");

  s.MonsterName = "魔族ガイル";
  said = SaidAt(BossScriptFor(4, 4, 8), s, 528);
  EXPECT_EQ(said.speaker, Speaker::Hero);
  EXPECT_EQ(said.line, "さすが魔剣だ。触ると取り込まれそうだからやめておこう");
}

struct HammerCase {
  std::int32_t reputation;
  std::int32_t next;
  const char* line;
  friend void PrintTo(const HammerCase& c, std::ostream* os) {
    *os << "reputation " << c.reputation;
  }
};

class FieldHammerTest : public ::testing::TestWithParam<HammerCase> {};

TEST_P(FieldHammerTest, OnlyAKnownMerchantGetsTheHammer) {
  const HammerCase& c = GetParam();
  GameState s = NewGame();
  s.Reputation = c.reputation;
  const Outcome talk = HammerTest(s);
  EXPECT_EQ(talk.next, c.next);
  EXPECT_EQ(talk.line, c.line);
  EXPECT_EQ(talk.speaker, Speaker::Visitor);
}

INSTANTIATE_TEST_SUITE_P(Reputations, FieldHammerTest,
                         ::testing::Values(HammerCase{199, 502, "これはウチの組に伝わる大事な物でね"},
                                           HammerCase{200, 516, "特製金鎚？いいぜ、持って行きな！"}));

TEST(FieldHammer, TheOrcFallingAgainAfterTheHammerGivesItOnceMore) {
  GameState s = NewGame();
  s.Chapter = 1;
  s.Destination = 1;
  s.StoryState = 3;
  s.Reputation = 150;
  OrcBeaten(s);
  Outcome talk = HammerTest(s);
  ASSERT_EQ(talk.next, 502);
  // The refusal is the 棟梁's, whichever scene began the meeting.
  EXPECT_EQ(SaidAt(BossScriptFor(s.Destination, s.Chapter, s.StoryState), s, 502).line,
            "ホイホイと他人に渡すわけにはいかないんだ");

  s.Reputation = 200;
  talk = HammerTest(s);
  ASSERT_EQ(talk.next, 516);
  talk = ReceiveHammer(s);
  EXPECT_EQ(s.StoryState, 3);
  EXPECT_EQ(talk.line, "特製金鎚を手に入れた！");
  EXPECT_EQ(talk.next, 517);
}

class FieldFiveWeaponsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    s = NewGame();
    s.StoryState = 5;
    for (const std::int32_t weapon : {19, 18, 38}) {
      s.ShopStock[static_cast<std::size_t>(s.StockCount++)] = {weapon, 1};
    }
    s.Bag[0] = {39, 2};
    s.BagCount = 1;
    s.BagPieces = 2;
  }
  GameState s;
};

TEST_F(FieldFiveWeaponsTest, OneMissingBringsOnlyTheRumour) {
  const Outcome talk = TalkOfTheFiveWeapons(s);
  EXPECT_EQ(talk.next, 510);
  EXPECT_EQ(talk.line, "とある人から聞いたんだが、");
  EXPECT_EQ(s.StoryState, 5);
}

TEST_F(FieldFiveWeaponsTest, AllFiveSplitBetweenStockAndBag) {
  s.Bag[1] = {58, 1};
  s.BagCount = 2;
  const Outcome talk = TalkOfTheFiveWeapons(s);
  EXPECT_EQ(talk.next, 540);
  EXPECT_EQ(talk.line, "あんた、五聖獣を全て倒したそうじゃないか！");
  EXPECT_EQ(s.StoryState, 7);
}

TEST(FieldCursedSword, FoundNamedAndOnlyCollected) {
  GameState s = NewGame();
  const std::int32_t bagPieces = s.BagPieces;
  const std::int32_t stockCount = s.StockCount;
  Outcome talk = FindCursedSword(s);
  EXPECT_EQ(s.SpecialItem, 60);
  EXPECT_EQ(talk.line, "魔剣ケルベラーか…");
  EXPECT_EQ(talk.speaker, Speaker::Hero);
  EXPECT_EQ(talk.next, 528);
  talk = LeaveCursedSword(s);
  EXPECT_EQ(s.Collected[60], kTrue);
  EXPECT_EQ(talk.line, "さて、帰るとするか…");
  EXPECT_EQ(talk.next, 590);
  EXPECT_EQ(s.BagPieces, bagPieces);
  EXPECT_EQ(s.StockCount, stockCount);
}

struct RideCase {
  const char* what;
  std::int32_t destination, gold, reputation;
  std::int32_t goldAfter, reputationAfter;
  friend void PrintTo(const RideCase& c, std::ostream* os) { *os << c.what; }
};

class FieldBossRideTest : public ::testing::TestWithParam<RideCase> {};

TEST_P(FieldBossRideTest, FareIsStepsPlus500AndOnlyMoreMoneyPays) {
  const RideCase& c = GetParam();
  GameState s = NewGame();
  s.Destination = c.destination;
  s.Level = 10;
  s.Gold = c.gold;
  s.Reputation = c.reputation;
  s.FieldStepX = 90;
  s.FieldStartX = -480;
  s.HeroX = -480 + 301 * 90;  // the demons wait one step beyond 300
  BossRideHome(s);
  EXPECT_EQ(s.PendingAction, 590);
  EXPECT_EQ(s.DealAmount, 801) << c.what;
  EXPECT_EQ(s.Gold, c.goldAfter) << c.what;
  EXPECT_EQ(s.Reputation, c.reputationAfter) << c.what;
  // The carriage that comes for it takes the hero at 590 and says nothing.
  EXPECT_EQ(ClassifyCarriage(s), CarriageCall::AfterBossScene);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Purses, FieldBossRideTest, ::testing::Values(
  RideCase{"more than the fare",           1, 802,  300, 1,    300},
  RideCase{"exactly the fare still costs", 1, 801,  300, 0,    270},
  RideCase{"too little",                   4, 100,  20,  0,    0},
  RideCase{"not the demons' road fare",    4, 5000, 300, 4199, 300}
));
// clang-format on

}  // namespace
}  // namespace tolmark::field
