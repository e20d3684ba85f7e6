// High and low with the card player: the answers, the card that never repeats, right and
// wrong guesses at the edges of the pack, and the money of whole games.
#include "field/card_game.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "draws.h"
#include "encounter_outcomes.h"
#include "field/travellers.h"
#include "scene/dialogue.h"

namespace tolmark::field {
namespace {

using testing::NewGame;
using testing::OfN;

// The card player on トーテム山 (stake 100), his invitation under way.
GameState Table(std::int32_t gold = 1000) {
  GameState s = NewGame();
  s.Destination = 1;
  s.Gold = gold;
  s.EventActive = kTrue;
  s.PendingAction = 300;
  s.FieldEventItem = 12;
  s.EventCode = 100;
  s.CardStake = 100;
  s.DealAmount = 100;
  return s;
}

// The value for which Int(Rnd × 13) + 1 is the card.
double Card(int card) { return OfN(card - 1, 13); }

TEST(FieldCardAnswers, ByTheStepTheyAnswer) {
  struct Case {
    std::int32_t at;
    bool yes;
    std::int32_t next;
    Flag guess;
  };
  const Case cases[] = {{103, true, 1, 7},  {103, false, 51, 7}, {2, true, 3, kTrue},
                        {2, false, 3, kFalse}, {11, true, 12, 7},  {11, false, 30, 7}};
  for (const Case& c : cases) {
    GameState s = Table();
    s.CardGuess = 7;
    s.EventCode = c.at;
    CardAnswer(s, c.yes);
    EXPECT_EQ(s.EventCode, c.next) << c.at << " " << c.yes;
    EXPECT_EQ(s.CardGuess, c.guess) << c.at << " " << c.yes;
  }
}

struct GuessCase {
  int shown;
  Flag guess;
  std::vector<int> drawn;  // the draws; all but the last repeat the shown card
  bool right;
  friend void PrintTo(const GuessCase& c, std::ostream* os) {
    *os << c.shown << (c.guess == kTrue ? " ハイ" : " ロー");
  }
};

class FieldCardGuessTest : public ::testing::TestWithParam<GuessCase> {};

TEST_P(FieldCardGuessTest, NextCardNeverTheShownOne) {
  const GuessCase& c = GetParam();
  GameState s = Table();
  s.EventCode = 3;
  s.CardShown = c.shown;
  s.CardGuess = c.guess;
  ScriptedRandom random;
  for (int d : c.drawn) random.Queue(Card(d));
  const Outcome step = CardGameStep(s, random);
  EXPECT_EQ(random.Queued(), 0u);
  EXPECT_EQ(s.CardDrawn, c.drawn.back());
  EXPECT_EQ(s.EventCode, c.right ? 10 : 40);
  EXPECT_EQ(step.line, "カードは………" + std::to_string(c.drawn.back()));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Guesses, FieldCardGuessTest, ::testing::Values(
  GuessCase{7,  kTrue,  {8},         true},
  GuessCase{7,  kTrue,  {6},         false},
  GuessCase{7,  kFalse, {6},         true},
  GuessCase{7,  kFalse, {7, 7, 13},  false},
  GuessCase{13, kTrue,  {13, 12},    false},  // ハイ on 13 always loses
  GuessCase{13, kFalse, {1},         true},
  GuessCase{1,  kFalse, {1, 2},      false},  // ロー on 1 always loses
  GuessCase{1,  kTrue,  {13},        true}
));
// clang-format on

// Plays a whole game: the invitation, then for each turn the card shown and the draw, guessing
// high; stop says whether the player stops after the last right guess.
struct Game {
  GameState s;
  ScriptedRandom random;
  std::vector<std::string> lines;

  explicit Game(std::int32_t gold) : s(Table(gold)) {}

