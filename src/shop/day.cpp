// Living cost, closing penalty, game-over losses and the shop's enlargement.
#include "shop/day.h"

#include <algorithm>

#include "model/numbers.h"
#include "model/progression.h"
#include "shop/deal.h"
#include "shop/shop_codes.h"

namespace tolmark::shop {

void ChargeLivingCost(GameState& s) {
  if (s.Gold < s.DealAmount) {
    s.DealAmount = s.Gold;
    s.Gold = 0;
  } else {
    SubtractFrom(s.Gold, s.DealAmount);
  }
}

void CancelVisitForClosing(GameState& s, Random& random) {
  s.PendingAction = code::Idle;
  s.ScenePhase = 0;
  s.Answer = 9999;
  s.EventActive = kFalse;
  s.DealReputation = DrawLevelWeight(s, random);
  const std::int32_t r = DrawLevelWeight(s, random);
  LoseReputation(s, (s.DealReputation + r) * 2);
}

std::int32_t GameOverPenalty(const GameState& s) {
  switch (s.ShopRank) {
    case 1:
      return (s.Level * 50 + 300) * 2;
    case 2:
      return (s.Level * 150 + 10000) * 2;
    default:
      return (s.Level * 300 + 50000) * 2;
  }
}

void ApplyGameOverLosses(GameState& s) {
  s.Reputation = std::max(IntDiv(s.Reputation, 2), 0);
  s.Gold = std::max(s.Gold - GameOverPenalty(s), 0);
  s.HP = s.MaxHP;
  s.ScenePhase = 0;
  AddCapped(s, 1, CappedKind::DefeatsCount);
}

void EnlargeShop(GameState& s) {
  if (s.ShopRank == 1) {
    s.ShopRank = 2;
    s.StockCapacity = 35;
  } else {
    s.ShopRank = 3;
    s.StockCapacity = 60;
  }
  SubtractFrom(s.Gold, s.DealAmount);
}

}  // namespace tolmark::shop
