// Building the monster table and finding a monster by its picture.
#include "model/monsters.h"

namespace tolmark {

void BuildMonsters(GameState& s) {
  for (std::size_t i = 0; i < kMonsters.size(); ++i) {
    const MonsterRow& r = kMonsters[i];
    s.Monsters[i] = MonsterRecord{r.picture,       std::string(r.name), r.hp,
                                  r.attack,        r.defense,           r.speed,
                                  r.hpGrowth,      r.attackGrowth,      r.defenseGrowth,
                                  r.speedGrowth,   r.exp,               r.gold,
                                  r.frames};
  }
}

int MonsterRowByPicture(const GameState& s, std::int32_t picture) {
  for (std::size_t i = 0; i < s.Monsters.size(); ++i) {
    if (s.Monsters[i].Picture == picture) return static_cast<int>(i);
  }
  return -1;
}

bool LoadOpponent(GameState& s, std::int32_t picture) {
  const int row = MonsterRowByPicture(s, picture);
  if (row < 0) return false;
  const MonsterRecord& m = s.Monsters[static_cast<std::size_t>(row)];
  s.VisitorPicture = picture;
  s.VisitorFrames = m.Frames;
  s.MonsterName = m.Name;
  s.MonsterHP = m.HP;
  s.MonsterAttack = m.Attack;
  s.MonsterDefense = m.Defense;
  s.MonsterSpeed = m.Speed;
  s.MonsterGold = m.Gold;
  s.MonsterExp = m.Exp;
  return true;
}

}  // namespace tolmark
