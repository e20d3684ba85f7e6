// The saved game on disk: the file the save command writes and the load command reads.
#pragma once

#include <filesystem>
#include <string_view>

#include "model/game_state.h"
#include "save/file_write_result.h"
#include "save/save_codec.h"

namespace tolmark {

// The file's name in the current folder, as the game looks for it.
inline constexpr std::string_view kSaveFileName = "Tolmark.dat";

// What the hero says when the save file could not be written.
inline constexpr std::string_view kSaveFailedLine = "セーブに失敗したようだ…";

// What the load command shows before it ends the game when the file was refused.
inline constexpr std::string_view kModifiedSaveMessage =
    "改造データの疑いがあります。\nこのセーブデータはロードできません。";

// Whether the save file is in the current folder: the shop offers loading only then, and asks
// before a save overwrites it. A folder that cannot be looked into counts as holding none.
bool SaveFileExists();

// Saves the game. A negative Gold is first set to 0 in the game itself. The old file is
// replaced only once the new one is complete on the disk; a failed write keeps the old file
// and says so in the result.
FileWriteResult WriteSaveFile(GameState& s, const std::filesystem::path& path);

// Loads the game and sets LoadSucceeded (-1 accepted, 0 otherwise). Shows nothing and ends
// nothing: the caller decides what a refusal means.
LoadResult ReadSaveFile(GameState& s, const std::filesystem::path& path);

}  // namespace tolmark
