// Tolmark.dat on disk: byte-exact writes, the load flag, and failed or refused files.
#include "save/save_file.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "file_size_limit.h"
#include "scratch_folder.h"
#include "save_fixtures.h"

namespace tolmark {
namespace {

namespace fs = std::filesystem;
using testing_save::kNewGameFirstLine;
using testing_save::kNewGameSecondLine;
using testing_support::Contents;
using testing_save::NewGame;

const std::string kNewGameFile = kNewGameFirstLine + "\r\n" + kNewGameSecondLine + "\r\n";

class SaveFile : public testing_support::ScratchFolder {
 protected:
  void SetUp() override {
    ScratchFolder::SetUp();
    path_ = folder_ / "Tolmark.dat";
  }

  static void Put(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
  }
  std::vector<std::string> FolderNames() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder_)) names.push_back(entry.path().filename());
    return names;
  }

  fs::path path_;
};

TEST_F(SaveFile, NewGameIsWrittenByteForByteAndReplacesAnOlderSave) {
  Put(path_, "an older and much longer save file that must disappear entirely\r\n");
  GameState s = NewGame();
  ASSERT_TRUE(WriteSaveFile(s, path_).ok);
  EXPECT_EQ(Contents(path_), kNewGameFile);
  EXPECT_EQ(FolderNames(), std::vector<std::string>{"Tolmark.dat"});
}

TEST_F(SaveFile, NegativeGoldIsSavedAsZeroAndTheGameKeepsZero) {
  GameState s = NewGame();
  s.Gold = -250;
  ASSERT_TRUE(WriteSaveFile(s, path_).ok);
  EXPECT_EQ(s.Gold, 0);
  EXPECT_EQ(Contents(path_).substr(26, 10), "uuuuuuuuuu");
}

TEST_F(SaveFile, ReadingSetsTheLoadFlag) {
  Put(path_, kNewGameFile);
  GameState s;
  s.LoadSucceeded = kFalse;
  EXPECT_EQ(ReadSaveFile(s, path_), LoadResult::kAccepted);
  EXPECT_EQ(s.LoadSucceeded, kTrue);
  testing_save::ExpectSameSavedFields(s, NewGame());

  Put(path_, "uuuXf\r\n" + kNewGameSecondLine + "\r\n");
  EXPECT_EQ(ReadSaveFile(s, path_), LoadResult::kRejected);
  EXPECT_EQ(s.LoadSucceeded, kFalse);
}

TEST_F(SaveFile, AHugeFileIsRefusedWithoutTakingAnythingOver) {
  // Valid letters all through, so only its size can give it away.
  Put(path_, std::string(2 * 1024 * 1024, 'h') + "\r\n" + kNewGameSecondLine + "\r\n");
  GameState s = NewGame();
  EXPECT_EQ(ReadSaveFile(s, path_), LoadResult::kRejected);
  EXPECT_EQ(s.LoadSucceeded, kFalse);
  testing_save::ExpectSameSavedFields(s, NewGame());
}

TEST_F(SaveFile, AFileThatCannotBeReadTakesNothingOver) {
  for (const fs::path& path : {folder_ / "missing.dat", folder_}) {
    GameState s = NewGame();
    s.LoadSucceeded = kTrue;
    EXPECT_EQ(ReadSaveFile(s, path), LoadResult::kUnreadable) << path;
    EXPECT_EQ(s.LoadSucceeded, kFalse);
    testing_save::ExpectSameSavedFields(s, NewGame());
  }
}

TEST_F(SaveFile, AFailedWriteKeepsTheOldFileAndSaysSo) {
  fs::create_directory(folder_ / "is-a-folder");
  const fs::path cases[] = {folder_ / "is-a-folder", folder_ / "no-such-folder" / "Tolmark.dat"};
  for (const fs::path& path : cases) {
    GameState s = NewGame();
    const FileWriteResult result = WriteSaveFile(s, path);
    EXPECT_FALSE(result.ok) << path;
    EXPECT_FALSE(result.error.empty());
  }
  EXPECT_TRUE(fs::is_directory(folder_ / "is-a-folder"));
  EXPECT_EQ(FolderNames(), std::vector<std::string>{"is-a-folder"});  // no temporary left behind
}

// A full disk, played by a file-size limit: the new save stops half way.
TEST_F(SaveFile, AFullDiskKeepsTheOldSave) {
  const std::string old_save = kNewGameFile;
  Put(path_, old_save);

  GameState s = NewGame();
  s.Gold = 123456;
  FileWriteResult result;
  {
    const testing_support::FileSizeLimit limit(100);
    ASSERT_TRUE(limit.Applied());
    result = WriteSaveFile(s, path_);
  }

  EXPECT_FALSE(result.ok);
  EXPECT_EQ(Contents(path_), old_save);
  EXPECT_EQ(FolderNames(), std::vector<std::string>{"Tolmark.dat"});

  ASSERT_TRUE(WriteSaveFile(s, path_).ok);  // with room again the save goes through
  GameState loaded;
  ASSERT_EQ(ReadSaveFile(loaded, path_), LoadResult::kAccepted);
  EXPECT_EQ(loaded.Gold, 123456);
}

// A save killed before its rename leaves its temporary file; the next save clears away those of
// processes that are gone, and nothing else.
TEST_F(SaveFile, TemporariesOfAKilledSaveGoWithTheNextSave) {
  const std::string alive = "Tolmark.dat.tmp" + std::to_string(::getppid()) + "-0";
  const std::vector<std::string> kept = {alive, "Tolmark.dat.tmpx-1", "Tolmark.dat.tmp12-",
                                         "Other.dat.tmp999999999-0", "Tolmark.dat.bak"};
  for (const std::string& name : kept) Put(folder_ / name, "kept");
  for (const char* gone : {"Tolmark.dat.tmp999999999-0", "Tolmark.dat.tmp999999998-17"}) {
    Put(folder_ / gone, "half a save");
  }

  GameState s = NewGame();
  ASSERT_TRUE(WriteSaveFile(s, path_).ok);

  std::vector<std::string> want = kept;
  want.push_back("Tolmark.dat");
  std::vector<std::string> names = FolderNames();
  std::sort(names.begin(), names.end());
  std::sort(want.begin(), want.end());
  EXPECT_EQ(names, want);
}

}  // namespace
}  // namespace tolmark
