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
  LoseReputation(s, SatMul(SatAdd(s.DealReputation, r), 2));
}

std::int32_t GameOverPenalty(const GameState& s) {
  // Worked out wide: a level near the field's limit must not wrap the penalty into a gift.
  const auto penalty = [&](std::int64_t perLevel, std::int64_t base) {
    return Saturate((s.Level * perLevel + base) * 2);
  };
  switch (s.ShopRank) {
    case 1:
      return penalty(50, 300);
    case 2:
      return penalty(150, 10000);
    default:
      return penalty(300, 50000);
  }
}

void ApplyGameOverLosses(GameState& s) {
  s.Reputation = std::max(IntDiv(s.Reputation, 2), 0);
  s.Gold = std::max(SatSub(s.Gold, GameOverPenalty(s)), 0);
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
