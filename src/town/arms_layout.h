// Where the figures of the town and castle stand: the dealer or the king behind the counter
// board on the right, the hero walking in from the left edge, talking, and walking out; and
// the bare stage of the ending. Pure arithmetic on the game state and the screen's measures;
// the step functions draw the frames and run the timer.
// Nothing here draws from Random.
#pragma once

#include <cstdint>

#include "art/picture_names.h"
#include "model/game_state.h"
#include "present/floor_placement.h"

namespace tolmark::town {

// The hero enters at x -32 units (not pixels), just off the left edge.
inline constexpr std::int32_t kHeroEntryX = -32;

// The counter figure stands 100 px from the left edge; the board is drawn 15 px left of it
// and 5 px higher, in front of its left side.
inline constexpr int kCounterFigureXPx = 100;
inline constexpr int kBoardLeftOfFigurePx = 15;
inline constexpr int kBoardAboveFigurePx = 5;

// The figure behind the counter: the town dealer (14) at アーウット, the king (122) anywhere else.
// Both stand still and animate P, P+1, P, P+2.
std::int32_t CounterFigureFor(std::int32_t destination);

// A point on the scene window, in screen units.
struct ScenePoint {
  std::int32_t x = 0;
  std::int32_t y = 0;
  friend bool operator==(const ScenePoint&, const ScenePoint&) = default;
};

// frmArms's loading with SceneEntry 6, after the shared start-up part (SceneName, ActiveScene,
// the watchdog timer): the hero at x -32 standing on the floor, frame 2, ScenePhase 0; the
// counter figure (CounterFigureFor) at 100 px on the floor, frame 2; PendingAction Idle and
// EventActive set. No random draw. The step function then draws VisitorPicture at
// (VisitorX, VisitorY) and the board (picture 99) at CounterBoardAt, shows the frame (the hero
// is not drawn yet), sets Timer1 to 100 ms and, in the town, opens the market (OpenMarket).
void EnterCounterScene(GameState& s, const ScreenMetrics& m);

// Where the counter board (picture 99) is drawn: 15 px left of the figure, 5 px above its top.
ScenePoint CounterBoardAt(const GameState& s, const ScreenMetrics& m);

// The tick in ScenePhase 20, the hero arrived at the counter: PendingAction VisitBegins,
// ScenePhase 21 (the tick idles during the talk). The step function stops Timer1 and runs ShopArms in the
// town, CastleTurn elsewhere, which says the first line.
void ArriveAtCounter(GameState& s);

// The end of a visit (LeaveBought, LeaveEmptyHanded, LeaveCastle): ScenePhase 30 and Homebound
// set. The step function sets Timer1 to 100 ms; the walking step then takes the hero out to
// the left and the tick leaves for the road home once he is gone.
void StartWalkingOut(GameState& s);

// The epilogue's bare stage (after PendingAction EpilogueBusy is set): the visitor
// becomes the blank picture 146 at (0, 0), two frames, frame 1. The step function closes the
// balloon, draws picture 146 at (0, 0) and shows the frame: the king, the board and the hero
// are gone. Then it pauses 1000 ms.
void ClearStageForEpilogue(GameState& s);

// After the epilogue's narration: the hero alone on the stage, picture 134. The step
// function draws HeroPicture at (HeroX, HeroY) and shows the frame.
void HeroStandsAlone(GameState& s);

}  // namespace tolmark::town
