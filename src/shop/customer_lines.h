// The nine customers' words: one table keyed by picture, buy or sell, and step code.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "model/game_state.h"
#include "scene/outcome.h"

namespace tolmark::shop {

struct CustomerLineRow {
  std::int32_t picture;
  bool buys;          // the customer buys from the shop (else he sells to it)
  std::int32_t code;  // PendingAction the line is spoken at
  bool heroSpeaks;    // only the rich lady's payment line is the merchant's own
  // The whole line, with {weapon}, {price}, {hp} and {amount} where the weapon's name, the
  // price, the merchant's HP and the amount paid go, as plain digits.
  std::string_view pattern;
  std::int32_t next;  // PendingAction after the line
};

// The line of the customer at the counter (VisitorPicture, CustomerBuys) for PendingAction,
// with the weapon's name, ItemPrice, HP and DealAmount filled in, and the code after it; none
// when he has nothing to say at that code.
std::optional<Outcome> CustomerLineFor(const GameState& s);

// The row behind it, for tests and tools.
const CustomerLineRow* FindCustomerLine(std::int32_t picture, bool buys, std::int32_t code);

}  // namespace tolmark::shop
