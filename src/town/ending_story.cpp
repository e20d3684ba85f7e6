// The king's story, the narration and the closing notes.
#include "town/ending_story.h"

namespace tolmark::town {
namespace {

constexpr std::int32_t kPaymentRow = 700;

// clang-format off
constexpr std::array<TalkRow, 25> kStoryRows = {{
    {700, Speaker::Counter, "", 701},  // the payment: EndingRowLine
    {701, Speaker::Counter, "あんたの所はこれで最後か", 702},
    {702, Speaker::Hero,    "何でこんなに武器を集めてるんだ？", 703},
    {703, Speaker::Counter, "モンスターが攻めて来るって話でね", 704},
    {704, Speaker::Counter, "それで武器屋に頼んで武器を集めてたのじゃ", 705},
    {705, Speaker::Counter, "だが、武器は集まっても", 706},
    {706, Speaker::Counter, "戦士が集まらんでな……", 707},
    {707, Speaker::Counter, "やはり、ここらの戦士にはドラゴンは荷が重いか……", 708},
    {708, Speaker::Hero,    "ドラゴン？", 709},
    {709, Speaker::Counter, "そう、レッドドラゴンじゃ", 710},
    {710, Speaker::Hero,    "それなら、ここに来る時に倒したぞ", 711},
    {711, Speaker::Counter, "なんじゃとっ？！", 712},
    {712, Speaker::Counter, "赤い奴じゃぞ？", 713},
    {713, Speaker::Hero,    "あぁ、赤かった", 714},
    {714, Speaker::Counter, "な…なんと！", 715},
    {715, Speaker::Counter, "………………………", 716},
    {716, Speaker::Counter, "やったぞい！！", 717},
    {717, Speaker::Counter, "これでモンスターに怯えなくてすむ！", 718},
    {718, Speaker::Hero,    "しかし、何で狙われてたんだ？", 719},
    {719, Speaker::Counter, "それはじゃな………", 720},
    {720, Speaker::Counter, "ちょいとドラゴンの卵が食べたくなって", 721},
    {721, Speaker::Counter, "ちょちょっと盗んできたら、", 722},
    {722, Speaker::Counter, "あやつめ、怒りやがる。短気な奴じゃ", 723},
    {723, Speaker::Hero,    "……………………………", 724, 2000},
    {724, Speaker::Hero,    "あんたが悪い！！", kEpilogueStart},
}};

constexpr std::array<TalkRow, 4> kClosingRows = {{
    {730, Speaker::Hero, ending_line::kSaved,         731},
    {731, Speaker::Hero, ending_line::kEnjoy,         732},
    {732, Speaker::Hero, ending_line::kClearFileMade, 733},
    {733, Speaker::Hero, ending_line::kHaveALook,     kGameCloses},
}};
// clang-format on
static_assert(SortedByCode(kStoryRows) && SortedByCode(kClosingRows));

}  // namespace

TalkScript KingsStory() { return kStoryRows; }
TalkScript ClosingNotes() { return kClosingRows; }

std::string EndingRowLine(const TalkRow& row, const GameState& s) {
  if (row.code != kPaymentRow) return std::string(row.text);
  const std::string amount = std::to_string(s.DealAmount);
  if (s.WagonHired != kFalse) {
    return std::string(ending_line::kWithWagon) + amount + std::string(ending_line::kWithWagonAfter);
  }
  return std::string(ending_line::kForWeapons) + amount + std::string(ending_line::kForWeaponsAfter);
}

}  // namespace tolmark::town
