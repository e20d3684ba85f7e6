// The clear report: points, rank and remarks, the exact text and its appends to Clear.txt.
#include "town/clear_report.h"

#include <gtest/gtest.h>
#include <iconv.h>

#include <filesystem>
#include <functional>
#include <string>

#include "file_size_limit.h"
#include "scratch_folder.h"
#include "town_fixture.h"

namespace tolmark::town {
namespace {

namespace fs = std::filesystem;

// The lowest-scoring finished game: one point in each of the eight judged parts.
GameState LowestGame() {
  GameState s;
  ApplyNewGame(s);
  s.Gold = 0;
  s.Reputation = 0;
  s.Level = 1;
  s.DefeatsCount = 99;
  s.Collected.fill(kFalse);
  s.DemonDealsCount = 99;
  s.DemonsDefeated = kFalse;
  s.Chapter = 1;
  s.ShopRank = 1;
  return s;
}

// Exactly 100 points: everything at its best except the demons, who are still at large.
GameState TopRankGame() {
  GameState s;
  ApplyNewGame(s);
  s.Level = 65;
  s.MaxHP = 9999;
  s.HP = 12;  // the report shows the maximum, not what is left
  s.Attack = 999;
  s.Defense = 876;
  s.Speed = 543;
  s.Gold = 2000000;
  s.Reputation = 900;
  s.Collected.fill(kTrue);
  s.StockCapacity = 60;
  s.BagCapacity = 99;
  s.ShopRank = 3;
  s.Chapter = 4;
  s.DemonsDefeated = kFalse;
  s.SalesCount = 4321;
  s.PurchasesCount = 1234;
  s.RefusalsCount = 56;
  s.WinsCount = 7890;
  s.EscapesCount = 12;
  s.DefeatsCount = 5;
  s.DemonDealsCount = 0;
  return s;
}

// Eight points, in chapter 3 with the demons unbeaten and three weapons collected.
GameState LowRankGame() {
  GameState s;
  ApplyNewGame(s);
  s.Gold = 999;
  s.Reputation = 10;
  s.DefeatsCount = 20;
  s.DemonDealsCount = 14;
  s.Chapter = 3;
  return s;
}

const std::string kHeader =
    "**********************************************************\n"
    "****** Tolmark2 ******************************************\n"
    "****** クリアデータ **************************************\n"
    "**********************************************************\n"
    "**********************************************************\r\n";

const std::string kTopRankReport = kHeader +
    "Ｌｖ　　：65\n"
    "Ｈｐ　　：9999\n"
    "Ａｔ　　：999\n"
    "Ｄｉ　　：876\n"
    "Ｓｐ　　：543\n"
    "所持金　：2000000\n"
    "評判　　：900\n"
    "武器収集：61／61(Collect!)\n"
    "店サイズ：60(MAX!)\n"
    "鞄サイズ：99(MAX!)\n"
    "\n"
    "物を売った回数　　：4321\n"
    "物を買った回数　　：1234\n"
    "売買を断わった回数：56\n"
    "敵に勝った回数　　：7890\n"
    "敵から逃げた回数　：12\n"
    "敵にやられた回数　：5\n"
    "魔族と取引した回数：0\n"
    "\n"
    "総評価：【Ｓランク】\n"
    "・あんたは最強の武器商人ザマス\n"
    "　ワタクシの、専属武器屋にしてあげるザマスよ！\n"
    "・あんた、ちゃんと魔族を倒して欲しいザマス！\n"
    "　か弱い乙女のワタクシは、安心して夜も眠れないザマスよ！\n"
    "・ここら辺で取れる武器を全て集めたザマスね\n"
    "　コレクターの称号をあげるザマスよ\n"
    "\n\n\n\r\n";

const std::string kLowRankReport = kHeader +
    "Ｌｖ　　：1\n"
    "Ｈｐ　　：35\n"
    "Ａｔ　　：7\n"
    "Ｄｉ　　：5\n"
    "Ｓｐ　　：4\n"
    "所持金　：999\n"
    "評判　　：10\n"
    "武器収集：3／61\n"
    "店サイズ：15\n"
    "鞄サイズ：10\n"
    "\n"
    "物を売った回数　　：0\n"
    "物を買った回数　　：0\n"
    "売買を断わった回数：0\n"
    "敵に勝った回数　　：0\n"
    "敵から逃げた回数　：0\n"
    "敵にやられた回数　：20\n"
    "魔族と取引した回数：14\n"
    "\n"
    "総評価：・最強の武器の話を聞いたザマスか？\n"
    "　どっかの山にいる人が、詳しいらしいザマスよ\n"
    "・あんたは知らないと思うザマスが、\n"
    "　どこかに凄く強い魔族がいるらしいザマスよ\n"
    "・あんたも武器屋なら、この辺のアイテムくらい、\n"
    "　全て集めるザマスよ！\n"
    "\n\n\n\r\n";

// The expected bytes in the report's code page, converted independently of the game's code.
std::string Cp932(const std::string& utf8) {
  iconv_t cd = iconv_open("CP932", "UTF-8");
  std::string out(utf8.size() * 2, '\0');
  char* in = const_cast<char*>(utf8.data());
  std::size_t in_left = utf8.size();
  char* next = out.data();
  std::size_t out_left = out.size();
  EXPECT_NE(iconv(cd, &in, &in_left, &next, &out_left), static_cast<std::size_t>(-1));
  iconv_close(cd);
  out.resize(out.size() - out_left);
  return out;
}

class ClearReportFile : public testing_support::ScratchFolder {
 protected:
  void SetUp() override {
    ScratchFolder::SetUp();
    path_ = folder_ / "Clear.txt";
  }

