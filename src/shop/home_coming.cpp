// The hero tells each lot he has to throw away as the carried goods are stocked.
#include "shop/home_coming.h"

#include "model/inventory.h"
#include "scene/outcome.h"

namespace tolmark::shop {

void MergeCarriedGoods(Scenes& c) {
  MergeTripGoods(c.s, [&c](const std::string& line) {
    Speak(c, Speaker::Hero, line);
    c.desk.Pump();
    c.desk.Sleep(2000);
  });
}

}  // namespace tolmark::shop
