// The king's story, the narration and the closing notes.
#include "town/ending_story.h"

#include "model/language.h"
#include "town/town_codes.h"

namespace tolmark::town {
namespace {

// The story's lines, one a click: the payment, then the king and the hero talk.
constexpr std::int32_t Story(std::int32_t line) { return code::KingsStoryLine(line); }
constexpr std::int32_t Note(std::int32_t note) { return code::ClosingNote(note); }

// clang-format off
constexpr std::array<LineRow, 25> kStoryRows = {{
    {code::KingPaysInFull, Speaker::Visitor, "", Story(1)},  // the payment: EndingRowLine
    {Story(1),  Speaker::Visitor, "あんたの所はこれで最後か", Story(2)},
    {Story(2),  Speaker::Hero,    "何でこんなに武器を集めてるんだ？", Story(3)},
    {Story(3),  Speaker::Visitor, "モンスターが攻めて来るって話でね", Story(4)},
    {Story(4),  Speaker::Visitor, "それで武器屋に頼んで武器を集めてたのじゃ", Story(5)},
    {Story(5),  Speaker::Visitor, "だが、武器は集まっても", Story(6)},
    {Story(6),  Speaker::Visitor, "戦士が集まらんでな……", Story(7)},
    {Story(7),  Speaker::Visitor, "やはり、ここらの戦士にはドラゴンは荷が重いか……", Story(8)},
    {Story(8),  Speaker::Hero,    "ドラゴン？", Story(9)},
    {Story(9),  Speaker::Visitor, "そう、レッドドラゴンじゃ", Story(10)},
    {Story(10), Speaker::Hero,    "それなら、ここに来る時に倒したぞ", Story(11)},
    {Story(11), Speaker::Visitor, "なんじゃとっ？！", Story(12)},
    {Story(12), Speaker::Visitor, "赤い奴じゃぞ？", Story(13)},
    {Story(13), Speaker::Hero,    "あぁ、赤かった", Story(14)},
    {Story(14), Speaker::Visitor, "な…なんと！", Story(15)},
    {Story(15), Speaker::Visitor, "………………………", Story(16)},
    {Story(16), Speaker::Visitor, "やったぞい！！", Story(17)},
    {Story(17), Speaker::Visitor, "これでモンスターに怯えなくてすむ！", Story(18)},
    {Story(18), Speaker::Hero,    "しかし、何で狙われてたんだ？", Story(19)},
    {Story(19), Speaker::Visitor, "それはじゃな………", Story(20)},
    {Story(20), Speaker::Visitor, "ちょいとドラゴンの卵が食べたくなって", Story(21)},
    {Story(21), Speaker::Visitor, "ちょちょっと盗んできたら、", Story(22)},
    {Story(22), Speaker::Visitor, "あやつめ、怒りやがる。短気な奴じゃ", Story(23)},
    {Story(23), Speaker::Hero,    "……………………………", Story(24), 2000},
    {Story(24), Speaker::Hero,    "あんたが悪い！！", code::Epilogue},
}};

constexpr std::array<LineRow, 4> kClosingRows = {{
    {Note(0), Speaker::Hero, ending_line::kSaved,         Note(1)},
    {Note(1), Speaker::Hero, ending_line::kEnjoy,         Note(2)},
    {Note(2), Speaker::Hero, ending_line::kClearFileMade, Note(3)},
    {Note(3), Speaker::Hero, ending_line::kHaveALook,     code::GameCloses},
}};
// clang-format on
static_assert(SortedByCode(kStoryRows) && SortedByCode(kClosingRows));
static_assert(kStoryRows.back().code == code::KingsStoryLast);

}  // namespace

Lines KingsStory() { return kStoryRows; }
Lines ClosingNotes() { return kClosingRows; }

std::string EndingRowLine(const LineRow& row, const GameState& s) {
  if (row.code != code::KingPaysInFull) return std::string(row.text);
  const std::string amount = std::to_string(s.DealAmount);
  const std::string_view pattern =
      s.WagonHired != kFalse ? ending_line::kWithWagon : ending_line::kForWeapons;
  return Fill(pattern, {{"amount", amount}});
}

}  // namespace tolmark::town
