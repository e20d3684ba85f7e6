// The encounter table and the fixed events of the road's steps.
#include "field/road_events.h"

#include <algorithm>
#include <array>

#include "field/roads.h"
#include "model/numbers.h"
#include "model/random.h"

namespace tolmark::field {
namespace {

constexpr Encounter M = Encounter::Monster;
constexpr Encounter P = Encounter::Priest;
constexpr Encounter F = Encounter::Find;
constexpr Encounter T = Encounter::Traveller;
constexpr Encounter C = Encounter::Carriage;

// 15 monsters, 3 priests, 10 finds, 10 travellers and 3 carriages in 151.
// clang-format off
constexpr std::array<EncounterRow, 41> kEncounters = {{
  {0, M},  {2, P},   {10, M},  {20, M},  {21, F},  {24, T},  {30, M},  {31, F},  {33, C},
  {34, T}, {40, M},  {41, F},  {44, T},  {50, M},  {51, F},  {52, P},  {54, T},  {60, M},
  {61, F}, {64, T},  {70, M},  {71, F},  {73, C},  {74, T},  {80, M},  {81, F},  {84, T},
  {90, M}, {91, F},  {94, T},  {100, M}, {101, F}, {110, M}, {111, F}, {112, P}, {114, T},
  {120, M}, {124, T}, {130, M}, {133, C}, {140, M},
}};
// clang-format on

constexpr bool SortedAndInRange() {
  for (std::size_t i = 0; i < kEncounters.size(); ++i) {
    if (kEncounters[i].roll < 0 || kEncounters[i].roll >= kEncounterRolls) return false;
    if (i > 0 && kEncounters[i - 1].roll >= kEncounters[i].roll) return false;
  }
  return true;
}
static_assert(SortedAndInRange(), "the encounter table is sorted by roll, each roll once");

// The steps the rules test.
constexpr std::int32_t kCheckpointStep = 200;
constexpr std::int32_t kWarningStep = 299;
constexpr std::int32_t kLastStep = 300;

}  // namespace

std::span<const EncounterRow> EncounterTable() { return kEncounters; }

Encounter EncounterFor(std::int32_t r, bool wagonHired) {
  const auto it = std::lower_bound(
      kEncounters.begin(), kEncounters.end(), r,
      [](const EncounterRow& row, std::int32_t roll) { return row.roll < roll; });
  if (it == kEncounters.end() || it->roll != r) return Encounter::None;
  if (it->encounter == Encounter::Carriage && wagonHired) return Encounter::None;
  return it->encounter;
}

Encounter RollEncounter(const GameState& s, Random& random) {
  random.Reseed();
  const std::int32_t r = Int(random.Rnd() * kEncounterRolls);
  return EncounterFor(r, s.WagonHired != kFalse);
}

StepRule StepRuleFor(const GameState& s) {
  const std::int32_t n = s.FieldSteps;
  const bool stepFresh = s.StepEventDone == kFalse;
  if (n == kWarningStep && s.Chapter == 1 && stepFresh && s.StoryState < 2) {
    return {StepEvent::Carriage, true};
  }
  if (n >= kLastStep && s.Chapter == 1) return {StepEvent::Boss, false};
  const Road& road = RoadTo(s.Destination);
  if (n >= kLastStep && road.boss == BossScene::Totem) return {StepEvent::CarpenterWaits, false};
  if (n >= kLastStep && road.end != RoadEnd::OpenCountry) return {StepEvent::Gate, false};
  if (n == kCheckpointStep && road.end == RoadEnd::CastleGate && stepFresh) {
    return {StepEvent::Checkpoint, true};
  }
  if (n == kWarningStep && road.carriageWarns && stepFresh) {
    return {StepEvent::Carriage, true};
  }
  // At デモンズ山脈 step 300 itself is still open road; what waits comes one step later.
  if (n > kLastStep && road.boss == BossScene::Demons) {
    if (s.DemonsDefeated != kTrue) return {StepEvent::Boss, false};
    return {StepEvent::Carriage, true};
  }
  return {StepEvent::Roll, false};
}

}  // namespace tolmark::field
