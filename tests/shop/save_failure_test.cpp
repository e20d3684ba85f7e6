// A save that cannot be written is told as a failure in the hero's balloon, never as a success.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include <unistd.h>

#include "scratch_folder.h"
#include "transcript_desktop.h"
#include "game/game.h"
#include "shop/shop_codes.h"

namespace tolmark::shop {
namespace {

namespace fs = std::filesystem;

class SaveFailure : public testing_support::ScratchFolder {
 protected:
  void SetUp() override {
    ScratchFolder::SetUp();
    WorkInIt();
  }
  std::string LastTalk() const {
    const auto talks = desk.With("talk frmMessage");
    if (talks.empty()) return {};
    const std::string& line = talks.back();
    const auto open = line.find('"');
    return line.substr(open + 1, line.size() - open - 2);
  }

  testing_support::TranscriptDesktop desk;
  ScriptedRandom rnd;
  Game game{desk, rnd};
};

TEST_F(SaveFailure, AnUnwritableSaveIsToldAsAFailureAndTheCommandEndsOnTheNextClick) {
  // A folder where the save file should be: the file cannot be replaced.
  fs::create_directories("Tolmark.dat/kept");
  game.Start();
  game.MenuChosen("msave");
  EXPECT_EQ(LastTalk(), "前のセーブデータが上書きされるが、いいのか？");
  game.MouseDown(Window::frmShop, 1);
  game.MouseDown(Window::frmYes, 1);
  EXPECT_EQ(LastTalk(), "セーブに失敗したようだ…");
  EXPECT_TRUE(fs::is_directory("Tolmark.dat/kept"));
  EXPECT_FALSE(desk.EndRequested());
  game.MouseDown(Window::frmShop, 1);
  EXPECT_EQ(game.State().CommandBusy, kFalse);
  EXPECT_EQ(game.State().PendingAction, code::Idle);
}

TEST_F(SaveFailure, AnUnreadableSaveIsToldAndTheGameGoesOn) {
  fs::create_directories("Tolmark.dat");
  game.Start();
  game.State().Gold = 4321;
  game.MenuChosen("mload");
  game.MouseDown(Window::frmShop, 1);
  game.MouseDown(Window::frmYes, 1);
  EXPECT_EQ(LastTalk(), "ロードに失敗したようだ…");
  EXPECT_TRUE(desk.With("msgbox").empty());
  EXPECT_FALSE(desk.EndRequested());
  EXPECT_EQ(game.State().Gold, 4321);
}

}  // namespace
}  // namespace tolmark::shop
