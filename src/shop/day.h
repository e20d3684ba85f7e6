// The shop's day in numbers: the night's living cost, closing on a customer, fainting, growing.
#pragma once

#include "model/game_state.h"
#include "model/random.h"

namespace tolmark::shop {

// The night's bill: the living cost, or all the money when there is less. Leaves the amount
// charged in DealAmount.
void ChargeLivingCost(GameState& s);

// Closing with a customer at the counter: the trade is cancelled (Answer 9999) and the snub
// costs reputation.
void CancelVisitForClosing(GameState& s, Random& random);

// What fainting costs at this level and shop rank.
std::int32_t GameOverPenalty(const GameState& s);
// Half the reputation and the penalty in money go, HP is full again, the defeat is counted.
void ApplyGameOverLosses(GameState& s);

// The carpenter's work: one rank larger (35 rows, then 60), paid with DealAmount.
void EnlargeShop(GameState& s);

}  // namespace tolmark::shop
