// The words of the bosses, the 棟梁 and the merchant at the ends of the roads.
#include "field/boss_scripts.h"

#include <algorithm>
#include <array>

#include "field/carriage_rules.h"
#include "model/inventory.h"

#include "scene/step_rows.h"

namespace tolmark::field {
namespace {

constexpr Speaker V = Speaker::Visitor;
constexpr Speaker H = Speaker::Hero;

// The orc's scene. 503 fights, 510 fells the orc, 511 brings the 棟梁, 515 is the hammer test,
// 516 hands the hammer over, 518 calls the carriage and 591 rides: the step function's.
// clang-format off
constexpr std::array<BossRow, 7> kTotemOrc = {{
  {500, V, "が現れた！", 501, true},
  {501, V, "また食われるために人間が来たか", 502},
  {502, V, "不味そうだが仕方ない、我慢するか", 503},
  {512, V, "オークが暴れてたせいで、仕事が出来なかったんじゃ", 513},
  {513, H, "そうなのか。それより……", 514},
  {514, H, "あんたが棟梁なら、特製金鎚が欲しいんだが", 515},
  {517, H, "さて、帰るとするか…", 518},
}};

// The hammer still owed (StoryState 2): 500 brings the 棟梁 at once, 501 is the hammer test,
// 505 calls the carriage; from 510 on the orc's tail.
constexpr std::array<BossRow, 7> kTotemHammerOwed = {{
  {502, V, "ホイホイと他人に渡すわけにはいかないんだ", 503},
  {503, V, "あんたが名の売れた武器商人ならいいんだけどな…", 504},
  {504, H, "仕方ない、帰るとするか…", 505},
  {512, V, "オークが暴れてたせいで、仕事が出来なかったんじゃ", 513},
  {513, H, "そうなのか。それより……", 514},
  {514, H, "あんたが棟梁なら、特製金鎚が欲しいんだが", 515},
  {517, H, "さて、帰るとするか…", 518},
}};

// The later chapters: 500 brings the 棟梁, 501 asks after the five weapons, 590 and 591 the
// carriage home.
constexpr std::array<BossRow, 8> kTotemLater = {{
  {510, V, "ある武器を合わせると、最強の剣が出来るらしい", 511},
  {511, V, "一度でいいからそんな武器を作ってみたい物だな", 595},
  {540, V, "五聖獣の持っていた武器があれば、", 541},
  {541, V, "最強の剣が作れるんだ！", 542},
  {542, V, "ぜひ、俺にそれを打たせてくれないか？", 543},
  {543, H, "あぁ、よろしく頼むよ", 544},
  {544, V, "じゃあ、後で取りに行くから用意しといてくれ", 595},
  {595, H, "さて、そろそろ帰るか", 590},
}};

// The castle road: 503 fights, 510 fells the dragon, 511 opens the gate.
constexpr std::array<BossRow, 3> kCastleRoad = {{
  {500, V, "が現れた！", 501, true},
  {501, V, "武器屋か…。その武器を城に持って行くつもりだな？", 502},
  {502, V, "その前にわしが食ってやる！", 503},
}};

// デモンズ山脈: 503 and 514 fight, 510 and 520 fell the two forms, 513 brings the true form,
// 525 clears the field, 527 and 529 are the cursed sword, 590 and 591 the carriage home.
constexpr std::array<BossRow, 11> kDemons = {{
  {500, V, "が現れた！", 501, true},
  {501, V, "フッフッフ。とうとうここまで来たか", 502},
  {502, V, "私を楽しませてくれ", 503},
  {511, V, "ならば、本来の姿で闘ってやろう", 512},
  {512, V, "どこまで楽しませてくれるかな？", 513},
  {521, V, "な……何が起きた…？！", 522},
  {522, V, "そんな、まさか……", 523},
  {523, V, "人間ごときに私がやられるなんて……", 524},
  {524, V, "ぐあぁぁぁ！！", 525},
  {526, H, "ん……？なんだコレは？", 527},
  {528, H, "さすが魔剣だ。触ると取り込まれそうだからやめておこう", 529},
}};
// clang-format on

static_assert(SortedByCode(kTotemOrc) && SortedByCode(kTotemHammerOwed) &&
              SortedByCode(kTotemLater) && SortedByCode(kCastleRoad) && SortedByCode(kDemons),
              "a boss scene is sorted by step code");

// The orc beaten on an earlier trip, the hammer not yet given.
constexpr std::int32_t kHammerOwed = 2;

}  // namespace

BossScript BossScriptFor(std::int32_t destination, std::int32_t chapter,
                         std::int32_t storyState) {
  switch (destination) {
    case 1:
      if (chapter >= 2) return kTotemLater;
      return storyState == kHammerOwed ? BossScript(kTotemHammerOwed) : BossScript(kTotemOrc);
    case 3:
      return kCastleRoad;
    case 4:
      return kDemons;
    default:
      return {};
  }
}

const BossRow* FindBossRow(BossScript script, std::int32_t code) {
  return FindByCode(script, code);
}

std::string BossRowLine(const BossRow& row, const GameState& s) {
  return row.afterName ? s.MonsterName + std::string(row.text) : std::string(row.text);
}

BossTalk HammerTest(const GameState& s) {
  if (s.Reputation < kHammerReputation) return {V, std::string(boss_line::kHammerKept), 502};
  return {V, std::string(boss_line::kHammerGiven), 516};
}

BossTalk ReceiveHammer(GameState& s) {
  s.StoryState = 3;
  return {H, std::string(boss_line::kGotHammer), 517};
}

BossTalk TalkOfTheFiveWeapons(GameState& s) {
  if (ElementalSetOwned(s) == kTrue) {
    s.StoryState = 7;
    return {V, std::string(boss_line::kHeardOfTheFive), 540};
  }
  return {V, std::string(boss_line::kHeardARumour), 510};
}

BossTalk FindCursedSword(GameState& s) {
  s.SpecialItem = kCursedSword;
  return {H, s.Catalogue[kCursedSword].Name + std::string(boss_line::kSwordNameSuffix), 528};
}

BossTalk LeaveCursedSword(GameState& s) {
  if (s.SpecialItem >= 0 && s.SpecialItem < kWeaponCount) {
    s.Collected[static_cast<std::size_t>(s.SpecialItem)] = kTrue;
  }
  return {H, std::string(boss_line::kLetsGoHome), 590};
}

void BossRideHome(GameState& s) {
  s.PendingAction = 590;
  SetBossRideFare(s);
  PayBossRideFare(s);
}

}  // namespace tolmark::field
