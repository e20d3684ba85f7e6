// How the soak (tolmark-sim --monkey) plays each scene: which menu items it leans to, where it
// lets time pass or nudges the game on, and which part of the game it has reached. The soak
// itself knows no scene; what it needs of them sits here, beside the list of scenes.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

#include "model/game_state.h"
#include "model/window.h"

namespace tolmark::soak {

// How much likelier than an ordinary item a menu item is chosen: trips and purchases move the
// story on, save and load are worth a try now and then, and the program's own end seldom.
double MenuItemWeight(std::string_view item);

// The parts of the game a run can go through.
inline constexpr std::array<const char*, 8> kParts = {"shop",   "road",   "encounter", "town",
                                                      "castle", "ending", "save",      "load"};

// The part a menu item takes the game to (saving, loading), if any.
std::optional<std::size_t> PartOfMenuItem(std::string_view item);

// The parts the game stands in, with `scene` on screen.
void NoteParts(const GameState& s, Window scene, std::array<bool, kParts.size()>& reached);

// The scene where the game rests between trips: there, while nothing is said, the soak now and
// then hands the player what play would earn (a later chapter, money, reputation).
bool RestsBetweenTrips(Window scene);

// The long walk: a yes there mostly turns the hero home, so the soak leans to no, and while
// nothing is said, time mostly passes.
bool IsTheLongWalk(Window scene);

}  // namespace tolmark::soak
