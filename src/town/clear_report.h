// The clear report appended to Clear.txt at the ending: the hero's figures, a rank and remarks.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "model/game_state.h"
#include "save/file_write_result.h"

namespace tolmark::town {

// The report file's name in the current folder.
inline constexpr std::string_view kClearReportFileName = "Clear.txt";

// How many of the 61 weapons have ever been owned.
int CountCollected(const GameState& s);

// The points of the eight judged parts of a finished game, 8..105.
int RankPoints(const GameState& s);

// The rank lines (none below 30 points) and the remarks that apply, in the language the game
// speaks; every line ends with LF.
std::string RankComment(const GameState& s);

// One whole report in UTF-8, in the language the game speaks: the header block and the body
// block, each closed by CR LF.
std::string ClearReportText(const GameState& s);

// The text in the Japanese code page the report file is read in; nothing when a character
// has no place in it.
std::optional<std::string> ToCodePage932(std::string_view utf8);

// Sets CollectedCount and appends one report to the file (created when missing): in the
// Japanese code page when the game speaks Japanese, as UTF-8 when it speaks English. A failed
// write leaves the earlier reports as they were and is reported.
FileWriteResult WriteClearReport(GameState& s, const std::filesystem::path& path);

}  // namespace tolmark::town
