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

}  // namespace tolmark
