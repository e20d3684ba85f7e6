// The exchange of blows, victory, defeat and escape, drawing in the order the fight rolls.
#include "field/battle_rules.h"

#include <algorithm>
#include <string>

#include "field/field_codes.h"
#include "field/road_lines.h"
#include "model/language.h"
#include "model/numbers.h"
#include "model/progression.h"
#include "model/random.h"
#include "scene/small_windows.h"

namespace tolmark::field {
namespace {

// Int(Rnd × n): a whole number from 0 to n - 1.
std::int32_t Draw(Random& random, std::int32_t n) { return Int(random.Rnd() * n); }

// A blow misses when the hit roll and the evasion reach 30.
constexpr std::int32_t kHitRolls = 31;
constexpr std::int32_t kMissFrom = 30;

bool HeroStrongBlow(std::int32_t c) { return c % 20 == 0; }         // 0, 20, 40, 60, 80
bool MonsterStrongBlow(std::int32_t c) { return c % 20 == 10; }     // 10, 30, 50, 70, 90

std::string Num(std::int32_t n) { return std::to_string(n); }

// A monster's blow that came out at 0 or less still hurts four times in five: t = 0 spares the
// hero, otherwise 1 to 5 points.
std::int32_t GrazingBlow(Random& random) {
  if (Draw(random, 5) == 0) return 0;
  return CLng(Draw(random, 5) + 1);
}

// A strong blow of the monster with its factor; 0 or less becomes a grazing blow.
std::int32_t MonsterHeavyBlow(const GameState& s, double factor, Random& random) {
  const std::int32_t damage = CLng(s.MonsterAttack * factor - s.Defense);
  return damage > 0 ? damage : GrazingBlow(random);
}

void TakeFromHP(GameState& s, std::int32_t damage) { s.HP = std::max(SatSub(s.HP, damage), 0); }

}  // namespace

std::int32_t Evasion(std::int32_t monsterSpeed, std::int32_t heroSpeed) {
  const std::int64_t gap = static_cast<std::int64_t>(monsterSpeed) - heroSpeed;
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(gap / 5, 0, 20));
}

Outcome AnnounceHeroBlow(GameState& s, Random& random) {
  random.Reseed();
  const std::int32_t e = Evasion(s.MonsterSpeed, s.Speed);
  const std::int32_t h = Draw(random, kHitRolls);
  s.HitRoll = h;
  Outcome step = HeroSays(code::LandHeroBlow, std::string(battle_line::kHeroAttacks));
  if (h + e >= kMissFrom) {
    s.Damage = kMissed;
    return step;
  }
  const std::int32_t c = Draw(random, 100);
  s.BattleRoll = c;
  if (HeroStrongBlow(c)) {
    s.Damage = std::max(CLng(s.Attack * 1.5 - s.MonsterDefense), 0);
    step.line = battle_line::kHeroStrongBlow;
    return step;
  }
  const std::int32_t k = Draw(random, 2);
  const std::int64_t plain =
      static_cast<std::int64_t>(s.Attack) - s.MonsterDefense + (k == 0 ? 1 : -1);
  s.Damage = Saturate(std::max<std::int64_t>(plain, 0));
  return step;
}

Outcome LandHeroBlow(GameState& s) {
  if (s.Damage == 0) {
    return HeroSays(code::AnnounceMonsterBlow,
                    Fill(battle_line::kNoEffect, {{"monster", s.MonsterName}}));
  }
  if (s.Damage < 0) return HeroSays(code::AnnounceMonsterBlow, std::string(battle_line::kDodged));
  SubtractFrom(s.MonsterHP, s.Damage);
  // A monster left at exactly 0 HP still stands; only a blow below 0 fells it.
  const std::int32_t next = s.MonsterHP < 0 ? code::MonsterFalls : code::AnnounceMonsterBlow;
  return HeroSays(next, Fill(battle_line::kDamageDealt,
                             {{"monster", s.MonsterName}, {"damage", Num(s.Damage)}}));
}

Outcome AnnounceMonsterBlow(GameState& s, Random& random) {
  random.Reseed();
  const std::int32_t e = Evasion(s.MonsterSpeed, s.Speed);
  const std::int32_t h = Draw(random, kHitRolls);
  s.HitRoll = h;
  const std::string attacks = Fill(battle_line::kMonsterAttacks, {{"monster", s.MonsterName}});
  if (h + e > kMissFrom - 1) {
    s.Damage = kMissed;
    return HeroSays(code::TellMonsterBlow, attacks);
  }
  const std::int32_t c = Draw(random, 100);
  s.BattleRoll = c;
  if (MonsterStrongBlow(c)) {
    s.Damage = MonsterHeavyBlow(s, 1.5, random);
    TakeFromHP(s, s.Damage);
    return HeroSays(code::TellMonsterBlow, std::string(battle_line::kMonsterStrongBlow));
  }
  const std::int32_t k = Draw(random, 2);
  const std::int64_t plain =
      static_cast<std::int64_t>(s.MonsterAttack) - s.Defense + (k == 0 ? 1 : -1);
  if (plain >= 1) {
    s.Damage = Saturate(plain);
    TakeFromHP(s, s.Damage);
    return HeroSays(code::TellMonsterBlow, attacks);
  }
  // A blow that cannot get through the hero's guard: mostly a scratch, sometimes nothing,
  // and one time in five the monster puts its weight behind it.
  switch (Draw(random, 5)) {
    case 0:
      s.Damage = 0;
      return HeroSays(code::TellMonsterBlow, attacks);
    case 1:
      s.Damage = MonsterHeavyBlow(s, 1.3, random);
      TakeFromHP(s, s.Damage);
      return HeroSays(code::TellMonsterBlow, std::string(battle_line::kMonsterStrongBlow));
    default:
      s.Damage = 1;
      TakeFromHP(s, 1);
      return HeroSays(code::TellMonsterBlow, attacks);
  }
}

