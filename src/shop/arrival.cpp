// The choice of the visitor: nine customers by a draw of 45, story visitors by chapter and state.
#include "shop/arrival.h"

#include <array>

#include "model/numbers.h"

namespace tolmark::shop {
namespace {

// Picture of each value of k; each customer owns five of the 45.
// clang-format off
constexpr std::array<std::int32_t, 45> kCustomerOfDraw = {
  60, 72, 51, 26, 84, 45, 66, 78, 90, 45,   //  0..9
  60, 72, 51, 26, 84, 45, 66, 78, 90, 66,   // 10..19
  60, 72, 51, 26, 84, 45, 66, 78, 90, 78,   // 20..29
  60, 72, 51, 26, 84, 45, 66, 78, 90, 90,   // 30..39
  60, 72, 51, 26, 84,                       // 40..44
};
// clang-format on

constexpr bool FiveDrawsEach() {
  for (std::int32_t picture : {60, 72, 51, 26, 84, 45, 66, 78, 90}) {
    int n = 0;
    for (std::int32_t p : kCustomerOfDraw) n += p == picture ? 1 : 0;
    if (n != 5) return false;
  }
  return true;
}
static_assert(FiveDrawsEach(), "each customer comes 5 times in 45");

void StoryVisitor(GameState& s, std::int32_t picture, std::int32_t eventCode) {
  s.VisitorPicture = picture;
  s.EventCode = eventCode;
}

// The story visitor of this arrival, if any. Some branches settle on an ordinary customer
// without looking at the later ones.
bool ChooseStoryVisitor(GameState& s, std::int32_t h) {
  if (s.Chapter == 1 && s.Reputation >= 100) {
    if (s.StoryState == 0) {
      s.StoryState = 1;
      StoryVisitor(s, picture::kCarpenter, 1);
      return true;
    }
    if (s.StoryState == 3) {
      StoryVisitor(s, picture::kCarpenter, 1);
      return true;
    }
    return false;
  }
  if (s.Chapter >= 2 && h == 0) {
    if (s.ShopRank == 1 && s.Gold >= 100000) {
      StoryVisitor(s, picture::kCarpenter, 2);
      s.DealAmount = 100000;
      return true;
    }
    if (s.ShopRank == 2 && s.Gold >= 1000000) {
      StoryVisitor(s, picture::kCarpenter, 2);
      s.DealAmount = 1000000;
      return true;
    }
    return false;
  }
  if (s.Chapter == 2 && s.StoryState == 5) {
    StoryVisitor(s, kMessengerPicture, 3);
    return true;
  }
  if (s.StoryState == 7) {
    StoryVisitor(s, picture::kCarpenter, 4);
    return true;
  }
  if (s.StoryState == 8 && h == 1 && s.StockCount != s.StockCapacity) {
    StoryVisitor(s, picture::kCarpenter, 5);
    return true;
  }
  return false;
}

}  // namespace

std::int32_t CustomerPictureOfDraw(std::int32_t k) {
  return kCustomerOfDraw[static_cast<std::size_t>(k)];
}

bool ChooseVisitor(GameState& s, Random& random) {
  s.EventActive = kTrue;
  s.VisitorPicture = CustomerPictureOfDraw(Int(random.Rnd() * 45));
  const std::int32_t h = Int(random.Rnd() * 15);
  s.EventCode = 0;
  if (ChooseStoryVisitor(s, h)) return true;

  s.CustomerBuys = kTrue;
  if (Int(random.Rnd() * 11) == 0) s.CustomerBuys = kFalse;
  if (s.StockCount == 0 && s.CustomerBuys == kTrue) {
    s.EventActive = kFalse;
    return false;
  }
  return true;
}

}  // namespace tolmark::shop
