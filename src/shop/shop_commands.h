// The shop's menu commands and the steps they start, beside the operations the dispatcher calls.
#pragma once

#include "scene/scenes.h"

namespace tolmark::shop {

// "開店": the board turns to open and customers may come.
void OpenShop(Scenes& c);
// "閉店": closes at once, or asks first when a customer stands at the counter.
void StartClosing(Scenes& c);
// "寝る": the night with its living cost.
void StartSleeping(Scenes& c);
// "仕入れ" to destination 1..4 (4 only in the last chapter).
void StartTrip(Scenes& c, std::int32_t destination);
// "セーブ" (save true) and "ロード".
void StartRecord(Scenes& c, bool save);

// The visit is over: the visitor turns and walks out at the walking tick. Whatever balloon is
// up stays unless the caller closes it.
void VisitorWalksOut(Scenes& c);

}  // namespace tolmark::shop
