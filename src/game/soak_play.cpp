// The soak's way with each scene.
#include "game/soak_play.h"

#include "model/numbers.h"
#include "town/town_codes.h"

namespace tolmark::soak {
namespace {

enum Part : std::size_t { kShop, kRoad, kEncounter, kTown, kCastle, kEnding, kSave, kLoad };
static_assert(kParts.size() == kLoad + 1);

}  // namespace

double MenuItemWeight(std::string_view item) {
  struct Row {
    std::string_view item;
    double weight;
  };
  static constexpr std::array<Row, 19> kWeights = {{
      {"mstage1", 6},  {"mstage2", 10}, {"mstage3", 12}, {"mstage4", 8},   {"fmhome", 0.2},
      {"fmescape", 1}, {"abuy", 10},    {"ahome", 1},    {"mopen", 5},     {"mclose", 2},
      {"msave", 3},    {"mload", 2},    {"mend", 0.02},  {"fmend", 0.02},  {"aend", 0.02},
      {"mauto", 2},    {"fmauto", 2},   {"mSpeed1", 2},  {"fSpeed1", 2},
  }};
  for (const Row& r : kWeights) {
    if (r.item == item) return r.weight;
  }
  return 1;
}

std::optional<std::size_t> PartOfMenuItem(std::string_view item) {
  if (item == "msave") return kSave;
  if (item == "mload") return kLoad;
  return std::nullopt;
}

void NoteParts(const GameState& s, Window scene, std::array<bool, kParts.size()>& reached) {
  if (scene == Window::frmShop) reached[kShop] = true;
  if (scene == Window::frmField) {
    reached[kRoad] = true;
    if (s.EventActive != kFalse) reached[kEncounter] = true;
  }
  if (scene == Window::frmArms) {
    if (s.Destination == destination::kTown) reached[kTown] = true;
    if (s.Destination == destination::kCastle) reached[kCastle] = true;
    if (InRange(s.PendingAction, town::code::EndingFirst, town::code::EndingLast)) {
      reached[kEnding] = true;
    }
  }
}

bool RestsBetweenTrips(Window scene) { return scene == Window::frmShop; }

bool IsTheLongWalk(Window scene) { return scene == Window::frmField; }

}  // namespace tolmark::soak
