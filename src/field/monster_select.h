// Which monster steps up on the road and how strong it is: the table of monsters by destination
// and stretch of the stage, the level within the stage, the scaling of a stage the story has
// outgrown, and the rewards it carries.
#pragma once

#include <array>
#include <cstdint>

#include "model/game_state.h"

namespace tolmark {
class Random;
}

namespace tolmark::field {

// The stretch of the stage: 0 while FieldSteps <= 100, 1 while <= 200, 2 beyond.
int StretchOf(std::int32_t fieldSteps);

// The monster's level within the stage: 0, 2 or 4 by stretch, one more in the second half of
// each hundred steps (FieldSteps Mod 100 >= 50), so 0..5.
std::int32_t StageLevel(std::int32_t fieldSteps);

// The picture of the monster of the destination (1..4), stretch (0..2) and
// roll r (0..2), or -1 for a destination the road does not know.
std::int32_t RoadMonsterPicture(std::int32_t destination, int stretch, int r);

// The monster level and the multipliers of a stage the story has outgrown, d = Chapter -
// Destination: d = 0 no change; otherwise 6 levels per chapter beyond (one chapter fewer in
// chapter 4), experience × 2.5 and gold × 2 one chapter beyond, × 7 and × 3 two beyond, and
// nothing more three beyond. A destination ahead of the chapter counts as d = 0.
struct ChapterScaling {
  std::int32_t extraLevels = 0;
  double expFactor = 1.0;  // Int is taken of the product
  std::int32_t goldFactor = 1;
};
ChapterScaling ChapterScalingOf(std::int32_t chapter, std::int32_t destination);

// MonsterSelect, called by the encounter roll: a wandering monster steps up. EventActive is set;
// reseeds and draws r = Int(Rnd × 3) (its only draw); the monster of the destination, stretch and r
// becomes the visitor (VisitorPicture, VisitorFrames) and the opponent (MonsterName, HP, Attack,
// Defense, Speed, Gold, Exp from the first catalogue row with that picture), then MonsterLevel, the
// chapter's reward multipliers, the distance bonus on the experience, the cut of automatic play and
// the growth by level; PendingAction AnnounceHeroBlow, the hero's first blow. Returns false, with
// the monster and the code untouched, for a destination the road does not know. The step function
// then places the visitor (PlaceVisitor), draws the landmark, the hero, the monster and the marker,
// and has the monster's name be said with "が現れた！".
bool MonsterSelect(GameState& s, Random& random);

}  // namespace tolmark::field
