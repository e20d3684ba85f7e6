// What a tick of the walk brings: the fixed events of certain steps (the step-299 carriage,
// the checkpoint, the boss, the gate) and otherwise the encounter roll, as a table of roll
// values with a lookup.
#pragma once

#include <cstdint>
#include <span>

#include "model/game_state.h"

namespace tolmark {
class Random;
}

namespace tolmark::field {

// What the encounter roll brings.
enum class Encounter : std::uint8_t {
  None,
  Monster,   // MonsterSelect
  Priest,    // PriestSelect
  Find,      // ItemSelect
  Traveller, // EventSelect
  Carriage,  // CarriageSelect
};

// The roll is Int(Rnd × 151): 0..150.
inline constexpr std::int32_t kEncounterRolls = 151;

// One roll value that brings something; every value not in the table brings nothing.
struct EncounterRow {
  std::int32_t roll;
  Encounter encounter;
};

// The table, sorted by roll: monsters at 0, 10, .., 140; the priest at 2, 52, 112; finds at
// 21, 31, .., 111; travellers at 24, 34, .., 94, 114, 124 (not 104); the carriage at 33, 73, 133.
std::span<const EncounterRow> EncounterTable();

// The encounter of roll r. The carriage never comes by chance to a merchant driving his own
// hired wagon: its rolls then bring nothing.
Encounter EncounterFor(std::int32_t r, bool wagonHired);

// TimerEvent, called by the tick when no fixed event of the step applies: reseeds and draws
// r = Int(Rnd × 151), its only draw. The step function calls the operation of the result.
Encounter RollEncounter(const GameState& s, Random& random);

// The fixed events the tick looks at after each walking move, the first that applies.
enum class StepEvent : std::uint8_t {
  Roll,      // nothing fixed: the encounter roll (RollEncounter)
  Carriage,  // CarriageSelect: step 299 in chapter 1 before the orc is beaten and
             // at デモンズ山脈; デモンズ山脈 from step 301 once the demons are beaten
  Boss,      // BossSelect: chapter 1 from step 300, デモンズ山脈 from step 301
  CarpenterWaits,  // トーテム山 from step 300 in chapter 2 or later: totem::CarpenterComes,
                   // BossTurn
  Gate,            // アーウット and モノリス城 from step 300: MoveNextStage
  Checkpoint,      // step 200 on the road to モノリス城: CheckPoint
};

struct StepRule {
  StepEvent event = StepEvent::Roll;
  bool marksStepDone = false;  // the tick sets StepEventDone after the call
};

// The tick's choice after the walking move (Timer1, after WalkStep), by FieldSteps: a fixed
// event happens once per step (StepEventDone), though each step number is seen by two ticks.
// No random draw.
StepRule StepRuleFor(const GameState& s);

}  // namespace tolmark::field
