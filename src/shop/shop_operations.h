// The shop scene's operations, by the step-code ranges the dispatcher hands them.
#pragma once

#include <string_view>

#include "scene/scenes.h"

namespace tolmark {

void BuyANDSell(Scenes& c);  // 1..299: a customer's trade
void Sleeping(Scenes& c);    // 300..399
void Stocking(Scenes& c);    // 400..499: setting out on a trip
void ShopClose(Scenes& c);   // 500..599
void SaveORLoad(Scenes& c);  // 600..699
void EventStart(Scenes& c);  // 700..899: story visitors

// The visitor has reached the counter: the deal (or the story event) is prepared.
void BuyANDSellItem(Scenes& c);

// One arrival attempt while nobody is in the shop.
void TimerEvent(Scenes& c);

// A shop menu item that is the shop's own (mopen, mitem, mstage1, msave, ...).
void ShopMenuChosen(Scenes& c, std::string_view item);

// Input on the shop's small windows (frmShopItem, frmStatus, frmList, frmOrder): a mouse press
// on a list row (1-based, 0 below the last row), a double click.
void ShopListMouseDown(Scenes& c, Window window, int row, int button);
void ShopWindowDoubleClick(Scenes& c, Window window);

}  // namespace tolmark