Outcome TellMonsterBlow(const GameState& s) {
  if (s.Damage == 0) {
    return HeroSays(code::AnnounceHeroBlow, Fill(battle_line::kNoPain, {{"hp", Num(s.HP)}}));
  }
  if (s.Damage < 0) {
    return HeroSays(code::AnnounceHeroBlow, Fill(battle_line::kSawItComing, {{"hp", Num(s.HP)}}));
  }
  const std::int32_t next = s.HP == 0 ? code::HeroCollapses : code::AnnounceHeroBlow;
  // HP went down when the blow was announced; the windows show it now.
  return HeroSays(next, Fill(battle_line::kHurt, {{"damage", Num(s.Damage)}, {"hp", Num(s.HP)}}),
                  kRefresh);
}

Outcome HeroCollapses(GameState& s) {
  s.AutoMode = kFalse;
  return HeroSays(code::CountDefeat, std::string(battle_line::kCollapse));
}

Outcome MonsterFalls(GameState& s) {
  AddCapped(s, 1, CappedKind::WinsCount);
  return HeroSays(code::PayReward, Fill(battle_line::kBeaten, {{"monster", s.MonsterName}}));
}

// The demon's first form only tests the merchant; it carries nothing.
constexpr std::int32_t kDemonFirstForm = 140;

Outcome BattleReward(GameState& s, Random& random) {
  Outcome step = HeroSays(code::PayReward, {});
  step.refreshWindows = true;
  if (s.VisitorPicture == kDemonFirstForm) {
    step.next = BattleContinuation(s);
    return step;
  }
  GainExperience(s, random);
  if (s.LevelUpPending == kTrue) {
    s.LevelUpPending = kFalse;
    step.next = code::TellLevelUp;
  } else {
    step.next = BattleContinuation(s);
  }
  step.line =
      Fill(battle_line::kReward, {{"exp", Num(s.MonsterExp)}, {"gold", Num(s.MonsterGold)}});
  return step;
}

Outcome AnnounceLevelUp(GameState& s) {
  return HeroSays(BattleContinuation(s), std::string(battle_line::kLevelUp));
}

std::int32_t BattleContinuation(GameState& s) {
  if (s.EventCode == talk::Opens) {
    s.EventCode = talk::BeastBeaten;
    return code::TravellerTalks;
  }
  return code::ResumeWalking;
}

void CountDefeat(GameState& s) {
  s.PendingAction = code::DefeatCounted;
  AddCapped(s, 1, CappedKind::DefeatsCount);
  if (s.WagonHired != kFalse) s.HeroPicture = 134;
}

void ApplyDefeatLosses(GameState& s) {
  s.BagPieces = 0;
  s.BagCount = 0;
  s.Reputation = IntDiv(s.Reputation, 2);
  s.Gold = Int(s.Gold * 0.9);
}

void RecoverFromDefeat(GameState& s) {
  s.HeroFainted = kTrue;
  s.HP = s.MaxHP;
}

Outcome TryToEscape(GameState& s, Random& random) {
  random.Reseed();
  if (Draw(random, 5) == 3) {
    return HeroSays(code::AnnounceMonsterBlow, std::string(battle_line::kCutOff));
  }
  AddCapped(s, 1, CappedKind::EscapesCount);
  const double u = random.Rnd();
  const std::int32_t shame = 2 * (Int(u * IntDiv(s.Level, 2)) + 1);
  s.Reputation = std::max(s.Reputation - shame, 0);
  const std::int32_t dropped = CLng(Int(random.Rnd() * s.Gold * 0.03) + 1);
  // What falls from the purse is never more than is in it, and an empty purse loses nothing.
  const std::int32_t loss = std::clamp(dropped, 0, std::max(s.Gold, 0));
  SubtractFrom(s.Gold, loss);
  s.BattleRoll = loss;
  return HeroSays(code::TellEscapeLoss, std::string(battle_line::kRunAway));
}

Outcome TellEscapeLoss(GameState& s) {
  s.CommandBusy = kFalse;
  s.EventCode = talk::Over;
  Outcome told =
      HeroSays(code::ResumeWalking, Fill(battle_line::kDropped, {{"amount", Num(s.BattleRoll)}}));
  told.then = RefreshOpenWindows;  // what fell from the purse shows once it is told
  return told;
}

}  // namespace tolmark::field
