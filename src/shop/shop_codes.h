// The shop's step codes, each named for what the step at that code does. The row's range table,
// the step functions, the customers' lines and the story visitors' conversations use these names.
// The codes every scene shares (code::Idle, code::VisitBegins, the end question) are reached
// through this namespace as well.
#pragma once

#include <cstdint>

#include "scene/step_codes.h"

namespace tolmark::shop::code {

using namespace tolmark::code;

// A customer's trade, from code::VisitBegins (he makes his request) to TradeLast.
inline constexpr std::int32_t AskTheDeal = 2;  // the yes and no balloons go up
inline constexpr std::int32_t DealAnswered = Answered(AskTheDeal);
// From the question on, a customer interrupted by the close question makes his request again.
inline constexpr std::int32_t RequestMadeFirst = AskTheDeal;
inline constexpr std::int32_t RequestMadeLast = 4;
// A trade that cannot be paid: one line, the way out (later, a gift, what there is), the parting.
inline constexpr std::int32_t ShortOfMoney = 40;
inline constexpr std::int32_t ShortOfMoneyWayOut = 41;
inline constexpr std::int32_t ShortOfMoneySettled = 42;
inline constexpr std::int32_t DealDone = 50;            // the customer's thanks
inline constexpr std::int32_t DealRefused = 60;         // the customer's parting after a no
inline constexpr std::int32_t EarnExperience = 70;      // the trade's experience, then he leaves
inline constexpr std::int32_t LevelUpTold = 71;         // the level-up line read: he leaves
inline constexpr std::int32_t FaintAtCounter = 72;      // the losses and the dark shop
inline constexpr std::int32_t CloseAfterFainting = 73;  // the collapse told: the shop closes
inline constexpr std::int32_t TradeLast = 299;

// The night: HP full, the living cost, waking up.
inline constexpr std::int32_t SayRested = 300;
inline constexpr std::int32_t ChargeForTheNight = 301;
inline constexpr std::int32_t WakeUp = 302;
inline constexpr std::int32_t SleepingLast = 399;

// Setting out for the castle: the wagon's offer, its fee, the question, the loading.
inline constexpr std::int32_t OfferWagon = 400;
inline constexpr std::int32_t TellWagonFee = 401;
inline constexpr std::int32_t AskForWagon = 402;
inline constexpr std::int32_t WagonAnswered = Answered(AskForWagon);
inline constexpr std::int32_t LoadTheWagon = 431;
inline constexpr std::int32_t NoNeedOfWagon = 440;       // nothing ordered is in the shop
inline constexpr std::int32_t DepartWithoutWagon = 441;
inline constexpr std::int32_t StockingLast = 499;

// Closing: with a customer at the counter the merchant warns and asks first.
inline constexpr std::int32_t ClosingBegins = 500;
inline constexpr std::int32_t AskToClose = 501;
inline constexpr std::int32_t CloseAnswered = Answered(AskToClose);
inline constexpr std::int32_t ClosingLast = 599;

// Saving or loading: the merchant's line, the question, the file and his word on it.
inline constexpr std::int32_t ConfirmRecord = 600;
inline constexpr std::int32_t AskToRecord = 601;
inline constexpr std::int32_t RecordAnswered = Answered(AskToRecord);
inline constexpr std::int32_t RecordLast = 699;

// A story visitor's conversation: from the greeting on, one line a click up to its end; the
// plain lines are rows of the conversation's table, numbered on from VisitorGreets.
inline constexpr std::int32_t VisitorGreets = 700;
inline constexpr std::int32_t StoryLast = 899;
// The carpenter's errand, and his thanks for the hammer.
inline constexpr std::int32_t ErrandEnds = 711;
inline constexpr std::int32_t HammerThanksEnds = 714;
// The enlargement: the price, the question, the night of the works, the larger shop.
inline constexpr std::int32_t TellEnlargementPrice = 702;
inline constexpr std::int32_t AskToEnlarge = 703;
inline constexpr std::int32_t EnlargementAnswered = Answered(AskToEnlarge);
inline constexpr std::int32_t CarpenterStartsWork = 711;
inline constexpr std::int32_t MerchantGoesToBed = 713;
inline constexpr std::int32_t NightOfTheWorks = 714;
inline constexpr std::int32_t ShopEnlarged = 715;
inline constexpr std::int32_t TellNextEnlargement = 716;
inline constexpr std::int32_t CarpenterTakesLeave = 717;
inline constexpr std::int32_t EnlargementEnds = 718;
// The royal messenger's order.
inline constexpr std::int32_t RoyalOrderEnds = 721;
// The holy-beast weapons: handed over, or the carpenter asks for all five.
inline constexpr std::int32_t HandOverHolyBeastWeapons = 705;
inline constexpr std::int32_t AskForAllFive = 706;
inline constexpr std::int32_t HolyBeastEnds = 707;
// The strongest sword: his pride, the demons (in chapter 3), the sword into the stock.
inline constexpr std::int32_t SwordWellMade = 703;
inline constexpr std::int32_t TellOfTheDemons = 710;
inline constexpr std::int32_t OpenTheDemonMountains = 713;
inline constexpr std::int32_t SwordCarpenterLeaves = 730;
inline constexpr std::int32_t TakeTheSword = 731;

// Home after fainting on the road: a click dismisses the carried-home balloon.
inline constexpr std::int32_t CarriedHome = 999;

}  // namespace tolmark::shop::code
