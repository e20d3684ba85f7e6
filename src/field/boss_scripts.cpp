// The words of the bosses, the 棟梁 and the merchant at the ends of the roads.
#include "field/boss_scripts.h"

#include <algorithm>
#include <array>

#include "field/carriage_rules.h"
#include "field/field_codes.h"
#include "field/roads.h"
#include "model/inventory.h"
#include "model/language.h"
#include "scene/step_rows.h"

namespace tolmark::field {
namespace {

constexpr Speaker V = Speaker::Visitor;
constexpr Speaker H = Speaker::Hero;

// The scripts read their codes by name; the names stay inside, clear of the step functions'.
namespace script {
using namespace code;
using namespace code::totem;
using namespace code::demons;

// clang-format off
// From the 棟梁's thanks on, both of トーテム山's first scenes go the same way: the hammer test,
// the hammer and the carriage home.
constexpr std::array<LineRow, 4> kOrcTail = {{
  {CarpenterThanks, V, "オークが暴れてたせいで、仕事が出来なかったんじゃ", BossSaid(13)},
  {BossSaid(13),    H, "そうなのか。それより……", BossSaid(14)},
  {BossSaid(14),    H, "あんたが棟梁なら、特製金鎚が欲しいんだが", TestForHammer},
  {HammerReceived,  H, "さて、帰るとするか…", RideHomeWithHammer},
}};

// The orc's scene: it appears and fights; once it falls the 棟梁 comes (the step function's),
// and its tail follows.
constexpr auto kTotemOrc = Joined(std::array<LineRow, 3>{{
  {BossAppears,     V, "{monster}が現れた！", BossSaid(1)},
  {BossSaid(1),     V, "また食われるために人間が来たか", BossSaid(2)},
  {BossSaid(2),     V, "不味そうだが仕方ない、我慢するか", BossFights},
}}, kOrcTail);

// The hammer still owed (StoryState 2): the 棟梁 comes at once and tests the merchant; kept
// from him, the merchant goes home; from the 棟梁's thanks on, the orc's tail.
constexpr auto kTotemHammerOwed = Joined(std::array<LineRow, 3>{{
  {HammerKept,      V, "ホイホイと他人に渡すわけにはいかないんだ", BossSaid(3)},
  {BossSaid(3),     V, "あんたが名の売れた武器商人ならいいんだけどな…", BossSaid(4)},
  {BossSaid(4),     H, "仕方ない、帰るとするか…", RideHomeEmptyHanded},
}}, kOrcTail);

// The later chapters: the 棟梁 comes, asks after the five weapons, and the carriage takes the
// merchant home.
constexpr std::array<LineRow, 8> kTotemLater = {{
  {TellOfTheSword,     V, "ある武器を合わせると、最強の剣が出来るらしい", BossSaid(11)},
  {BossSaid(11),       V, "一度でいいからそんな武器を作ってみたい物だな", TimeToGoHome},
  {FiveWeaponsHeardOf, V, "五聖獣の持っていた武器があれば、", BossSaid(41)},
  {BossSaid(41),       V, "最強の剣が作れるんだ！", BossSaid(42)},
  {BossSaid(42),       V, "ぜひ、俺にそれを打たせてくれないか？", BossSaid(43)},
  {BossSaid(43),       H, "あぁ、よろしく頼むよ", BossSaid(44)},
  {BossSaid(44),       V, "じゃあ、後で取りに行くから用意しといてくれ", TimeToGoHome},
  {TimeToGoHome,       H, "さて、そろそろ帰るか", OfferBossRide},
}};

// The castle road: the dragon appears and fights; its fall opens the gate.
constexpr std::array<LineRow, 3> kCastleRoad = {{
  {BossAppears, V, "{monster}が現れた！", BossSaid(1)},
  {BossSaid(1), V, "武器屋か…。その武器を城に持って行くつもりだな？", BossSaid(2)},
  {BossSaid(2), V, "その前にわしが食ってやる！", BossFights},
}};

// デモンズ山脈: ガイル fights, staggers and comes back in his true form; its fall clears the
// field, and the cursed sword is found and left before the carriage home.
constexpr std::array<LineRow, 11> kDemons = {{
  {BossAppears,   V, "{monster}が現れた！", BossSaid(1)},
  {BossSaid(1),   V, "フッフッフ。とうとうここまで来たか", BossSaid(2)},
  {BossSaid(2),   V, "私を楽しませてくれ", BossFights},
  {GaleStaggers,  V, "ならば、本来の姿で闘ってやろう", BossSaid(12)},
  {BossSaid(12),  V, "どこまで楽しませてくれるかな？", TrueFormComes},
  {GaleFallen,    V, "な……何が起きた…？！", BossSaid(22)},
  {BossSaid(22),  V, "そんな、まさか……", BossSaid(23)},
  {BossSaid(23),  V, "人間ごときに私がやられるなんて……", BossSaid(24)},
  {BossSaid(24),  V, "ぐあぁぁぁ！！", GaleVanishes},
  {SomethingLies, H, "ん……？なんだコレは？", code::demons::FindCursedSword},
  {SwordNamed,    H, "さすが魔剣だ。触ると取り込まれそうだからやめておこう", code::demons::LeaveCursedSword},
}};
// clang-format on

}  // namespace script

using script::kCastleRoad;
using script::kDemons;
using script::kTotemHammerOwed;
using script::kTotemLater;
using script::kTotemOrc;

static_assert(SortedByCode(kTotemOrc) && SortedByCode(kTotemHammerOwed) &&
              SortedByCode(kTotemLater) && SortedByCode(kCastleRoad) && SortedByCode(kDemons),
              "a boss scene is sorted by step code");

// The orc beaten on an earlier trip, the hammer not yet given.
constexpr std::int32_t kHammerOwed = 2;

}  // namespace

BossScript BossScriptFor(std::int32_t destination, std::int32_t chapter,
                         std::int32_t storyState) {
  switch (RoadTo(destination).boss) {
    case BossScene::Totem:
      if (chapter >= 2) return kTotemLater;
      return storyState == kHammerOwed ? BossScript(kTotemHammerOwed) : BossScript(kTotemOrc);
    case BossScene::CastleRoad: return kCastleRoad;
    case BossScene::Demons: return kDemons;
    case BossScene::None: return {};
  }
  return {};
}

std::optional<Outcome> BossLine(BossScript script, const GameState& s) {
  const LineRow* row = FindLine(script, s.PendingAction);
  if (row == nullptr) return std::nullopt;
  if (row->code == code::BossAppears) {
    return Says(*row, Fill(row->text, {{"monster", s.MonsterName}}));
  }
  return Says(*row);
}

Outcome HammerTest(const GameState& s) {
  if (s.Reputation < kHammerReputation) {
    return Says(Speaker::Visitor, std::string(boss_line::kHammerKept), code::totem::HammerKept);
  }
  return Says(Speaker::Visitor, std::string(boss_line::kHammerGiven), code::totem::ReceiveHammer);
}

Outcome ReceiveHammer(GameState& s) {
  s.StoryState = 3;
  return Says(Speaker::Hero, std::string(boss_line::kGotHammer), code::totem::HammerReceived);
}

Outcome TalkOfTheFiveWeapons(GameState& s) {
  if (ElementalSetOwned(s) == kTrue) {
    s.StoryState = 7;
    return Says(Speaker::Visitor, std::string(boss_line::kHeardOfTheFive), code::totem::FiveWeaponsHeardOf);
  }
  return Says(Speaker::Visitor, std::string(boss_line::kHeardARumour), code::totem::TellOfTheSword);
}

Outcome FindCursedSword(GameState& s) {
  s.SpecialItem = kCursedSword;
  return Says(Speaker::Hero,
              Fill(boss_line::kSwordNamed, {{"weapon", s.Catalogue[kCursedSword].Name}}),
              code::demons::SwordNamed);
}

Outcome LeaveCursedSword(GameState& s) {
  if (s.SpecialItem >= 0 && s.SpecialItem < kWeaponCount) {
    s.Collected[static_cast<std::size_t>(s.SpecialItem)] = kTrue;
  }
  return Says(Speaker::Hero, std::string(boss_line::kLetsGoHome), code::OfferBossRide);
}

void BossRideHome(GameState& s) {
  s.PendingAction = code::OfferBossRide;
  SetBossRideFare(s);
  PayBossRideFare(s);
}

}  // namespace tolmark::field