  Outcome Step() {
    Outcome step = AdvanceEncounter(s, random);
    if (!step.line.empty()) lines.push_back(step.line);
    return step;
  }
  Outcome Answer(bool yes) {
    s.Answer = yes ? kAnswerYes : kAnswerNo;
    return Step();
  }
};

TEST(FieldCardGame, FiveRightGuessesPay32Stakes) {
  Game g(1000);
  for (int i = 0; i < 3; ++i) g.Step();  // the invitation
  EXPECT_EQ(g.lines.back(), "賭け金は100カリムだ。賭ける度に加算していくからな");
  EXPECT_TRUE(IsPrompt(g.Step()));
  g.random.Queue(Card(1));
  g.Answer(true);
  EXPECT_EQ(g.lines.back(), "じゃあ1回目。カードは1");
  for (int turn = 1; turn <= 5; ++turn) {
    EXPECT_TRUE(IsPrompt(g.Step()));  // ハイ / ロー
    g.random.Queue(Card(turn + 1));
    g.Answer(true);
    g.Step();  // the player's word on a right guess
    if (turn < 5) {
      EXPECT_EQ(g.lines.back(), "ちっ。当たっちまったようだな。次勝てば、" +
                                    std::to_string(100 << (turn + 1)) +
                                    "カリムだ。まだ続けるかい？");
      EXPECT_TRUE(IsPrompt(g.Step()));  // 続ける / 止める
      g.Answer(true);
    }
  }
  EXPECT_EQ(g.lines.back(), "ちっ。当たっちまったようだな");
  g.Step();
  EXPECT_EQ(g.lines.back(), "もうこのくらいで勘弁してくれ……");
  const Outcome paid = g.Step();
  EXPECT_TRUE(IsClosing(paid));
  EXPECT_EQ(paid.line, "5回当たったから3200カリムだ。もってけ泥棒！");
  EXPECT_EQ(g.s.Gold, 1000 - 500 + 3200);
  EXPECT_EQ(g.s.CardStake, 500);
}

TEST(FieldCardGame, StoppingAfterOneRightGuessPaysTwoStakes) {
  Game g(1000);
  for (int i = 0; i < 4; ++i) g.Step();
  g.random.Queue(Card(3));
  g.Answer(true);
  g.Step();
  g.random.Queue(Card(9));
  g.Answer(true);
  g.Step();
  g.Step();
  g.Answer(false);
  EXPECT_EQ(g.lines.back(), "なんだ、やめるのか…");
  EXPECT_EQ(g.Step().line, "1回当たったから200カリムだ。もってけ泥棒！");
  EXPECT_EQ(g.s.Gold, 1100);
}

TEST(FieldCardGame, LosingInTurnThreeNamesTheThreeStakes) {
  Game g(1000);
  for (int i = 0; i < 4; ++i) g.Step();
  g.random.Queue(Card(2));
  g.Answer(true);
  for (const int next : {5, 9}) {
    g.Step();
    g.random.Queue(Card(next));
    g.Answer(true);
    g.Step();
    g.Step();
    g.Answer(true);
  }
  g.Step();
  g.random.Queue(Card(4));
  g.Answer(true);
  const Outcome lost = g.Step();
  EXPECT_TRUE(IsClosing(lost));
  EXPECT_EQ(lost.line, "残念だったな。3回分で300カリムか…。次も頼むよ！");
  EXPECT_EQ(g.s.Gold, 700);
}

TEST(FieldCardGame, NoNextStakeEndsTheGameWithThePrizeSoFar) {
  Game g(100);
  for (int i = 0; i < 4; ++i) g.Step();
  g.random.Queue(Card(2));
  g.Answer(true);
  EXPECT_EQ(g.s.Gold, 0);
  g.Step();
  g.random.Queue(Card(10));
  g.Answer(true);
  g.Step();
  EXPECT_EQ(g.lines.back(), "ちっ。当たっちまったようだな");
  g.Step();
  EXPECT_EQ(g.lines.back(), "賭け金がねぇようだから、終わりにしよう");
  EXPECT_EQ(g.Step().line, "1回当たったから200カリムだ。もってけ泥棒！");
  EXPECT_EQ(g.s.Gold, 200);
}

TEST(FieldCardGame, DeclinedCostsNothing) {
  Game g(1000);
  for (int i = 0; i < 4; ++i) g.Step();
  const Outcome declined = g.Answer(false);
  EXPECT_TRUE(IsClosing(declined));
  EXPECT_EQ(declined.line, "そうか…。また今度やろうな");
  EXPECT_EQ(g.s.Gold, 1000);
}

TEST(FieldCardGame, PrizeCappedStakesUnfloored) {
  Game g(999999999);
  for (int i = 0; i < 4; ++i) g.Step();
  g.random.Queue(Card(2));
  g.Answer(true);
  g.Step();
  g.random.Queue(Card(3));
  g.Answer(true);
  g.Step();
  g.Step();
  g.Answer(false);
  g.Step();
  EXPECT_EQ(g.s.Gold, 999999999);
}

}  // namespace
}  // namespace tolmark::field
