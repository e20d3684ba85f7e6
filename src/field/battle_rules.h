// The arithmetic of a fight on the road: evasion, the hero's and the monster's blows, the
// reward of a victory, what a defeat costs, and running away. Each function rolls or applies
// one step of the exchange on the game state and hands back the next step code and the line
// the hero says; the step functions set the code, say the line and refresh the windows.
// (Throughout the road's rules: a function that hands back a next code leaves PendingAction to
// its caller; one that hands back none moves PendingAction itself where the step moves it.)
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "model/game_state.h"
#include "scene/outcome.h"

namespace tolmark {
class Random;
}

namespace tolmark::field {

// Damage meaning "the blow missed".
inline constexpr std::int32_t kMissed = -1;

// The evasion both blows use: (MonsterSpeed - Speed) \ 5, the fraction dropped towards zero,
// then held within 0..20. A faster monster dodges the hero more often and also misses him more
// often; a slower one never gets evasion above 0.
std::int32_t Evasion(std::int32_t monsterSpeed, std::int32_t heroSpeed);

// FighterAtack at AnnounceHeroBlow, the hero announces his blow. Reseeds, then draws the hit roll
// h = Int(Rnd × 31); on a hit (h + e < 30) c = Int(Rnd × 100); unless c is a strong blow
// (0, 20, 40, 60, 80) k = Int(Rnd × 2). Sets Damage (kMissed, or 0 and more) and HitRoll.
// Next LandHeroBlow; the line is "これでも食らえっ！" for a strong blow, else "攻撃だぁ！".
Outcome AnnounceHeroBlow(GameState& s, Random& random);

// FighterAtack at LandHeroBlow, the hero's blow lands. No random draw. Damage 1 or more comes
// off MonsterHP; the monster falls (next MonsterFalls) only below 0 HP, and fights on at
// exactly 0 (next AnnounceMonsterBlow).
Outcome LandHeroBlow(GameState& s);

// MonsterAtack at AnnounceMonsterBlow, the monster announces its blow; the damage is taken from HP
// at once (never below 0). Reseeds, then draws h = Int(Rnd × 31); on a hit (h + e <= 29) c =
// Int(Rnd × 100); a strong blow (c 10, 30, 50, 70, 90) of 0 or less draws t = Int(Rnd × 5) and,
// unless t is 0, the damage Int(Rnd × 5) + 1; any other c draws k = Int(Rnd × 2), and a plain blow
// of 0 or less draws t = Int(Rnd × 5): 0 no damage, 1 a strong blow with the factor 1.3 (0 or less
// again draws t and maybe the damage as above), 2 to 4 one point. Sets Damage and HitRoll. Next
// TellMonsterBlow.
Outcome AnnounceMonsterBlow(GameState& s, Random& random);

// MonsterAtack at TellMonsterBlow, the monster's blow is told. No random draw. Next
// HeroCollapses when the hero is left at 0 HP after a blow that did damage, else
// AnnounceHeroBlow; the step function refreshes the open windows when Damage is 1 or more.
Outcome TellMonsterBlow(const GameState& s);

// MonsterAtack at HeroCollapses: the hero collapses; automatic play ends. Next CountDefeat.
Outcome HeroCollapses(GameState& s);

// BattleEnd at MonsterFalls: the monster fell, one more win is counted. Next PayReward.
Outcome MonsterFalls(GameState& s);

// BattleEnd at PayReward, the reward, called while PendingAction is still PayReward (the shared
// reward rule tells a battle from a deal by that code). The demon's first form (picture 140) pays
// nothing and nothing is said (the step function refreshes the open windows when the walk resumes,
// next ResumeWalking). Otherwise experience and money are paid, which may raise a level (drawing
// what LevelUp draws); a level-up is announced next (TellLevelUp, LevelUpPending cleared), else the
// battle continues by BattleContinuation. The step function refreshes the open windows.
Outcome BattleReward(GameState& s, Random& random);

// BattleEnd at TellLevelUp: "レベルアップ！", then the battle continues.
Outcome AnnounceLevelUp(GameState& s);

// Where a won battle goes on: the battle of a traveller's event (talk::Opens) hands back to the
// event (TravellerTalks, talk::BeastBeaten); any other to the walk (ResumeWalking), which for a
// boss battle leads into the boss scene.
std::int32_t BattleContinuation(GameState& s);

// GameOver at CountDefeat: PendingAction DefeatCounted and one more defeat is counted; a hero with
// a hired wagon is shown on foot (HeroPicture 134; the step function redraws the landmark and the
// hero, then calls CarriageSelect, which sees DefeatCounted and fetches him).
void CountDefeat(GameState& s);

// What the defeat costs, done by CarriageSelect when it fetches the fainted hero: the bag is
// lost, Reputation is halved (\ 2), Gold drops to Int(Gold × 0.9).
void ApplyDefeatLosses(GameState& s);

// GameOver at RideHomeBeaten: the hero wakes with full HP, fainted; then the carriage ride home.
void RecoverFromDefeat(GameState& s);

// EscapeTurn at TryToEscape (the menu item 逃げる). Reseeds, draws f = Int(Rnd × 5): 3 fails
// ("回り込まれたか！", next AnnounceMonsterBlow: the monster strikes). Otherwise one more escape is
// counted, a fresh draw u costs 2 × (Int(u × (Level \ 2)) + 1) reputation (not below 0), and one
// more draw loses CLng(Int(Rnd × Gold × 0.03) + 1) カリム, no more than there is (nothing from an
// empty or indebted purse); BattleRoll keeps the loss. Next TellEscapeLoss.
Outcome TryToEscape(GameState& s, Random& random);

// EscapeTurn at TellEscapeLoss: the loss is told; CommandBusy cleared, an event battle abandoned
// (talk::Over). Next ResumeWalking. The step function refreshes the open windows.
Outcome TellEscapeLoss(GameState& s);

// Lines of the fight, said by the hero.
namespace battle_line {
inline constexpr std::string_view kAppears = "{monster}が現れた！";  // MonsterSelect
inline constexpr std::string_view kHeroAttacks = "攻撃だぁ！";
inline constexpr std::string_view kHeroStrongBlow = "これでも食らえっ！";
inline constexpr std::string_view kNoEffect = "{monster}は、効いてないようだ";
inline constexpr std::string_view kDodged = "ちっ、かわされた！！";
inline constexpr std::string_view kDamageDealt = "{monster}に{damage}のダメージ！";
inline constexpr std::string_view kMonsterAttacks = "{monster}の攻撃だ！";
inline constexpr std::string_view kMonsterStrongBlow = "やばいのが来るぞ！";
inline constexpr std::string_view kNoPain = "痛くないぞ！残りHP：{hp}";
inline constexpr std::string_view kSawItComing = "見切った！残りHP：{hp}";
inline constexpr std::string_view kHurt = "{damage}のダメージを受けた！残りHP：{hp}";
inline constexpr std::string_view kCollapse = "目の前が暗くなる………";
inline constexpr std::string_view kBeaten = "{monster}を倒した！";
inline constexpr std::string_view kReward = "{exp}の経験と{gold}カリムを手に入れた";
inline constexpr std::string_view kLevelUp = "レベルアップ！";
inline constexpr std::string_view kCutOff = "回り込まれたか！";
inline constexpr std::string_view kRunAway = "ここはひとまず逃げるとしよう";
inline constexpr std::string_view kDropped = "{amount}カリム落としたみたいだ。評判も減るだろうな…";
}  // namespace battle_line

}  // namespace tolmark::field
