// The arithmetic of one trade at the counter: which weapon, what price, what each answer moves.
#pragma once

#include "model/game_state.h"
#include "model/random.h"

namespace tolmark::shop {

// The weapon a selling customer brings in this chapter: 0..12, then 20..32, then 40..52.
std::int32_t DrawBroughtWeapon(std::int32_t chapter, Random& random);

// Prepares an ordinary customer's deal: CurrentItem, ItemPrice (a tenth kinder to the customer
// in automatic play) and DealReputation. A seller whose weapon the shop already holds 50 of
// turns into a buyer.
void PrepareDeal(GameState& s, Random& random);

// The outcome of a "yes", as the next step code: code::ShortOfMoney, DealDone, NoRoomInStock.
// The buyer pays (one in 51 cannot; the rich lady then pays what she has), the piece leaves
// the stock, and the sale costs HP either way.
void SellToCustomer(GameState& s, Random& random);
// The merchant buys the customer's piece, or, short of money, takes what the customer offers
// instead. Returns false when a bought piece of a new kind found no free row: it is turned
// away at once (code::NoRoomInStock) before anything is paid or counted. A gift that finds no
// room leaves that code pending instead and returns true.
bool BuyFromCustomer(GameState& s, Random& random);

// "No": the refusal is counted and costs reputation; code::DealRefused.
void RefuseDeal(GameState& s, Random& random);

// A piece that found no room: reputation lost, code::DealRefused.
void TurnAwayForNoRoom(GameState& s);

// The money the rich lady gives a merchant who cannot pay her, and the cost of one night.
std::int32_t LivingCost(const GameState& s);

}  // namespace tolmark::shop
