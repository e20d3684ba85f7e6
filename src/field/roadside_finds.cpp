// Finds by the roadside and the priest's healing, drawing in the order the road rolls.
#include "field/roadside_finds.h"

#include <array>

#include "field/field_codes.h"
#include "field/road_bag.h"
#include "field/road_lines.h"
#include "model/inventory.h"
#include "model/language.h"
#include "model/numbers.h"
#include "model/progression.h"
#include "model/random.h"
#include "model/weapons.h"

namespace tolmark::field {
namespace {

// Int(Rnd × n): a whole number from 0 to n - 1.
std::int32_t Draw(Random& random, std::int32_t n) { return Int(random.Rnd() * n); }

std::string Num(std::int32_t n) { return std::to_string(n); }

// What r = Int(Rnd × 101) brings.
constexpr std::int32_t kFindRolls = 101;
constexpr std::int32_t kLastOrdinaryRoll = 50;
constexpr std::int32_t kLastMoneyRoll = 60;

enum class Effect : std::uint8_t { None, Meat, Fall, Trap };

// The ten little happenings, by t = Int(Rnd × 10): the hero's first line, what happens, and the
// code of the second line (40 when there is none).
struct Happening {
  std::string_view line;
  Effect effect;
  std::int32_t next;
};

// clang-format off
constexpr std::array<Happening, 10> kHappenings = {{
  {"なんだ、タダの石ころか……", Effect::None, code::ResumeWalking},
  {"美味そうな肉だな。食って体力回復だぁ！", Effect::Meat, code::AteMeat},
  {"糞だ！うげぇ！！臭すぎる……", Effect::None, code::ResumeWalking},
  {"痛たたた……", Effect::Fall, code::Fell},
  {"と、急に言ってみたり…。つまらんな", Effect::None, code::ResumeWalking},
  {"罠だ！……サイフがぁ！", Effect::Trap, code::SprungTrap},
  {"これはこれは、いつもお世話になっております", Effect::None, code::PractisedGreeting},
  {"そう言ったら何か出てくるといいんだけどな、はぁ…", Effect::None, code::ResumeWalking},
  {"綺麗な色した石だ。まぁ、所詮タダの石だが…", Effect::None, code::ResumeWalking},
  {"うおーーーーーーーー！", Effect::None, code::Shouted},
}};
// clang-format on

// The marks a happening leaves until the next click.
constexpr std::int32_t kFullStomach = -1;
constexpr std::int32_t kEmptyPurse = -1;

// The meat: a full stomach at full HP, otherwise a bite that heals at least 1 and never past
// the maximum; BattleRoll keeps what it really healed.
void EatMeat(GameState& s, Random& random) {
  if (s.HP == s.MaxHP) {
    s.HP = kFullStomach;
    return;
  }
  std::int32_t g = Draw(random, IntDiv(s.MaxHP, 2));
  if (g == 0) g = 1;
  if (std::int64_t{s.HP} + g > s.MaxHP) {
    g = s.MaxHP - s.HP;
    s.HP = s.MaxHP;
  } else {
    AddTo(s.HP, g);
  }
  s.BattleRoll = g;
}

// A fall never takes the last HP: at 1 HP nothing is drawn and nothing lost.
void Fall(GameState& s, Random& random) {
  if (s.HP == 1) return;
  std::int32_t g = Draw(random, IntDiv(s.HP, 10));
  if (g == 0) g = 1;
  SubtractFrom(s.HP, g);
  s.BattleRoll = g;
}

// The trap takes a twentieth of the purse or so, never more than there is; a purse that is
// empty afterwards is marked.
void Trap(GameState& s, Random& random) {
  if (s.Gold > 0) {
    std::int32_t g = CLng(Int(random.Rnd() * s.Gold * 0.05) + 1);
    if (s.Gold - g <= 0) g = s.Gold;
    SubtractFrom(s.Gold, g);
    s.BattleRoll = g;
  }
  if (s.Gold <= 0) s.Gold = kEmptyPurse;
}

std::string NameOf(const GameState& s, std::int32_t weapon) {
  return std::string(WeaponNameOf(s, weapon));
}

Outcome RareWeapon(GameState& s, Random& random) {
  const std::int32_t w = DrawFind(RareFinds(s.Destination), random);
  s.BattleRoll = w;
  if (BagIsFull(s))
    return HeroSays(code::ResumeWalking, Fill(find_line::kRareNoRoom, {{"weapon", NameOf(s, w)}}));
  // A rare weapon is never found twice while one is carried or stocked.
  if (Carried(s, w)) return LittleHappening(s, random);
  PutInBag(s, w);
  return HeroSays(code::ResumeWalking, Fill(find_line::kRare, {{"weapon", NameOf(s, w)}}),
                  kRefresh);
}

Outcome OrdinaryWeapon(GameState& s, Random& random) {
  const std::int32_t w = DrawFind(OrdinaryFinds(s.Destination), random);
  s.BattleRoll = w;
  if (BagIsFull(s))
    return HeroSays(code::ResumeWalking,
                    Fill(find_line::kOrdinaryNoRoom, {{"weapon", NameOf(s, w)}}));
  PutInBag(s, w);
  return HeroSays(code::ResumeWalking, Fill(find_line::kOrdinary, {{"weapon", NameOf(s, w)}}),
                  kRefresh);
}

Outcome Money(GameState& s, Random& random) {
  const double u = random.Rnd();
  const std::int32_t a = CLng(static_cast<double>(Int(u * MoneyScale(s.Destination))) * s.Level);
  s.BattleRoll = a;
  AddCapped(s, a, CappedKind::Gold);
  return HeroSays(code::ResumeWalking, Fill(find_line::kMoney, {{"amount", Num(a)}}), kRefresh);
}

}  // namespace

FindRange OrdinaryFinds(std::int32_t destination) { return RoadTo(destination).ordinaryFinds; }

FindRange RareFinds(std::int32_t destination) { return RoadTo(destination).rareFinds; }

std::int32_t DrawFind(FindRange range, Random& random) {
  std::int32_t w = 0;
  do {
    w = Draw(random, range.last + 1);
  } while (w < range.first);
  return w;
}

std::int32_t MoneyScale(std::int32_t destination) { return RoadTo(destination).moneyScale; }

void BeginFind(GameState& s) {
  s.EventActive = kTrue;
  s.PendingAction = code::LookAtFind;
}

Outcome WhatLiesByTheRoad(GameState& s, Random& random) {
  random.Reseed();
  const std::int32_t r = Draw(random, kFindRolls);
  s.HitRoll = r;
  if (r == 0) return RareWeapon(s, random);
  if (r <= kLastOrdinaryRoll) return OrdinaryWeapon(s, random);
  if (r <= kLastMoneyRoll) return Money(s, random);
  return LittleHappening(s, random);
}

Outcome LittleHappening(GameState& s, Random& random) {
  const Happening& h = kHappenings[static_cast<std::size_t>(Draw(random, 10))];
  switch (h.effect) {
    case Effect::Meat: EatMeat(s, random); break;
    case Effect::Fall: Fall(s, random); break;
    case Effect::Trap: Trap(s, random); break;
    case Effect::None: break;
  }
  return HeroSays(h.next, std::string(h.line));
}

Outcome SecondLine(GameState& s) {
  const std::string g = Num(s.BattleRoll);
  switch (s.PendingAction) {
    case code::AteMeat:
      if (s.HP == kFullStomach) {
        s.HP = Int(s.MaxHP * 0.9);
        return HeroSays(code::ResumeWalking, Fill(find_line::kOvereaten, {{"hp", Num(s.HP)}}),
                        kRefresh);
      }
      return HeroSays(code::ResumeWalking,
                      Fill(find_line::kTasty, {{"amount", g}, {"hp", Num(s.HP)}}), kRefresh);
    case code::Fell:
      if (s.HP == 1) return HeroSays(code::ResumeWalking, std::string(find_line::kSillyStone));
      return HeroSays(code::ResumeWalking,
                      Fill(find_line::kFell, {{"amount", g}, {"hp", Num(s.HP)}}), kRefresh);
    case code::SprungTrap:
      if (s.Gold == kEmptyPurse) {
        s.Gold = 0;
        return HeroSays(code::ResumeWalking, std::string(find_line::kPurseWasEmpty));
      }
      return HeroSays(code::ResumeWalking, Fill(find_line::kDropped, {{"amount", g}}), kRefresh);
    case code::PractisedGreeting:
      return HeroSays(code::ResumeWalking, std::string(find_line::kGreetingPractice));
    case code::Shouted:
      return HeroSays(code::ResumeWalking, std::string(find_line::kShoutingIsGood));
    default: return {};
  }
}

void SettleFindMarks(GameState& s) {
  if (s.HP == kFullStomach) s.HP = Int(s.MaxHP * 0.9);
  if (s.Gold == kEmptyPurse) s.Gold = 0;
}

void BeginPriestVisit(GameState& s) {
  s.EventActive = kTrue;
  s.PendingAction = code::PriestGreets;
  s.FieldStop = kTrue;
  s.VisitorPicture = kPriestPicture;
  s.VisitorFrames = 3;
}

Outcome PriestStep(GameState& s) {
  switch (s.PendingAction) {
    case code::PriestGreets:
      if (s.HP < s.MaxHP) return VisitorSays(code::PriestPrays, std::string(priest_line::kHurt));
      return VisitorSays(code::ResumeWalking, std::string(priest_line::kBlessing));
    case code::PriestPrays:
      return VisitorSays(code::PriestHeals, std::string(priest_line::kPrayer));
    case code::PriestHeals:
      s.HP = s.MaxHP;
      return HeroSays(code::PriestBlesses, std::string(priest_line::kThanks));
    case code::PriestBlesses:
      return VisitorSays(code::ResumeWalking, std::string(priest_line::kBlessing), kRefresh);
    default: return {};
  }
}

}  // namespace tolmark::field
