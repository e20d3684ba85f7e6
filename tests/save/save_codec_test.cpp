// The save file's two lines: known letters, round trips and the files a load refuses.
#include "save/save_codec.h"

#include <gtest/gtest.h>

#include <string>

#include "save_fixtures.h"

namespace tolmark {
namespace {

using testing_save::ExpectSameSavedFields;
using testing_save::kNewGameFirstLine;
using testing_save::kNewGameSecondLine;
using testing_save::NewGame;

// The line with `letters` put in at 1-based position `pos`.
std::string Patched(std::string line, std::size_t pos, const std::string& letters) {
  return line.replace(pos - 1, letters.size(), letters);
}

std::string File(const std::string& first, const std::string& second) {
  return first + "\r\n" + second + "\r\n";
}

// A late-game state with a different value in every saved field, maxima included.
GameState BusyGame() {
  GameState s = NewGame();
  s.MaxHP = 9999;
  s.HP = 4321;
  s.Attack = 999;
  s.Defense = 876;
  s.Speed = 765;
  s.Reputation = 654;
  s.Gold = 999999999;
  s.Level = 70;
  s.Experience = 123456;
  s.NextLevelExp = 234567;
  s.GrowthRate = 9;
  s.ShopRank = 3;
  s.Chapter = 4;
  s.GameCleared = kTrue;
  s.RoyalOrder[0].Wanted = 0;
  s.RoyalOrder[1].Wanted = 12;
  s.RoyalOrder[2].Wanted = 49;
  s.RoyalOrder[3].Wanted = 50;
  s.StoryState = 8;
  s.StockCapacity = 60;
  s.StockCount = 5;
  s.ShopStock[0] = {60, 50};
  s.ShopStock[1] = {7, 1};
  s.ShopStock[2] = {33, 17};
  s.ShopStock[3] = {0, 2};
  s.ShopStock[4] = {59, 49};
  s.BagCapacity = 99;
  s.WinsCount = 99999;
  s.EscapesCount = 9999;
  s.DefeatsCount = 999;
  s.SalesCount = 54321;
  s.PurchasesCount = 12345;
  s.RefusalsCount = 321;
  s.DemonDealsCount = 99;
  s.DemonsDefeated = kTrue;
  for (int l = 0; l < kWeaponCount; ++l) s.Collected[l] = AsFlag(l % 3 != 1);
  return s;
}

TEST(SaveCodec, NewGameWritesTheKnownLines) {
  const GameState s = NewGame();
  EXPECT_EQ(EncodeFirstLine(s), kNewGameFirstLine);
  EXPECT_EQ(EncodeSecondLine(s), kNewGameSecondLine);
  EXPECT_EQ(EncodeSaveFile(s), File(kNewGameFirstLine, kNewGameSecondLine));
}

TEST(SaveCodec, ReadingBackGivesTheSavedFields) {
  for (const GameState& saved : {NewGame(), BusyGame()}) {
    GameState loaded;  // all zero: every saved field must come from the file
    ASSERT_EQ(DecodeSaveFile(EncodeSaveFile(saved), loaded), LoadResult::kAccepted);
    ExpectSameSavedFields(loaded, saved);
  }
}

TEST(SaveCodec, FieldsOutsideTheFileAreLeftAlone) {
  GameState loaded = NewGame();
  loaded.SavedBagCapacity = 77;
  loaded.TickInterval = 500;
  loaded.BagCount = 2;
  loaded.Bag[0] = {5, 3};
  ASSERT_EQ(DecodeSaveFile(EncodeSaveFile(BusyGame()), loaded), LoadResult::kAccepted);
  EXPECT_EQ(loaded.SavedBagCapacity, 77);
  EXPECT_EQ(loaded.TickInterval, 500);
  EXPECT_EQ(loaded.BagCount, 2);
  EXPECT_EQ(loaded.Bag[0], (StockEntry{5, 3}));
  EXPECT_EQ(loaded.RoyalOrder[2].WeaponId, 44);
}

TEST(SaveCodec, AcceptsOrRejectsWhatTheFileHolds) {
  struct Case {
    const char* what;
    std::string first;
    std::string second;
    LoadResult result;
  };
  const std::string& one = kNewGameFirstLine;
  const std::string& two = kNewGameSecondLine;
  const Case cases[] = {
      {"letter outside the alphabet", Patched(one, 1, "a"), two, LoadResult::kRejected},
      {"upper-case letter", Patched(one, 50, "U"), two, LoadResult::kRejected},
      {"digit letter in the constant", Patched(one, 66, "x"), two, LoadResult::kRejected},
      {"space at the end", one + " ", two, LoadResult::kRejected},
      {"cleared digit 2", Patched(one, 64, "b"), two, LoadResult::kRejected},
      {"cleared digit 7", Patched(one, 64, "p"), two, LoadResult::kRejected},
      {"demons digit 2", Patched(one, 131, "b"), two, LoadResult::kRejected},
      {"collected letter of another pair", one, Patched(two, 2, "z"), LoadResult::kRejected},
      {"collected letter upper case", one, Patched(two, 61, "M"), LoadResult::kRejected},
      {"second line of 60 letters", one, two.substr(0, 60), LoadResult::kRejected},
      {"second line missing", one, "", LoadResult::kRejected},
      {"second line of 62 letters", one, two + "q", LoadResult::kAccepted},
      {"constants hold other letters", Patched(Patched(one, 65, "pzb"), 132, "hbfeszphbf"), two,
       LoadResult::kAccepted},
      {"cleared and demons digits 1", Patched(Patched(one, 64, "h"), 131, "h"), two,
       LoadResult::kAccepted},
  };
  for (const Case& c : cases) {
    GameState s = NewGame();
    EXPECT_EQ(DecodeSaveFile(File(c.first, c.second), s), c.result) << c.what;
  }
}

TEST(SaveCodec, AForeignLetterRejectsBeforeAnythingIsTakenOver) {
  // The stray letter sits at the very end, after every field of the busy game.
  const std::string first = EncodeFirstLine(BusyGame()) + "x";
  GameState s = NewGame();
  EXPECT_EQ(DecodeSaveFile(File(first, EncodeSecondLine(BusyGame())), s), LoadResult::kRejected);
  ExpectSameSavedFields(s, NewGame());
}

TEST(SaveCodec, LinesMayEndWithLineFeedsAlone) {
  GameState s;
  EXPECT_EQ(DecodeSaveFile(kNewGameFirstLine + "\n" + kNewGameSecondLine, s), LoadResult::kAccepted);
  ExpectSameSavedFields(s, NewGame());
}

TEST(SaveCodec, BagCapacityAbove99IsReadAs99) {
  struct Case {
    const char* letters;  // octal digits of the bag field as letters
    std::int32_t loaded;
  };
  for (const Case c : {Case{"hef", 99}, {"hee", 99}, {"ppp", 99}, {"heb", 98}, {"uhs", 13}}) {
    GameState s;
    ASSERT_EQ(DecodeSaveFile(File(Patched(kNewGameFirstLine, 82, c.letters), kNewGameSecondLine), s),
              LoadResult::kAccepted);
    EXPECT_EQ(s.BagCapacity, c.loaded) << c.letters;
  }
}

TEST(SaveCodec, StockCountBeyondTheShopsRowsIsRefused) {
  GameState full = NewGame();
  full.StockCount = kWeaponCount;
  for (int k = 0; k < kWeaponCount; ++k) full.ShopStock[k] = {k, 1 + k % 50};
  const std::string first = EncodeFirstLine(full);
  ASSERT_EQ(first.size(), 129u + 4u * kWeaponCount);

  struct Case {
    const char* count;  // 61, 62, 63 in octal letters
    LoadResult result;
  };
  for (const Case c : {Case{"ps", LoadResult::kAccepted}, {"pz", LoadResult::kRejected},
                       {"pp", LoadResult::kRejected}}) {
    GameState s;
    EXPECT_EQ(DecodeSaveFile(File(Patched(first, 80, c.count), kNewGameSecondLine), s),
              c.result)
        << c.count;
    EXPECT_LE(s.StockCount, kWeaponCount);
  }
}

TEST(SaveCodec, AWeaponOrAStockSizeTheShopCannotHoldIsRefused) {
  const std::string first = EncodeFirstLine(NewGame());
  struct Case {
    int position;         // 1-based position in the first line
    const char* letters;  // two octal digits as letters
    LoadResult result;
  };
  for (const Case c : {Case{85, "pe", LoadResult::kAccepted},   // weapon 60
                       {85, "pp", LoadResult::kRejected},       // weapon 63
                       {89, "ps", LoadResult::kRejected},       // weapon 61 in the second row
                       {78, "ps", LoadResult::kAccepted},       // capacity 61
                       {78, "pz", LoadResult::kRejected},       // capacity 62
                       {78, "pp", LoadResult::kRejected}}) {    // capacity 63
    GameState s;
    EXPECT_EQ(DecodeSaveFile(File(Patched(first, c.position, c.letters), kNewGameSecondLine), s),
              c.result)
        << c.position << " " << c.letters;
  }
}

TEST(SaveCodec, AShortFirstLineLeavesZerosInTheMissingFields) {
  for (const std::string& first : {std::string("uuuef"), std::string()}) {
    GameState s = BusyGame();
    ASSERT_EQ(DecodeSaveFile(File(first, kNewGameSecondLine), s), LoadResult::kAccepted) << first;
    EXPECT_EQ(s.MaxHP, first.empty() ? 0 : 35);
    EXPECT_EQ(s.HP, 0);
    EXPECT_EQ(s.Gold, 0);
    EXPECT_EQ(s.ShopRank, 0);
    EXPECT_EQ(s.GameCleared, kFalse);
    EXPECT_EQ(s.RoyalOrder[3].Wanted, 0);
    EXPECT_EQ(s.StockCount, 0);
    EXPECT_EQ(s.BagCapacity, 0);
    EXPECT_EQ(s.WinsCount, 0);
    EXPECT_EQ(s.DemonDealsCount, 0);
    EXPECT_EQ(s.DemonsDefeated, kFalse);
    EXPECT_EQ(s.Collected[3], kFalse);  // the second line is still read
  }
}

TEST(SaveCodec, ValuesWiderThanTheirFieldAreHeldAtTheFieldsLargest) {
  struct Case {
    const char* what;
    void (*change)(GameState&);
    std::size_t pos;
    const char* letters;
  };
  const Case cases[] = {
      {"MaxHP 40000", [](GameState& s) { s.MaxHP = 40000; }, 1, "ppppp"},
      {"HP negative", [](GameState& s) { s.HP = -5; }, 6, "uuuuu"},
      {"Gold past ten digits", [](GameState& s) { s.Gold = 1073741824; }, 27, "pppppppppp"},
      {"Level 512", [](GameState& s) { s.Level = 512; }, 37, "ppp"},
      {"Experience negative", [](GameState& s) { s.Experience = -1; }, 40, "uuuuuuuuuu"},
      {"GrowthRate 64", [](GameState& s) { s.GrowthRate = 64; }, 60, "pp"},
      {"ShopRank 9", [](GameState& s) { s.ShopRank = 9; }, 62, "p"},
      {"Chapter negative", [](GameState& s) { s.Chapter = -1; }, 63, "u"},
      {"GameCleared stored as 1", [](GameState& s) { s.GameCleared = 1; }, 64, "h"},
      {"order of 70", [](GameState& s) { s.RoyalOrder[2].Wanted = 70; }, 72, "pp"},
      {"bag of 600", [](GameState& s) { s.BagCapacity = 600; }, 82, "ppp"},
      {"stock count of 70", [](GameState& s) { s.ShopStock[1].Count = 70; }, 91, "pp"},
      {"wins of 300000", [](GameState& s) { s.WinsCount = 300000; }, 97, "pppppp"},
      {"demon deals of 600", [](GameState& s) { s.DemonDealsCount = 600; }, 128, "ppp"},
  };
  for (const Case& c : cases) {
    GameState s = NewGame();
    c.change(s);
    const std::string line = EncodeFirstLine(s);
    EXPECT_EQ(line, Patched(kNewGameFirstLine, c.pos, c.letters)) << c.what;
  }
}

TEST(SaveCodec, AStockCountPastTheShopsRowsWritesOnlyItsRows) {
  GameState s = NewGame();
  s.StockCount = 70;
  const std::string line = EncodeFirstLine(s);
  ASSERT_EQ(line.size(), 129u + 4u * kWeaponCount);
  EXPECT_EQ(line.substr(79, 2), "ps");
  GameState loaded;
  EXPECT_EQ(DecodeSaveFile(File(line, kNewGameSecondLine), loaded), LoadResult::kAccepted);
  EXPECT_EQ(loaded.StockCount, kWeaponCount);
}

}  // namespace
}  // namespace tolmark
