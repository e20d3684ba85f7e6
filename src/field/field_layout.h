// Where things stand on the road: the stage layout worked out when the field is entered, the
// two entries (outward and homebound) and the places of the people who step up to the hero.
// Pure arithmetic on the game state; the step functions draw the frame afterwards.
#pragma once

#include <cstdint>
#include <string_view>

#include "art/picture_names.h"
#include "model/game_state.h"
#include "present/floor_placement.h"

namespace tolmark::field {

// One stage is this many walking moves.
inline constexpr std::int32_t kStageSteps = 300;

// The landmark drawn at the end of the road: 4 mountains (トーテム山, デモンズ山脈, and any
// destination the road does not know), 5 the town アーウット, 3 the castle モノリス城.
std::int32_t LandmarkPictureFor(std::int32_t destination);

// The stage layout of the outward walk: BalloonSideX, FieldStepX, FieldStartX (32 px less with
// a hired wagon), LandmarkX. A screen narrower than the 120 px the road keeps free leaves
// FieldStepX at 0 and the start at the left edge, never below it.
void ApplyStageLayout(GameState& s, const ScreenMetrics& m);

// Entering the field for the outward walk (frmField's loading with SceneEntry 2, Homebound clear):
// the landmark, the stage layout, FieldSteps 0, the hero on foot (134) or driving the wagon (38) at
// the start, frame 2, standing on the screen bottom; PendingAction Walking and the trip flags
// cleared (BossBattle, CommandBusy, HeroFainted, StepEventDone; FieldEventItem 9999). The step
// function then draws the landmark and the hero.
void EnterOutward(GameState& s, const ScreenMetrics& m);

// Entering the field homeward from the town or castle (frmField's loading with Homebound set):
// the hero sits in the carriage where he left the road, the carriage's fare is charged by the
// fare rule (a purse too light costs reputation, silently), and PendingAction becomes 105, so
// the next click sends the carriage off (CarriageTurn). The layout keeps its outward values.
// The step function draws the landmark and the carriage, refreshes the open windows and has
// the hero say kHomeboundLine.
void EnterHomebound(GameState& s);
inline constexpr std::string_view kHomeboundLine = "さぁ、モノリスに帰りますよ";

// Someone steps up beside the hero (a monster, the guard, a boss, a traveller): 50 px to his
// right, 82 px with a hired wagon, standing on the screen bottom; frame 1. VisitorPicture must
// already be set.
void PlaceVisitor(GameState& s, const ScreenMetrics& m);

// The carriage pulls up 50 px to the hero's right (picture 96, three frames, frame 2).
void PlaceCarriage(GameState& s, const ScreenMetrics& m);

// The 棟梁 comes to the hero (BossTurn at トーテム山): he stands 50 px away even beside a
// wagon, and FieldStop is set while he talks.
void PlaceCarpenter(GameState& s, const ScreenMetrics& m);

// The blank picture 146 takes the visitor's place just behind the hero: a beaten boss vanishes
// (BossTurn 510, 525), the gate of the town or castle comes (MoveNextStage), or something lies
// by the road (ItemSelect).
void PlaceBlankVisitor(GameState& s, const ScreenMetrics& m);

// The hired wagon turns about to drive home (HomeTurn 702 on yes, and 421 from the checkpoint):
// picture 39, three frames, at the hero's x on the screen bottom, frame 2.
void TurnWagonAbout(GameState& s, const ScreenMetrics& m);

// Where the automatic-play marker is drawn: x 5 units, 20 px above the hero's top.
std::int32_t MarkerY(const GameState& s, const ScreenMetrics& m);

}  // namespace tolmark::field
