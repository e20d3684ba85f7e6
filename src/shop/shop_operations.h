// The shop scene's operations, by the step-code ranges the dispatcher hands them.
#pragma once

#include <string_view>

#include "scene/scenes.h"

namespace tolmark::shop {

void BuyANDSell(Scenes& c);  // code::VisitBegins..TradeLast: a customer's trade
void Sleeping(Scenes& c);    // code::SayRested..SleepingLast: the night
void Stocking(Scenes& c);    // code::OfferWagon..StockingLast: setting out on a trip
void ShopClose(Scenes& c);   // code::ClosingBegins..ClosingLast
void SaveORLoad(Scenes& c);  // code::ConfirmRecord..RecordLast
void EventStart(Scenes& c);  // code::VisitorGreets..StoryLast: story visitors

// The visitor has reached the counter: the deal (or the story event) is prepared.
void BuyANDSellItem(Scenes& c);

// One arrival attempt while nobody is in the shop.
void TimerEvent(Scenes& c);

// The shop window's start-up: second-copy refusal, stray re-creation, new game or home-coming,
// the first frame of the shop, the carried-home balloon.
void ShopStartUp(Scenes& c);

// The shop hands over to the road: its windows close and the field starts up.
void HandOverShopToField(Scenes& c);

// Right click (or the menu key): automatic play off and the plain board up, then the menu
// popped up, unless the carried-home balloon or the hero's collapse is still being told.
void OpenShopMenu(Scenes& c);

// Input on the shop's small windows (frmShopItem, frmStatus, frmList, frmOrder): a mouse press
// on a list row (1-based, 0 below the last row), a double click.
void ShopListMouseDown(Scenes& c, Window window, int row, int button);
void ShopWindowDoubleClick(Scenes& c, Window window);

}  // namespace tolmark::shop
