// The words of the carpenter and the royal messenger, one table per conversation.
#include "shop/story_scripts.h"

#include <algorithm>

#include "scene/step_rows.h"
#include "shop/shop_codes.h"

namespace tolmark::shop {
namespace {

constexpr Speaker V = Speaker::Visitor;
constexpr Speaker H = Speaker::Hero;

// The plain lines of a conversation, numbered on from the greeting.
constexpr std::int32_t Said(std::int32_t line) { return code::VisitorGreets + line; }

// clang-format off
constexpr std::array<LineRow, 11> kErrand = {{
  {Said(0), V, "あんたがブームさんかい？", Said(1)},
  {Said(1), H, "そうだが、何か？", Said(2)},
  {Said(2), V, "初対面で申し訳ないのだが、頼みがあるんだ", Said(3)},
  {Said(3), V, "トーテム山にいる大工から、", Said(4)},
  {Said(4), V, "特製金鎚を貰ってきて欲しいんだ", Said(5)},
  {Said(5), H, "別に構わないが、どうして私なんだ？", Said(6)},
  {Said(6), V, "あんたは仕入で近くまで行くってきいてね…", Said(7)},
  {Said(7), H, "まぁ、確かに行くがな…", Said(8)},
  {Said(8), V, "そうそう！棟梁はガンコだから、", Said(9)},
  {Said(9), V, "評判を上げて行った方がいいぞ！", Said(10)},
  {Said(10), V, "じゃあ、頼んだぜ！", code::ErrandEnds},
}};

constexpr std::array<LineRow, 14> kHammerDelivered = {{
  {Said(0), V, "ブームさん、どうだったい？", Said(1)},
  {Said(1), H, "ちゃんと棟梁から受け取ってきたよ", Said(2)},
  {Said(2), V, "本当か？すまないなぁ…", Said(3)},
  {Said(3), V, "実は娘が病気で行けなかったんだ", Said(4)},
  {Said(4), H, "そうだったのか", Said(5)},
  {Said(5), V, "あんたのお陰で、俺も仕事ができるよ！", Said(6)},
  {Said(6), V, "店をでかくしたくなったら、", Said(7)},
  {Said(7), V, "俺に言ってくれよな", Said(8)},
  {Said(8), V, "この店なら、そうだな…。10万カリムで請け負うぜ！", Said(9)},
  {Said(9), H, "あはは、あんた商売上手だな", Said(10)},
  {Said(10), V, "そうそう、ここから東に行った所に、", Said(11)},
  {Said(11), V, "商業の街アーウットがあるんだが、", Said(12)},
  {Said(12), V, "そこも仕入に適してるかもしれないぜ", Said(13)},
  {Said(13), V, "じゃあ、帰るよ。金鎚ありがとな", code::HammerThanksEnds},
}};

// The price, the question and the night (TellEnlargementPrice to EnlargementAnswered,
// MerchantGoesToBed to TellNextEnlargement) are the step function's.
constexpr std::array<LineRow, 5> kEnlarge = {{
  {Said(0), V, "よぉ！儲かってるようだな", Said(1)},
  {Said(1), V, "どうだい、店を改装してみないか？", code::TellEnlargementPrice},
  {code::CarpenterStartsWork, V, "これからやるから、あんたは一日休んでくんな", Said(12)},
  {Said(12), H, "あぁ、頼むよ", code::MerchantGoesToBed},
  {code::CarpenterTakesLeave, V, "じゃあ、帰るよ。毎度あり～", code::EnlargementEnds},
}};

constexpr std::array<LineRow, 21> kRoyalOrder = {{
  {Said(0), V, "ここは武器屋だな？", Said(1)},
  {Said(1), H, "そうだが、何か？", Said(2)},
  {Said(2), V, "モノリス国王からの伝令を伝えに参った", Said(3)},
  {Said(3), V, "モンスター討伐の為、", Said(4)},
  {Said(4), V, "大量の武器をモノリス国に集めている", Said(5)},
  {Said(5), V, "よって、領内にある武器屋は、", Said(6)},
  {Said(6), V, "城まで武器を届けに来るように！", Said(7)},
  {Said(7), V, "との事だ。この店からは……", Said(8)},
  {Said(8), V, "睡魔の杖を50本", Said(9)},
  {Said(9), V, "ゲイボルグを50本", Said(10)},
  {Said(10), V, "セイントソードを50本", Said(11)},
  {Said(11), V, "疾風の弓を50具", Said(12)},
  {Said(12), V, "計4種150本50具を城まで届けてくれ", Said(13)},
  {Said(13), H, "それは随分大掛かりだな", Said(14)},
  {Said(14), V, "そうだな。馬車を使わないと、", Said(15)},
  {Said(15), V, "全てを城に届けるのは無理だろうな", Said(16)},
  {Said(16), V, "馬車は10万カリムで借りれたはずだ", Said(17)},
  {Said(17), V, "馬車代は経費として城で払うから安心してくれ", Said(18)},
  {Said(18), V, "あと、城付近では検閲をやっているから、", Said(19)},
  {Said(19), V, "評判だけは下げないようにな", Said(20)},
  {Said(20), V, "では、失礼する", code::RoyalOrderEnds},
}};

// HandOverHolyBeastWeapons is the step function's: the weapons are handed over or found missing.
constexpr std::array<LineRow, 6> kHolyBeast = {{
  {Said(0), V, "武器を受け取りに来たよ", Said(1)},
  {Said(1), H, "最強の剣か……。楽しみだな", Said(2)},
  {Said(2), V, "あぁ、出来たら持って来るから、", Said(3)},
  {Said(3), V, "楽しみにしていてくれ", Said(4)},
  {Said(4), H, "頼んだよ", code::HandOverHolyBeastWeapons},
  {code::AskForAllFive, V, "５種類集めたら、トーテム山まで知らせに来てくれよ", code::HolyBeastEnds},
}};

// SwordWellMade branches on the chapter and OpenTheDemonMountains opens chapter 4: both are the
// step function's.
constexpr std::array<LineRow, 7> kSwordForged = {{
  {Said(0), V, "ブームさん！出来たよ！！", Said(1)},
  {Said(1), H, "これが……最強の剣……", Said(2)},
  {Said(2), V, "あぁ、五輪の剣だ！", code::SwordWellMade},
  {code::TellOfTheDemons, V, "五聖獣が倒せるようなら、", Said(11)},
  {Said(11), V, "あの魔族ともやり合えるかも……", Said(12)},
  {Said(12), V, "デモンズ山脈に魔族がいるんだ", code::OpenTheDemonMountains},
  {code::SwordCarpenterLeaves, V, "じゃあ、帰るよ", code::TakeTheSword},
}};
// clang-format on

static_assert(SortedByCode(kErrand) && SortedByCode(kHammerDelivered) && SortedByCode(kEnlarge) &&
              SortedByCode(kRoyalOrder) && SortedByCode(kHolyBeast) &&
              SortedByCode(kSwordForged), "a conversation is sorted by step code");

}  // namespace

Lines StoryScriptFor(std::int32_t eventCode, std::int32_t storyState) {
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

std::int32_t StoryEndCode(std::int32_t eventCode, std::int32_t storyState) {
  switch (eventCode) {
    case 1:
      return storyState == 3 ? code::HammerThanksEnds : code::ErrandEnds;
    case 2:
      return code::EnlargementEnds;
    case 3:
      return code::RoyalOrderEnds;
    case 4:
      return code::HolyBeastEnds;
    case 5:
      return code::TakeTheSword;
    default:
      return code::Idle;
  }
}

}  // namespace tolmark::shop
