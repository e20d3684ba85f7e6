// A save that cannot be written is told as a failure in the hero's balloon, never as a success.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include <unistd.h>

#include "../scene/recording_desktop.h"
#include "game/game.h"

namespace tolmark::shop {
namespace {

namespace fs = std::filesystem;

class SaveFailure : public ::testing::Test {
 protected:
  void SetUp() override {
    old_ = fs::current_path();
    dir_ = fs::temp_directory_path() / ("tolmark-save-failure-" + std::to_string(::getpid()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    fs::current_path(dir_);
  }
  void TearDown() override {
    fs::current_path(old_);
    fs::remove_all(dir_);
  }
  std::string LastTalk() const {
    const auto talks = desk.With("talk frmMessage");
    if (talks.empty()) return {};
    const std::string& line = talks.back();
    const auto open = line.find('"');
    return line.substr(open + 1, line.size() - open - 2);
  }

  fs::path old_;
  fs::path dir_;
  RecordingDesktop desk;
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
  EXPECT_FALSE(desk.ended);
  game.MouseDown(Window::frmShop, 1);
  EXPECT_EQ(game.State().CommandBusy, kFalse);
  EXPECT_EQ(game.State().PendingAction, 0);
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
  EXPECT_FALSE(desk.ended);
  EXPECT_EQ(game.State().Gold, 4321);
}

}  // namespace
}  // namespace tolmark::shop