  std::string Contents() const { return testing_support::Contents(path_); }

  fs::path path_;
};

TEST_F(ClearReportFile, TwoClearsLeaveTwoCompleteReportsInTheJapaneseCodePage) {
  GameState top = TopRankGame();
  GameState low = LowRankGame();
  ASSERT_TRUE(WriteClearReport(top, path_).ok);
  ASSERT_TRUE(WriteClearReport(low, path_).ok);
  EXPECT_EQ(top.CollectedCount, 61);
  EXPECT_EQ(low.CollectedCount, 3);

  const std::string bytes = Contents();
  EXPECT_EQ(bytes, Cp932(kTopRankReport) + Cp932(kLowRankReport));
  // "****** クリアデータ ***..." is 58 bytes on its own line; "Ｌｖ" is 82 6B 82 96.
  EXPECT_NE(bytes.find("\n****** \x83\x4e\x83\x8a\x83\x41\x83\x66\x81\x5b\x83\x5e " +
                       std::string(38, '*') + "\n"),
            std::string::npos);
  // Five lines of 58 bytes, LF between them, CR LF after the fifth; then the body begins.
  EXPECT_EQ(bytes.substr(5 * 58 + 4, 6), "\r\n\x82\x6b\x82\x96");
}

TEST_F(ClearReportFile, AFailedAppendLeavesTheEarlierReportsAsTheyWere) {
  GameState top = TopRankGame();
  ASSERT_TRUE(WriteClearReport(top, path_).ok);
  const std::string before = Contents();

  FileWriteResult result;
  {
    // Room for part of a second report only.
    const testing_support::FileSizeLimit limit(before.size() + 100);
    ASSERT_TRUE(limit.Applied());
    result = WriteClearReport(top, path_);
  }

  EXPECT_FALSE(result.ok);
  EXPECT_EQ(Contents(), before);

  EXPECT_FALSE(WriteClearReport(top, folder_).ok);  // a folder in the file's place
}

const std::string kTopRankReportInEnglish =
    "**********************************************************\n"
    "****** Tolmark2 ******************************************\n"
    "****** Clear Data ****************************************\n"
    "**********************************************************\n"
    "**********************************************************\r\n"
    "Level     : 65\n"
    "HP        : 9999\n"
    "Attack    : 999\n"
    "Defense   : 876\n"
    "Speed     : 543\n"
    "Money     : 2000000\n"
    "Reputation: 900\n"
    "Weapons   : 61/61(Collect!)\n"
    "Shop size : 60(MAX!)\n"
    "Bag size  : 99(MAX!)\n"
    "\n"
    "Sales            : 4321\n"
    "Purchases        : 1234\n"
    "Deals refused    : 56\n"
    "Battles won      : 7890\n"
    "Battles fled     : 12\n"
    "Battles lost     : 5\n"
    "Deals with demons: 0\n"
    "\n"
    "Verdict: [Rank S]\n"
    "- You are the finest weapons dealer, darling!\n"
    "  I'll make you my very own weapons dealer!\n"
    "- Do go and defeat the demons properly!\n"
    "  A delicate maiden like me can't sleep at night!\n"
    "- You collected every weapon to be had hereabouts!\n"
    "  I hereby name you a true Collector. Ohohoho!\n"
    "\n\n\n\r\n";

// Played in English, the report comes out in English, written as it is: plain ASCII whatever the
// rank and the remarks, so that any editor reads it.
TEST_F(ClearReportFile, AnEnglishClearIsReportedInPlainEnglish) {
  const testing::SpeakingEnglish english;
  ASSERT_TRUE(english.ready()) << "the build's English catalogue";
  GameState top = TopRankGame();
  ASSERT_TRUE(WriteClearReport(top, path_).ok);
  EXPECT_EQ(Contents(), kTopRankReportInEnglish);

  // Every rank block and every remark, each in some game: ranks A to E, and none.
  const std::function<void(GameState&)> games[] = {
      [](GameState& s) { s = TopRankGame(); s.Gold = 1800000; s.Level = 63; s.DemonsDefeated = kTrue; },
      [](GameState& s) { s = TopRankGame(); s.Gold = 0; s.Reputation = 800; s.Chapter = 3; },
      [](GameState& s) { s = TopRankGame(); s.Gold = 0; s.Reputation = 500; },
      [](GameState& s) { s.Gold = 2000000; s.Reputation = 900; s.Level = 65; },
      [](GameState& s) { s.Gold = 1800000; s.Reputation = 700; s.Chapter = 3; },
      [](GameState& s) { s.Chapter = 4; },
  };
  for (const auto& change : games) {
    GameState s = LowestGame();
    change(s);
    const std::string text = ClearReportText(s);
    for (const char c : text) ASSERT_LT(static_cast<unsigned char>(c), 0x80) << text;
  }
}

TEST(ClearReport, RankFollowsTheTotalPoints) {
  struct Case {
    const char* what;
    std::function<void(GameState&)> change;
    int points;
    const char* first_line;  // of the comment
  };
  const Case cases[] = {
      {"top", [](GameState& s) { s = TopRankGame(); }, 100, "【Ｓランク】"},
      {"top less gold and level, demons beaten",
       [](GameState& s) {
         s = TopRankGame();
         s.Gold = 1800000;
         s.Level = 63;
         s.DemonsDefeated = kTrue;
       },
       99, "【Ａランク】"},
      {"rich, famous and strong",
       [](GameState& s) {
         s.Gold = 2000000;
         s.Reputation = 900;
         s.Level = 65;
       },
       50, "【Ｄランク】"},
      {"one short of D",
       [](GameState& s) {
         s.Gold = 2000000;
         s.Reputation = 900;
         s.Level = 63;
         s.DefeatsCount = 13;
       },
       49, "【Ｅランク】"},
      {"lowest E",
       [](GameState& s) {
         s.Gold = 1800000;
         s.Reputation = 700;
       },
       30, "【Ｅランク】"},
      {"one short of E",
       [](GameState& s) {
         s.Gold = 1800000;
         s.ShopRank = 3;
       },
       29, "・あんたも武器屋なら、この辺のアイテムくらい、"},
  };
  for (const Case& c : cases) {
    GameState s = LowestGame();
    c.change(s);
    EXPECT_EQ(RankPoints(s), c.points) << c.what;
    const std::string comment = RankComment(s);
    EXPECT_EQ(comment.substr(0, comment.find('\n')), c.first_line) << c.what;
  }
}

TEST(ClearReport, EachPartEarnsItsPoints) {
  struct Case {
    std::function<void(GameState&)> change;
    int points;  // total with every other part at its lowest (one point each)
  };
  const auto collect = [](int count) {
    return [count](GameState& s) {
      for (int l = 0; l < count; ++l) s.Collected[l] = kTrue;
    };
  };
  const Case cases[] = {
      {[](GameState&) {}, 8},
      {[](GameState& s) { s.Gold = 499999; }, 8},
      {[](GameState& s) { s.Gold = 500000; }, 11},
      {[](GameState& s) { s.Gold = 1000000; }, 14},
      {[](GameState& s) { s.Gold = 1500000; }, 18},
      {[](GameState& s) { s.Gold = 1999999; }, 20},
      {[](GameState& s) { s.Gold = 2000000; }, 22},
      {[](GameState& s) { s.Reputation = 299; }, 8},
      {[](GameState& s) { s.Reputation = 300; }, 11},
      {[](GameState& s) { s.Reputation = 500; }, 14},
      {[](GameState& s) { s.Reputation = 799; }, 18},
      {[](GameState& s) { s.Reputation = 800; }, 20},
      {[](GameState& s) { s.Reputation = 900; }, 22},
      {[](GameState& s) { s.Level = 54; }, 8},
      {[](GameState& s) { s.Level = 55; }, 11},
      {[](GameState& s) { s.Level = 60; }, 14},
      {[](GameState& s) { s.Level = 64; }, 18},
      {[](GameState& s) { s.Level = 65; }, 22},
      {[](GameState& s) { s.DefeatsCount = 14; }, 8},
      {[](GameState& s) { s.DefeatsCount = 13; }, 11},
      {[](GameState& s) { s.DefeatsCount = 10; }, 14},
      {[](GameState& s) { s.DefeatsCount = 8; }, 18},
      {[](GameState& s) { s.DefeatsCount = 6; }, 20},
      {[](GameState& s) { s.DefeatsCount = 5; }, 22},
      {[](GameState& s) { s.DefeatsCount = 0; }, 22},
      {[](GameState& s) { s.DemonDealsCount = 12; }, 8},
      {[](GameState& s) { s.DemonDealsCount = 11; }, 11},
      {[](GameState& s) { s.DemonDealsCount = 5; }, 14},
      {[](GameState& s) { s.DemonDealsCount = 3; }, 18},
      {[](GameState& s) { s.DemonDealsCount = 1; }, 20},
      {[](GameState& s) { s.DemonDealsCount = 0; }, 22},
      {collect(39), 8},
      {collect(40), 12},
      {collect(60), 14},
      {collect(61), 17},
      {[](GameState& s) { s.Chapter = 4; }, 12},
      {[](GameState& s) { s.DemonsDefeated = kTrue; }, 17},
      {[](GameState& s) { s.ShopRank = 2; }, 12},
      {[](GameState& s) { s.ShopRank = 3; }, 17},
  };
  int row = 0;
  for (const Case& c : cases) {
    GameState s = LowestGame();
    c.change(s);
    EXPECT_EQ(RankPoints(s), c.points) << "row " << row++;
  }
}

TEST(ClearReport, CollectionAndSizeLinesMarkTheirMaximum) {
  struct Case {
    std::function<void(GameState&)> change;
    const char* line;
  };
  const Case cases[] = {
      {[](GameState& s) { s.Collected.fill(kTrue); }, "\n武器収集：61／61(Collect!)\n"},
      {[](GameState& s) { s.Collected.fill(kTrue); s.Collected[60] = kFalse; },
       "\n武器収集：60／61\n"},
      {[](GameState& s) { s.Collected.fill(1); }, "\n武器収集：0／61\n"},  // only -1 counts
      {[](GameState& s) { s.StockCapacity = 60; }, "\n店サイズ：60(MAX!)\n"},
      {[](GameState& s) { s.StockCapacity = 35; }, "\n店サイズ：35\n"},
      {[](GameState& s) { s.BagCapacity = 99; }, "\n鞄サイズ：99(MAX!)\n"},
      {[](GameState& s) { s.BagCapacity = 98; }, "\n鞄サイズ：98\n"},
      {[](GameState& s) { s.Gold = -40; }, "\n所持金　：-40\n"},
  };
  for (const Case& c : cases) {
    GameState s = LowestGame();
    c.change(s);
    EXPECT_NE(ClearReportText(s).find(c.line), std::string::npos) << c.line;
  }
}

TEST(ClearReport, RemarksFollowTheStory) {
  struct Case {
    std::int32_t chapter;
    Flag demons_beaten;
    std::string remarks;  // before the closing collection remark
  };
  const std::string chapter3 = "・最強の武器の話を聞いたザマスか？\n　どっかの山にいる人が、詳しいらしいザマスよ\n";
  const std::string unbeaten4 = "・あんた、ちゃんと魔族を倒して欲しいザマス！\n　か弱い乙女のワタクシは、安心して夜も眠れないザマスよ！\n";
  const std::string unbeaten3 = "・あんたは知らないと思うザマスが、\n　どこかに凄く強い魔族がいるらしいザマスよ\n";
  const std::string beaten = "・デモンズ山脈の魔族を倒したザマスね\n　ワタクシの専属ボディーガードになるザマス！\n";
  const Case cases[] = {
      {1, kFalse, ""},
      {3, kFalse, chapter3 + unbeaten3},
      {3, kTrue, chapter3 + beaten},
      {4, kFalse, unbeaten4},
      {4, kTrue, beaten},
  };
  const std::string closing = "・あんたも武器屋なら、この辺のアイテムくらい、\n　全て集めるザマスよ！\n";
  for (const Case& c : cases) {
    GameState s = LowestGame();
    s.Chapter = c.chapter;
    s.DemonsDefeated = c.demons_beaten;
    ASSERT_LT(RankPoints(s), 30);
    EXPECT_EQ(RankComment(s), c.remarks + closing) << c.chapter << " " << c.demons_beaten;
  }
}

}  // namespace
}  // namespace tolmark::town
