// The boss scenes as tables of plain talk keyed by step code (BossTurn, PendingAction
// 500..599): the orc and the 棟梁 at トーテム山 (the first meeting, the hammer still owed, and
// the later chapters), the dragon on the castle road, and ガイル at デモンズ山脈 with the cursed
// sword. Codes that do more than talk (a fight, a boss's fall, the 棟梁 stepping up, the hammer
// test, the five weapons, the cursed sword, the carriage home) are not rows: the step function
// performs them with the rules and lines below.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "model/game_state.h"
#include "scene/lines.h"
#include "scene/outcome.h"

namespace tolmark::field {

// A boss scene's plain talk: line rows, sorted by code. The row at BossAppears names the boss:
// "{monster}が現れた！" with MonsterName filled in.
using BossScript = Lines;

// The scene of the destination, chosen afresh at every click:
// - トーテム山 in chapter 1 (or less): the orc's scene; with StoryState 2 (the orc beaten, the
//   hammer still owed) the 棟梁 waits instead, and his talk from totem::HammerKept follows a
//   failed hammer test of either scene, since the orc's fall has set StoryState 2 by then. From
//   the orc's fall on both scenes share its tail (the 棟梁 steps up, the hammer, the way home).
// - トーテム山 in chapter 2 or later: the 棟梁 alone, about the five holy-beast weapons.
// - モノリス城: the dragon on the castle road. - デモンズ山脈: ガイル, his true form, the sword.
// Empty for アーウット and any other destination.
BossScript BossScriptFor(std::int32_t destination, std::int32_t chapter, std::int32_t storyState);

// The row of that code said, or none (the code acts, or the scene does not know it: then
// BossTurn does nothing).
std::optional<Outcome> BossLine(BossScript script, const GameState& s);

// The hammer test (トーテム山 totem::TestForHammer, and totem::AskTheCarpenter while the hammer
// is owed): the 棟梁 parts with the special hammer only to a merchant of Reputation 200 or more
// (next totem::ReceiveHammer); below, he keeps it (next totem::HammerKept, his refusal follows).
Outcome HammerTest(const GameState& s);

// The hammer received: StoryState 3. Next totem::HammerReceived.
Outcome ReceiveHammer(GameState& s);

// The 棟梁 hears of the five holy-beast weapons (totem::AskTheCarpenter in chapter 2 or later):
// when all five are in the stock or the bag he wants to forge the strongest sword, StoryState 7
// whatever it was (next totem::FiveWeaponsHeardOf); otherwise he tells the rumour (next
// totem::TellOfTheSword). Leaves SpecialItem where the
// ownership check left it.
Outcome TalkOfTheFiveWeapons(GameState& s);

// The cursed sword is found (デモンズ山脈): SpecialItem 60, the hero says its name (kSwordNamed).
// Next demons::SwordNamed.
Outcome FindCursedSword(GameState& s);

// The cursed sword enters the collection only, neither carried nor stocked: Collected[SpecialItem]
// set. Next OfferBossRide with kLetsGoHome.
Outcome LeaveCursedSword(GameState& s);

// The carriage home of a boss scene (トーテム山 505, 518, 590; デモンズ山脈 590): PendingAction
// 590 and the ride's fare CLng(s + 500) paid, as only money above it pays it. The step function
// then refreshes the open windows, calls CarriageSelect (which takes 590 to 591 and says
// nothing) and has the driver say carriage_line::kBossRideOffer. At 591 the step function sets
// 590 again and calls CarriageTurn: the ride home.
void BossRideHome(GameState& s);

// The weapon the demons leave behind.
inline constexpr std::int32_t kCursedSword = 60;

// The hammer's price in reputation.
inline constexpr std::int32_t kHammerReputation = 200;

// Lines said at the codes that act, with who says them (V the boss or the 棟梁, H the hero).
namespace boss_line {
// V, with MonsterName: 503 of every fighting scene, 514 at デモンズ山脈.
inline constexpr std::string_view kAttacks = "{monster}が襲ってきた！";
// H: 510 of the orc and of the dragon, after the boss vanishes (PlaceBlankVisitor).
inline constexpr std::string_view kPhewBeaten = "ふう、何とか倒したようだな";
// V: 511 at トーテム山, as the 棟梁 comes (PlaceCarpenter).
inline constexpr std::string_view kWellDone = "あんた、よくやってくれた！";
// H: 500 while the hammer is owed, as the 棟梁 comes in the orc's place.
inline constexpr std::string_view kAskForHammer = "棟梁、特製金鎚が欲しいのだが…";
// V: the hammer test (HammerTest).
inline constexpr std::string_view kHammerKept = "これはウチの組に伝わる大事な物でね";
inline constexpr std::string_view kHammerGiven = "特製金鎚？いいぜ、持って行きな！";
// H: 516 (ReceiveHammer).
inline constexpr std::string_view kGotHammer = "特製金鎚を手に入れた！";
// V: 500 in the later chapters, as the 棟梁 comes; EventActive is set there too.
inline constexpr std::string_view kLongTimeNoSee = "お、ブームさんじゃないか。久しぶりだな";
// V: 501 in the later chapters (TalkOfTheFiveWeapons).
inline constexpr std::string_view kHeardOfTheFive = "あんた、五聖獣を全て倒したそうじゃないか！";
inline constexpr std::string_view kHeardARumour = "とある人から聞いたんだが、";
// V: デモンズ山脈 510, the first form beaten (GaleFirstFormBeaten).
inline constexpr std::string_view kGaleStaggers = "むぐぅ……なかなかやるな";
// V: デモンズ山脈 520, the true form beaten (DemonsBeaten).
inline constexpr std::string_view kGaleFalls = "あぐぐぐぅ……";
// H: デモンズ山脈 525, after the boss vanishes.
inline constexpr std::string_view kPhewDemons = "ふう、倒したようだな";
// H: デモンズ山脈 527 with the sword's name (FindCursedSword), and 529 (LeaveCursedSword).
inline constexpr std::string_view kSwordNamed = "{weapon}か…";
inline constexpr std::string_view kLetsGoHome = "さて、帰るとするか…";
// The driver's line after the boss scene's carriage comes is carriage_line::kBossRideOffer.
}  // namespace boss_line

}  // namespace tolmark::field
