// The story visitors' conversations as tables of line rows: step code, speaker, line, next code.
// Codes that do more than talk (a question, a branch, the enlargement night, handing over
// weapons, the end of the visit) are not rows: the event's step function performs them.
#pragma once

#include <cstdint>
#include <string_view>

#include "scene/lines.h"

namespace tolmark::shop {

// The conversation of a story visit: event 1 (with StoryState 1 the errand, with 3 the hammer
// delivered), 2 enlarging the shop, 3 the royal order, 4 collecting the holy-beast weapons,
// 5 the strongest sword. Empty for anything else.
Lines StoryScriptFor(std::int32_t eventCode, std::int32_t storyState);

// The code at which each conversation ends its visit.
std::int32_t StoryEndCode(std::int32_t eventCode, std::int32_t storyState);

// Lines said at the codes that do more than talk.
namespace story_line {
// {amount}: the price of the works, with thousands separators.
inline constexpr std::string_view kEnlargeCost = "{amount}カリムかかるが、どうする？";
inline constexpr std::string_view kEnlargeYes = "お！そうか？！じゃあ、善は急げだ";
inline constexpr std::string_view kEnlargeNo = "そうかい？じゃあ、また来るよ";
inline constexpr std::string_view kGoToBed = "今日は、もう寝るとするか…";
inline constexpr std::string_view kNightPassed = "―――そして夜が明けた";
inline constexpr std::string_view kItIsDone = "ブームさん、出来たぜ！";
inline constexpr std::string_view kMoreRoom = "店における商品の個数が増えた！";
inline constexpr std::string_view kNextPrice = "次は100万カリムで請け負うぜ！";
inline constexpr std::string_view kNoBigger = "もうこれ以上は大きく出来ないようだな";
inline constexpr std::string_view kGoodWork = "いい仕事をさせてもらったよ";
inline constexpr std::string_view kTryTheDemons = "力試しに入ってみたらどうだ？";
inline constexpr std::string_view kWeaponsMissing = "武器が足りないじゃないか！";
// {weapon}: the sword the stock has fifty of already.
inline constexpr std::string_view kTooMany =
    "{weapon}は、これ以上要らないな。残念だが捨ててしまおう…";
}  // namespace story_line

}  // namespace tolmark::shop
