// The step codes of the town and the castle, each declared once: PendingAction holds one of
// these while the hero stands at the counter. A click or an answer continues the operation
// whose stretch holds the code (the range table in town_scene.cpp).
#pragma once

#include <cstdint>

#include "scene/step_codes.h"

namespace tolmark::town::code {

// The codes every scene shares: Idle while the hero walks in or out, VisitBegins as he reaches
// the counter, the end question.
using namespace tolmark::code;

// The counter's talk (CounterTurn): the market's greeting in アーウット, the king's visit at the
// castle.
inline constexpr std::int32_t CounterFirst = VisitBegins;
inline constexpr std::int32_t CounterLast = 199;

// The market.
inline constexpr std::int32_t Welcome = 1;       // the dealer greets the hero
inline constexpr std::int32_t AskWhatToBuy = 2;  // the dealer asks what he wants
inline constexpr std::int32_t OpenLists = 3;     // the hero reads his purse; the lists open
inline constexpr std::int32_t Browsing = 4;      // the purse again on every click

// The castle.
inline constexpr std::int32_t KingGreets = 1;
inline constexpr std::int32_t HeroAnswers = 2;     // or, once the game is cleared, the replay
inline constexpr std::int32_t KingAsksToSee = 3;
inline constexpr std::int32_t Deliver = 4;         // the royal order handed over, one click
inline constexpr std::int32_t Counting = 5;        // the delivery under way: clicks do nothing
inline constexpr std::int32_t NothingBrought = 20;
inline constexpr std::int32_t KingPays = 30;       // part of the order paid for
inline constexpr std::int32_t KingAsksAgain = 31;
inline constexpr std::int32_t HeroTakesLeave = 90;
inline constexpr std::int32_t LeaveCastle = 91;    // the hero walks out

// Buying the shopping list (BuyArms), from the menu item 買う.
inline constexpr std::int32_t BuyFirst = 200;
inline constexpr std::int32_t NameTheTotal = 200;
inline constexpr std::int32_t WeighThePurse = 201;  // enough money, or not
inline constexpr std::int32_t AskToBuy = 202;       // 買う / 買わない; the answer raises it
inline constexpr std::int32_t SayGoodbyeBought = Answered(AskToBuy);
inline constexpr std::int32_t LeaveBought = 204;    // the hero walks out with the list
inline constexpr std::int32_t GiveUp = 210;         // too little money: back to browsing
inline constexpr std::int32_t BuyLast = 499;

// Leaving without buying (GoHome), from the menu item 帰る.
inline constexpr std::int32_t GoHomeFirst = 500;
inline constexpr std::int32_t AskIfLeaving = 500;
inline constexpr std::int32_t AskToLeave = 501;     // 帰る / 帰らない; the answer raises it
inline constexpr std::int32_t SayGoodbyeEmptyHanded = Answered(AskToLeave);
inline constexpr std::int32_t LeaveEmptyHanded = 503;
inline constexpr std::int32_t GoHomeLast = 699;

// The ending at the castle (EndingTurn): the king pays, tells his story one line a click, the
// epilogue plays within one click, the closing notes follow and the game closes.
inline constexpr std::int32_t EndingFirst = 700;
inline constexpr std::int32_t KingPaysInFull = 700;
inline constexpr std::int32_t KingsStoryLast = 724;  // the story's lines are 700..724
inline constexpr std::int32_t Epilogue = 725;
inline constexpr std::int32_t EpilogueBusy = 726;    // clicks change nothing
inline constexpr std::int32_t ThanksBusy = 727;      // the thanks being said
inline constexpr std::int32_t ClosingNotes = 730;    // four notes, 730..733
inline constexpr std::int32_t GameCloses = 734;
inline constexpr std::int32_t EndingLast = 899;

// The n-th line of the king's story after the payment (1..24).
constexpr std::int32_t KingsStoryLine(std::int32_t n) { return KingPaysInFull + n; }

// The n-th closing note (0..3).
constexpr std::int32_t ClosingNote(std::int32_t n) { return ClosingNotes + n; }

}  // namespace tolmark::town::code
