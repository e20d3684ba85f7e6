// The words of the carpenter and the royal messenger, one table per conversation.
#include "shop/story_scripts.h"

#include <algorithm>

#include "scene/step_rows.h"

namespace tolmark::shop {
namespace {

constexpr StorySpeaker V = StorySpeaker::Visitor;
constexpr StorySpeaker H = StorySpeaker::Hero;

// clang-format off
constexpr std::array<StoryRow, 11> kErrand = {{
  {700, V, "あんたがブームさんかい？", 701},
  {701, H, "そうだが、何か？", 702},
  {702, V, "初対面で申し訳ないのだが、頼みがあるんだ", 703},
  {703, V, "トーテム山にいる大工から、", 704},
  {704, V, "特製金鎚を貰ってきて欲しいんだ", 705},
  {705, H, "別に構わないが、どうして私なんだ？", 706},
  {706, V, "あんたは仕入で近くまで行くってきいてね…", 707},
  {707, H, "まぁ、確かに行くがな…", 708},
  {708, V, "そうそう！棟梁はガンコだから、", 709},
  {709, V, "評判を上げて行った方がいいぞ！", 710},
  {710, V, "じゃあ、頼んだぜ！", 711},
}};

constexpr std::array<StoryRow, 14> kHammerDelivered = {{
  {700, V, "ブームさん、どうだったい？", 701},
  {701, H, "ちゃんと棟梁から受け取ってきたよ", 702},
  {702, V, "本当か？すまないなぁ…", 703},
  {703, V, "実は娘が病気で行けなかったんだ", 704},
  {704, H, "そうだったのか", 705},
  {705, V, "あんたのお陰で、俺も仕事ができるよ！", 706},
  {706, V, "店をでかくしたくなったら、", 707},
  {707, V, "俺に言ってくれよな", 708},
  {708, V, "この店なら、そうだな…。10万カリムで請け負うぜ！", 709},
  {709, H, "あはは、あんた商売上手だな", 710},
  {710, V, "そうそう、ここから東に行った所に、", 711},
  {711, V, "商業の街アーウットがあるんだが、", 712},
  {712, V, "そこも仕入に適してるかもしれないぜ", 713},
  {713, V, "じゃあ、帰るよ。金鎚ありがとな", 714},
}};

// 702 to 704 and 713 to 716 are the step function's: the price, the question, the night.
constexpr std::array<StoryRow, 5> kEnlarge = {{
  {700, V, "よぉ！儲かってるようだな", 701},
  {701, V, "どうだい、店を改装してみないか？", 702},
  {711, V, "これからやるから、あんたは一日休んでくんな", 712},
  {712, H, "あぁ、頼むよ", 713},
  {717, V, "じゃあ、帰るよ。毎度あり～", 718},
}};

constexpr std::array<StoryRow, 21> kRoyalOrder = {{
  {700, V, "ここは武器屋だな？", 701},
  {701, H, "そうだが、何か？", 702},
  {702, V, "モノリス国王からの伝令を伝えに参った", 703},
  {703, V, "モンスター討伐の為、", 704},
  {704, V, "大量の武器をモノリス国に集めている", 705},
  {705, V, "よって、領内にある武器屋は、", 706},
  {706, V, "城まで武器を届けに来るように！", 707},
  {707, V, "との事だ。この店からは……", 708},
  {708, V, "睡魔の杖を50本", 709},
  {709, V, "ゲイボルグを50本", 710},
  {710, V, "セイントソードを50本", 711},
  {711, V, "疾風の弓を50具", 712},
  {712, V, "計4種150本50具を城まで届けてくれ", 713},
  {713, H, "それは随分大掛かりだな", 714},
  {714, V, "そうだな。馬車を使わないと、", 715},
  {715, V, "全てを城に届けるのは無理だろうな", 716},
  {716, V, "馬車は10万カリムで借りれたはずだ", 717},
  {717, V, "馬車代は経費として城で払うから安心してくれ", 718},
  {718, V, "あと、城付近では検閲をやっているから、", 719},
  {719, V, "評判だけは下げないようにな", 720},
  {720, V, "では、失礼する", 721},
}};

// 705 is the step function's: the weapons are handed over or found missing.
constexpr std::array<StoryRow, 6> kHolyBeast = {{
  {700, V, "武器を受け取りに来たよ", 701},
  {701, H, "最強の剣か……。楽しみだな", 702},
  {702, V, "あぁ、出来たら持って来るから、", 703},
  {703, V, "楽しみにしていてくれ", 704},
  {704, H, "頼んだよ", 705},
  {706, V, "５種類集めたら、トーテム山まで知らせに来てくれよ", 707},
}};

// 703 branches on the chapter and 713 opens chapter 4: both are the step function's.
constexpr std::array<StoryRow, 7> kSwordForged = {{
  {700, V, "ブームさん！出来たよ！！", 701},
  {701, H, "これが……最強の剣……", 702},
  {702, V, "あぁ、五輪の剣だ！", 703},
  {710, V, "五聖獣が倒せるようなら、", 711},
  {711, V, "あの魔族ともやり合えるかも……", 712},
  {712, V, "デモンズ山脈に魔族がいるんだ", 713},
  {730, V, "じゃあ、帰るよ", 731},
}};
// clang-format on

static_assert(SortedByCode(kErrand) && SortedByCode(kHammerDelivered) && SortedByCode(kEnlarge) &&
              SortedByCode(kRoyalOrder) && SortedByCode(kHolyBeast) &&
              SortedByCode(kSwordForged), "a conversation is sorted by step code");

}  // namespace

StoryScript StoryScriptFor(std::int32_t eventCode, std::int32_t storyState) {
  switch (eventCode) {
    case 1:
      if (storyState == 1) return kErrand;
      if (storyState == 3) return kHammerDelivered;
      return {};
    case 2:
      return kEnlarge;
    case 3:
      return kRoyalOrder;
    case 4:
      return kHolyBeast;
    case 5:
      return kSwordForged;
    default:
      return {};
  }
}

const StoryRow* FindStoryRow(StoryScript script, std::int32_t code) {
  return FindByCode(script, code);
}

std::int32_t StoryEndCode(std::int32_t eventCode, std::int32_t storyState) {
  switch (eventCode) {
    case 1:
      return storyState == 3 ? 714 : 711;
    case 2:
      return 718;
    case 3:
      return 721;
    case 4:
      return 707;
    case 5:
      return 731;
    default:
      return 0;
  }
}

}  // namespace tolmark::shop
