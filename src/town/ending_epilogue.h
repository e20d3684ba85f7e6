// What the epilogue (EndingTurn's code::Epilogue) does to the game: the stage cleared, the hero's last bag
// put into the shop's stock, the bag's size given back after a hired wagon, and the game marked
// cleared before it is saved. The narration, the pauses, the save and the clear report are the
// step function's, in the order told at each function.
// Nothing here draws from Random.
#pragma once

#include <cstdint>
#include <functional>

#include "model/game_state.h"

namespace tolmark::town {

// The pause that alone marks each lot of goods lost at the ending.
inline constexpr int kLostGoodsPauseMs = 2000;

// The epilogue, first: PendingAction code::EpilogueBusy (clicks now change nothing) and the bare stage
// (ClearStageForEpilogue). The step function closes the balloon, draws picture 146 at (0, 0),
// shows the frame, pauses kBareStagePauseMs, says the narration (kEpilogueNarration), sets
// HeroStandsAlone and draws the hero alone, then calls SettleTheEnding.
void BeginEpilogue(GameState& s);

// Called once for each lot that does not fit; no line is said: the step function pumps and
// pauses kLostGoodsPauseMs.
using LostGoodsSink = std::function<void()>;

// The bag goes into the stock, entry by entry in bag order; no random draw. A weapon the stock
// has grows to at most 50 pieces, the rest lost; a new weapon takes the next stock entry and is
// marked collected, or, with the stock full, is lost and still marked collected. onLost is
// called for each lot lost, in order. The bag itself is left as it is. Returns the lots lost.
// A stock counting more entries than its capacity allows (only a tampered save holds one) is
// full: nothing is written past it.
int StockTheLastBag(GameState& s, const LostGoodsSink& onLost);

// After the bag is stocked: with a hired wagon the bag's own size comes back (BagCapacity =
// SavedBagCapacity); GameCleared -1. The step function then saves the game without a prompt
// (WriteSaveFile to Tolmark.dat), appends the clear report (WriteClearReport), sets
// PendingAction code::ThanksBusy, has the hero say kThanksForPlaying, pumps and sets
// PendingAction code::ClosingNotes.
void MarkGameCleared(GameState& s);

// BeginEpilogue's followers in one: StockTheLastBag then MarkGameCleared.
int SettleTheEnding(GameState& s, const LostGoodsSink& onLost);

}  // namespace tolmark::town
