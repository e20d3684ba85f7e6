// The gate of the town or castle at the end of the road (MoveNextStage,
// NextStageFirst..NextStageLast): whether it opens at once or the castle road's boss stands before
// it, what the hero says there, and the state he leaves the road in when he goes inside. The
// drawing and the window hand-over to frmArms are the step function's.
#pragma once

#include <string_view>

#include "model/game_state.h"

namespace tolmark::field {

// MoveNextStage at any code outside NextStageFirst..NextStageLast (the tick from step 300 on the
// roads to アーウット and モノリス城, and the castle road's boss scene at BossAfterFall):
// EventActive is set, and the gate comes (true) on the road to the town, after the game was
// cleared, without the whole royal order in the bag, or once the road's boss was beaten on this
// trip. Otherwise (false) the dragon stands before the castle: BossSelect, and PendingAction is
// left to it. When the gate comes PendingAction becomes SayArrived, and the step function places
// the blank picture (PlaceBlankVisitor), draws the landmark, the hero and it, and has the hero say
// ArrivalLine.
bool ReachTheGate(GameState& s);

// What the hero says at the gate: "商業の街アーウットに着いたぞ" for アーウット, "モノリス城に着いたぞ" for
// モノリス城, nothing elsewhere.
std::string_view ArrivalLine(std::int32_t destination);

// MoveNextStage SayArrived: the hero says kGoInside; next GoInside.
inline constexpr std::string_view kGoInside = "中に入るか…";

// MoveNextStage GoInside: the hero goes in. SceneEntry 6, his place on the road kept in SavedHeroX
// and SavedHeroY for the way home, a find's marks settled (SettleFindMarks), the field's small
// windows counted as closed. The step function draws the landmark and the blank picture only,
// closes the balloon and the windows, and shows frmArms.
void GoThroughTheGate(GameState& s);

}  // namespace tolmark::field
