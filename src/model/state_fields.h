// Every field of the game state by its name: read, written and printed as text by the tools
// that script and inspect a game (set, expect and state of tolmark-sim).
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "model/game_state.h"

namespace tolmark {

enum class FieldKind { Number, Flag, Text, Window };

struct FieldReading {
  FieldKind kind = FieldKind::Number;
  std::string text;  // decimal digits, -1 / 0, the string itself or the window's name
};

// Paths name one value: "Gold", "Collected[59]", "ShopStock[2].Count", "Catalogue[3].Name".
// Records and whole arrays are not single values. On failure *error says why.
std::optional<FieldReading> ReadField(const GameState& s, std::string_view path,
                                      std::string* error);

// Writes one value from its text: numbers must fit the field, flags are -1 or 0, windows go by
// name, strings are taken as they are.
bool WriteField(GameState& s, std::string_view path, std::string_view text, std::string* error);

// One line of JSON holding every field by name: numbers and flags as numbers, strings as
// strings, ActiveScene as the window's name, arrays as arrays and records as objects.
// ShopStock, Bag and TownPurchases list only their used entries.
std::string StateJson(const GameState& s);

}  // namespace tolmark
