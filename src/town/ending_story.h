// What is said at the ending (EndingTurn, code::EndingFirst..EndingLast): the king's story, one
// line a click; the narration of the epilogue; the hero's thanks; and the four closing notes,
// after which the game closes. Lines as tables; what the epilogue does
// to the game is in ending_epilogue.h.
// Nothing here draws from Random.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "model/game_state.h"
#include "save/save_file.h"
#include "scene/lines.h"

namespace tolmark::town {

// The story's payment line (code::KingPaysInFull) names the delivery's money; its text is worked
// out by EndingRowLine. Every other row says its text as it stands. The hero's long silence is
// followed by a 2000 ms pause. The last row leads to code::Epilogue on the next click.
Lines KingsStory();

// The finished line of a story row: for the payment, kWithWagon with a hired wagon, else
// kForWeapons, naming DealAmount in plain digits; the row's text otherwise.
std::string EndingRowLine(const LineRow& row, const GameState& s);

// The four closing notes at the hero's side, each leading to the next; the last leads to
// code::GameCloses, where the step function closes every window but frmArms (UnloadAllExcept)
// and then frmArms: the program ends.
Lines ClosingNotes();

// One line of the narration and the blocking pause after it.
struct NarrationLine {
  std::string_view text;
  int pauseAfterMs;
};

// EndingTurn's epilogue, after the bare stage has been shown and 1000 ms have passed: each line said
// at the hero's side (Say, flag 0), then Pump, then its pause.
inline constexpr std::array<NarrationLine, 4> kEpilogueNarration = {{
    {"こうして、モノリスでの冒険は終わった", 5000},
    {"だが、それはブームの波乱の人生の始まりでしかなかった", 5000},
    {"今日もブームは武器を求め、冒険を続ける……", 5000},
    {"+++ The End +++", 4000},
}};

// The pause after the bare stage is shown, before the narration.
inline constexpr int kBareStagePauseMs = 1000;

// The hero's thanks at the end of the epilogue, said at code::ThanksBusy and followed by Pump;
// then code::ClosingNotes.
inline constexpr std::string_view kThanksForPlaying = "お疲れ様でした";

namespace ending_line {
// The payment, the king.
inline constexpr std::string_view kWithWagon = "馬車代と合わせて{amount}カリムじゃな";
inline constexpr std::string_view kForWeapons = "今回の武器代は{amount}カリムだ";
// The closing notes.
inline constexpr std::string_view kSaved = "引き続き楽しめるよう、データをセーブしましたので、";
inline constexpr std::string_view kEnjoy = "心ゆくまで、続きをお楽しみください";
inline constexpr std::string_view kClearFileMade = "なお、クリアファイルをフォルダ内に作成しましたので、";
inline constexpr std::string_view kHaveALook = "どうぞご覧下さい";
// Told in a message box when the ending could not keep what it writes.
inline constexpr std::string_view kSaveFailed = kSaveFailedLine;
inline constexpr std::string_view kReportFailed = "クリアファイルの作成に失敗したようだ…";
}  // namespace ending_line

}  // namespace tolmark::town
