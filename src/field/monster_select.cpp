// The road's monsters and their strength.
#include "field/monster_select.h"

#include <algorithm>

#include "field/field_codes.h"
#include "field/roads.h"
#include "model/monsters.h"
#include "model/numbers.h"
#include "model/random.h"

namespace tolmark::field {

int StretchOf(std::int32_t fieldSteps) {
  if (fieldSteps <= 100) return 0;
  if (fieldSteps <= 200) return 1;
  return 2;
}

std::int32_t StageLevel(std::int32_t fieldSteps) {
  const std::int32_t base = 2 * StretchOf(fieldSteps);
  return fieldSteps % 100 >= 50 ? base + 1 : base;
}

std::int32_t RoadMonsterPicture(std::int32_t destination, int stretch, int r) {
  if (stretch < 0 || stretch > 2 || r < 0 || r > 2) return -1;
  return RoadTo(destination)
      .monsters[static_cast<std::size_t>(stretch)][static_cast<std::size_t>(r)];
}

ChapterScaling ChapterScalingOf(std::int32_t chapter, std::int32_t destination) {
  const std::int64_t d = std::int64_t{chapter} - destination;
  ChapterScaling scaling;
  if (d <= 0) return scaling;
  // In the last chapter the first road the story left behind keeps its monsters' levels.
  const std::int64_t chaptersBeyond = chapter == 4 ? d - 1 : d;
  scaling.extraLevels = SatMul(6, chaptersBeyond);
  if (d == 1) {
    scaling.expFactor = 2.5;
    scaling.goldFactor = 2;
  } else if (d == 2) {
    scaling.expFactor = 7;
    scaling.goldFactor = 3;
  }
  return scaling;
}

bool MonsterSelect(GameState& s, Random& random) {
  s.EventActive = kTrue;
  random.Reseed();
  const int r = Int(random.Rnd() * 3);
  const std::int32_t picture = RoadMonsterPicture(s.Destination, StretchOf(s.FieldSteps), r);
  if (picture < 0) return false;
  const int row = MonsterRowByPicture(s, picture);
  if (!LoadOpponent(s, picture)) return false;
  const MonsterRecord& m = s.Monsters[static_cast<std::size_t>(row)];

  const ChapterScaling scaling = ChapterScalingOf(s.Chapter, s.Destination);
  s.MonsterLevel = StageLevel(s.FieldSteps) + scaling.extraLevels;
  s.MonsterExp = Int(s.MonsterExp * scaling.expFactor);
  s.MonsterGold *= scaling.goldFactor;

  s.MonsterExp = RoadTo(s.Destination).fightExp(s.FieldSteps, s.MonsterExp);

  // A merchant who lets the game play itself earns a fifth less.
  if (s.AutoMode != kFalse) {
    s.MonsterGold = CLng(Int(s.MonsterGold * 0.8) + 1);
    s.MonsterExp = CLng(Int(s.MonsterExp * 0.8) + 1);
  }

  AddTo(s.MonsterHP, SatMul(m.HPGrowth, s.MonsterLevel));
  AddTo(s.MonsterAttack, SatMul(m.AttackGrowth, s.MonsterLevel));
  AddTo(s.MonsterDefense, SatMul(m.DefenseGrowth, s.MonsterLevel));
  AddTo(s.MonsterSpeed, SatMul(m.SpeedGrowth, s.MonsterLevel));
  s.PendingAction = code::AnnounceHeroBlow;
  return true;
}

}  // namespace tolmark::field
