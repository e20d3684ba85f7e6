// Trade arithmetic: drawn weapons and prices, payments, stock moves, reputation and HP.
#include "shop/deal.h"

#include <algorithm>

#include "model/inventory.h"
#include "model/numbers.h"
#include "model/progression.h"
#include "shop/shop_codes.h"

namespace tolmark::shop {
namespace {

constexpr std::int32_t kPriest = 60;
constexpr std::int32_t kTravellingMerchant = 26;
constexpr std::int32_t kRichLady = 90;

}  // namespace

std::int32_t DrawBroughtWeapon(std::int32_t chapter, Random& random) {
  std::int32_t b = 0;
  switch (chapter) {
    case 1:
      b = Int(random.Rnd() * 13);
      break;
    case 2:
      do {
        b = Int(random.Rnd() * 33);
      } while (InRange(b, 13, 19));
      break;
    case 3:
    case 4:
      do {
        b = Int(random.Rnd() * 53);
      } while (InRange(b, 13, 19) || InRange(b, 33, 39));
      break;
    default:
      break;
  }
  return b;
}

void PrepareDeal(GameState& s, Random& random) {
  bool buyer = s.CustomerBuys != kFalse;
  if (!buyer) {
    s.CurrentItem = DrawBroughtWeapon(s.Chapter, random);
    const std::int32_t row = StockRowOf(s, s.CurrentItem);
    if (row >= 0 && s.ShopStock[static_cast<std::size_t>(row)].Count == kMostPiecesStocked) {
      s.CustomerBuys = kTrue;
      buyer = true;
    } else {
      const std::int32_t p = s.Catalogue[static_cast<std::size_t>(s.CurrentItem)].Price;
      s.ItemPrice = Int(random.Rnd() * (IntDiv(p, 2) + 1)) + IntDiv(p, 4);
      if (s.AutoMode == kTrue) s.ItemPrice = Int(s.ItemPrice * 1.1);
    }
  }
  if (buyer) {
    // A count out of range (a tampered save) draws among the rows the list really has.
    const std::size_t rows = UsedEntriesOf(s.ShopStock, s.StockCount).size();
    const std::int32_t row = Int(random.Rnd() * static_cast<double>(rows));
    s.CurrentItem = s.ShopStock[static_cast<std::size_t>(row)].WeaponId;
    // Only a tampered save holds a weapon number outside the catalogue; it sells for nothing.
    const bool known = s.CurrentItem >= 0 && s.CurrentItem < kWeaponCount;
    const std::int32_t price = known ? s.Catalogue[static_cast<std::size_t>(s.CurrentItem)].Price : 0;
    s.ItemPrice = s.AutoMode == kTrue ? Int(price * 0.9) : price;
  }
  s.DealReputation = DrawLevelWeight(s, random);
}

void SellToCustomer(GameState& s, Random& random) {
  s.Answer = 0;
  if (Int(random.Rnd() * 51) == 0) {
    s.PendingAction = code::ShortOfMoney;
    if (s.VisitorPicture == kRichLady) {
      s.DealAmount = Int(random.Rnd() * s.ItemPrice) + 1;
      AddCapped(s, s.DealAmount, CappedKind::Gold);
      RemoveOneFromStock(s);
    }
  } else {
    s.PendingAction = code::DealDone;
    RemoveOneFromStock(s);
    AddCapped(s, s.ItemPrice, CappedKind::Gold);
    GainReputation(s, s.DealReputation);
  }
  AddCapped(s, 1, CappedKind::SalesCount);
  PayDealHP(s, random);
}

bool BuyFromCustomer(GameState& s, Random& random) {
  s.Answer = 0;
  if (s.Gold < s.ItemPrice) {
    s.PendingAction = code::ShortOfMoney;
    switch (s.VisitorPicture) {
      case kTravellingMerchant:
        s.Gold = 0;
        AddOneToStock(s);  // a full stock leaves code::NoRoomInStock for the next click
        break;
      case kPriest:
        AddOneToStock(s);
        break;
      case kRichLady:
        s.DealAmount = LivingCost(s);
        AddCapped(s, s.DealAmount, CappedKind::Gold);
        break;
      default:
        break;
    }
  } else {
    s.PendingAction = code::DealDone;
    AddOneToStock(s);
    // Turned away before anything is paid.
    if (s.PendingAction == code::NoRoomInStock) return false;
    SubtractFrom(s.Gold, s.ItemPrice);
    GainReputation(s, s.DealReputation);
  }
  AddCapped(s, 1, CappedKind::PurchasesCount);
  PayDealHP(s, random);
  return true;
}

void RefuseDeal(GameState& s, Random& random) {
  s.Answer = 0;
  AddCapped(s, 1, CappedKind::RefusalsCount);
  s.PendingAction = code::DealRefused;
  const std::int32_t r = DrawLevelWeight(s, random);
  LoseReputation(s, SatMul(SatAdd(s.DealReputation, r), 2));
}

void TurnAwayForNoRoom(GameState& s) {
  LoseReputation(s, SatMul(s.Level, 3));
  s.PendingAction = code::DealRefused;
}

std::int32_t LivingCost(const GameState& s) {
  const std::int32_t rankPart = s.ShopRank == 1 ? 300 : s.ShopRank == 2 ? 1000 : 5000;
  return SatAdd(SatMul(s.Level, 50), rankPart);
}

}  // namespace tolmark::shop
