// The walk resuming after an encounter (the click at PendingAction
// ResumeWalking..ResumeWalkingLast), and what the tick does while somebody stands beside the hero:
// the pure decisions, without the redraw.
#pragma once

#include <cstdint>

#include "model/game_state.h"

namespace tolmark::field {

// The click at ResumeWalking..ResumeWalkingLast: FieldStop cleared. After a won boss battle
// (BossBattle still set) the boss scene goes on: PendingAction becomes BossBeatenCode
// (demons::GaleFalls after 魔族ガイル, else BossFalls) and true is returned, so the step function
// calls BossTurn. Otherwise the visitor is gone: EventActive, CommandBusy and PendingAction are
// cleared and false is returned; the step function redraws the landmark, the hero and the marker.
// Either way it first closes the balloon, hides 逃げる and enables 終了.
bool ResumeWalk(GameState& s);

// Whether the field tick does nothing at all: the hero sits in the homeward carriage (Homebound and
// PendingAction HomeboundAboard), the wagon question or departure runs (HomeFirst..HomeLast), or
// the exit prompt is open (the end question).
bool TickIdles(const GameState& s);

// The kind the tick animates the person beside the hero with (WalkStep's third argument): 99
// while a person stands and talks (FieldStop), 3 for a carriage waiting (picture 96, not
// leaving), 0 otherwise (a monster, or a carriage driving off).
int StandingAnimationKind(const GameState& s);

}  // namespace tolmark::field
