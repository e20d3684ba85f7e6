// Going home with the hired wagon from the field menu (HomeTurn from SayGoHome to DrivingHome) and
// the departure that every way home ends in (CarriageTurn's ride, HomeTurn): the lines and the
// state the departure leaves for the shop. The animations and the window hand-over are the step
// functions'.
#pragma once

#include <cstdint>
#include <string_view>

#include "model/game_state.h"

namespace tolmark::field {

// HomeTurn at SayGoHome (the menu item 店に帰る), after the menu's own settings: an interrupting
// prompt (InterruptPrompt set). The step function closes any open prompt windows and has the hero
// ask home_line::kAsk; next AskToGoHome.
void AskToGoHome(GameState& s);

// HomeTurn at GoHomeAnswered, the answer "yes" (InterruptAnswer 89): InterruptAnswer cleared,
// PendingAction DriveHome. The step function has the hero say home_line::kLetsGo and turns the
// wagon about (TurnWagonAbout); at DriveHome it sets DrivingHome, closes the balloon and runs the
// departure.
void AgreeToGoHome(GameState& s);

// HomeTurn at GoHomeAnswered, the answer "no" (InterruptAnswer 78): nothing more is asked and, when
// an encounter was under way (EventActive), PendingAction goes back to SavedAction so the
// interrupted encounter goes on (the step function closes the balloon and delivers a click at
// once in that case); otherwise PendingAction Walking. Returns whether a click is to be delivered.
bool StayOnTheRoad(GameState& s);

// The state a departure leaves behind (CarriageTurn's departure and HomeTurn's, after the last
// frame): the shop is entered next (SceneEntry 4) with the trip's goods (ReturnedHome), no
// event or find pending, a find's marks settled (SettleFindMarks), the field's small windows
// counted as closed. The step function stops
// key preview, unloads the field's windows and shows the shop.
void MarkDepartedHome(GameState& s);

// The departure drive: the carriage or wagon starts 64 px right of the hero and moves 18 units
// left per frame while it is at -64 units or more.
inline constexpr int kDepartureStartPx = 64;
inline constexpr std::int32_t kDepartureStride = 18;
inline constexpr std::int32_t kDepartureEnd = -64;

namespace home_line {
inline constexpr std::string_view kAsk = "店に帰るのか？";  // SayGoHome, the hero
inline constexpr std::string_view kGo = "帰る";             // AskToGoHome: the prompt
inline constexpr std::string_view kStay = "帰らない";
inline constexpr std::string_view kLetsGo = "よし、帰るか！";  // GoHomeAnswered on yes, the hero
inline constexpr std::string_view kNoChoice = "仕方ない、帰るか…";  // TurnedBack at the checkpoint
}  // namespace home_line

}  // namespace tolmark::field
