// The bosses at the end of three roads: who comes where, their strength (a boss takes its
// catalogue row as it stands, without level or chapter), what their fall changes in the
// story, and where a won boss battle leads.
#pragma once

#include <cstdint>

#include "field/field_codes.h"
#include "model/game_state.h"

namespace tolmark::field {

inline constexpr std::int32_t kOrcPicture = 153;          // オーク, トーテム山
inline constexpr std::int32_t kDragonPicture = 108;       // 炎赤竜, the castle road
inline constexpr std::int32_t kGaleFirstPicture = 140;    // ガイル, デモンズ山脈
inline constexpr std::int32_t kGaleTruePicture = 119;     // 魔族ガイル, after Homebound is set

// The boss of the destination and the step its scene opens at: the orc, the dragon, and at
// デモンズ山脈 ガイル (BossAppears) or, once the first form is beaten (Homebound), 魔族ガイル
// (demons::TrueFormFights). Picture -1 for a road without a boss.
struct BossArrival {
  std::int32_t picture = -1;
  std::int32_t firstCode = code::BossAppears;
};
BossArrival BossFor(std::int32_t destination, Flag homebound);

// BossSelect (from the tick at the stage's end, from the castle gate, and from BossTurn 513 at
// デモンズ山脈): EventActive set, BossBattle cleared, the boss becomes the visitor and the
// opponent from the first catalogue row with its picture (name, HP, attack, defence, speed,
// gold, experience, frames), and PendingAction is its first code. No random draw. Returns false,
// changing nothing, for a road without a boss. The step function then places the visitor
// (PlaceVisitor), draws the landmark, the hero and the boss, and calls BossTurn.
bool BossSelect(GameState& s);

// "Fight" in a boss scene (BossFights, demons::TrueFormFights): BossBattle set, PendingAction
// AnnounceHeroBlow, so the next click opens the exchange of blows.
void StartBossFight(GameState& s);

// Where a won boss battle goes when the walk would resume (the click at ResumeWalking with
// BossBattle set): demons::GaleFalls after 魔族ガイル (picture 119), BossFalls after any other.
std::int32_t BossBeatenCode(const GameState& s);

// The fall of each boss, at the code BossTurn continues at after the battle; each also clears
// BossBattle.
void OrcBeaten(GameState& s);            // トーテム山 510: StoryState 2 (again, each time)
void DragonBeaten(GameState& s);         // castle road 510: BossBeatenThisTrip, the gate opens
void GaleFirstFormBeaten(GameState& s);  // デモンズ山脈 510: Homebound, the true form comes next
void DemonsBeaten(GameState& s);         // デモンズ山脈 520: DemonsDefeated

}  // namespace tolmark::field
