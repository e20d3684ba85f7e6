// The two lines of the save file as text: the hero and shop as lettered octal digits, and the
// collected weapons as one letter each. Pure string work; the file itself is in save_file.h.
#pragma once

#include <string>
#include <string_view>

#include "model/game_state.h"

namespace tolmark {

enum class LoadResult {
  kAccepted,    // every saved field taken over
  kRejected,    // a letter outside its alphabet, a bad yes/no digit, more stock than the shop
                // holds, or a file far longer than any save
  kUnreadable,  // the file could not be read at all; nothing was taken over
};

// First line: the saved fields as digits, each written with its letter. A value wider than
// its field is written as the largest value the field holds, a negative one as 0, so the
// fields after it never shift.
std::string EncodeFirstLine(const GameState& s);

// Second line: 61 letters, one per weapon, telling whether it was ever collected.
std::string EncodeSecondLine(const GameState& s);

// The whole file: both lines, each closed by CR LF.
std::string EncodeSaveFile(const GameState& s);

// Takes the saved fields over from the file's text. Fields taken over before a rejection keep
// their new values (the load command ends the game then). A first line that is merely short
// leaves 0 in the missing fields; a line may end with CR LF, LF or CR.
LoadResult DecodeSaveFile(std::string_view text, GameState& s);

}  // namespace tolmark
