// The king's greeting, the delivery of the royal order and its payment.
#include "town/castle_delivery.h"

#include <algorithm>
#include <array>
#include <limits>

#include "model/inventory.h"
#include "model/language.h"
#include "model/numbers.h"
#include "town/town_codes.h"

namespace tolmark::town {
namespace {

constexpr std::array<LineRow, 1> kClearedRows = {{
    {code::KingGreets, Speaker::Visitor, castle_line::kWellDone, code::HeroAnswers},
}};
static_assert(SortedByCode(kClearedRows));

constexpr std::array<LineRow, 6> kVisitRows = {{
    {code::KingGreets, Speaker::Visitor, castle_line::kAreYouTheDealer, code::HeroAnswers},
    {code::HeroAnswers, Speaker::Hero, castle_line::kBringingWeapons, code::KingAsksToSee},
    {code::KingAsksToSee, Speaker::Visitor, castle_line::kLetMeSee, code::Deliver},
    {code::NothingBrought, Speaker::Visitor, castle_line::kNextTime, code::HeroTakesLeave},
    {code::KingAsksAgain, Speaker::Visitor, castle_line::kAgainPlease, code::HeroTakesLeave},
    {code::HeroTakesLeave, Speaker::Hero, castle_line::kComeAgain, code::LeaveCastle},
}};
static_assert(SortedByCode(kVisitRows));

// The order row that is counted in suits of armour rather than pieces.
constexpr std::int32_t kSuitsRow = 3;

std::int32_t CataloguePrice(const GameState& s, std::int32_t weapon) {
  if (weapon < 0 || weapon >= kWeaponCount) return 0;
  return s.Catalogue[static_cast<std::size_t>(weapon)].Price;
}

// The bag's first entry of the weapon, or -1.
std::int32_t BagEntryOf(const GameState& s, std::int32_t weapon) {
  const auto used = UsedEntriesOf(s.Bag, s.BagCount);
  for (std::size_t i = 0; i < used.size(); ++i) {
    if (used[i].WeaponId == weapon) return static_cast<std::int32_t>(i);
  }
  return -1;
}

// The entry leaves the bag; those after it move up one place.
void RemoveBagEntry(GameState& s, std::int32_t i) {
  const auto used = UsedEntriesOf(s.Bag, s.BagCount);
  std::move(used.begin() + i + 1, used.end(), used.begin() + i);
  used.back() = {};
  s.BagCount = static_cast<std::int32_t>(used.size()) - 1;
}

std::int32_t ClampToMoney(std::int64_t v) {
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(
      v, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

}  // namespace

Lines CastleScript(const GameState& s) {
  if (s.GameCleared != kFalse) return kClearedRows;
  return kVisitRows;
}

void ReplayEnding(GameState& s) { s.PendingAction = code::Epilogue; }

std::string DeliveryRowLine(const OrderEntry& order, std::int32_t orderRow, std::int32_t pieces) {
  // Each count is its own pattern where it is filled, so that the catalogue knows it as counted.
  if (orderRow == kSuitsRow) {
    return FillCount("{weapon}を{n}具戴くぞ", pieces, {{"weapon", order.Name}});
  }
  return FillCount("{weapon}を{n}本戴くぞ", pieces, {{"weapon", order.Name}});
}

DeliveryOutcome DeliverRoyalOrder(GameState& s, const DeliveryLineSink& sayRow) {
  DeliveryOutcome outcome;
  s.DealAmount = 0;
  s.PendingAction = code::Counting;
  for (std::int32_t r = 0; r < kOrderRows; ++r) {
    OrderEntry& order = s.RoyalOrder[static_cast<std::size_t>(r)];
    if (order.Wanted < 1) continue;
    const std::int32_t i = BagEntryOf(s, order.WeaponId);
    if (i < 0) continue;
    StockEntry& carried = s.Bag[static_cast<std::size_t>(i)];
    const bool wholeEntry = order.Wanted >= carried.Count;
    const std::int32_t pieces = wholeEntry ? carried.Count : order.Wanted;
    const std::string line = DeliveryRowLine(order, r, pieces);

    const std::int64_t worth =
        static_cast<std::int64_t>(CataloguePrice(s, order.WeaponId)) * pieces;
    s.DealAmount = CLng(static_cast<double>(worth) * 1.2 + s.DealAmount);
    SubtractFrom(s.BagPieces, pieces);
    if (wholeEntry) {
      order.Wanted -= pieces;
      RemoveBagEntry(s, i);
    } else {
      carried.Count -= pieces;
      order.Wanted = 0;
    }
    ++outcome.rowsDelivered;
    if (sayRow) sayRow(line);
  }

  if (outcome.rowsDelivered == 0) {
    s.PendingAction = code::NothingBrought;
    outcome.next = code::NothingBrought;
    outcome.line = castle_line::kNothingBrought;
    return outcome;
  }
  if (s.WagonHired != kFalse) {
    s.DealAmount = ClampToMoney(std::int64_t{s.DealAmount} + kWagonFareRefund);
  }
  // The king pays in full, past the purse's usual ceiling if need be.
  s.Gold = ClampToMoney(std::int64_t{s.Gold} + s.DealAmount);
  if (s.BossBeatenThisTrip != kFalse) {
    s.PendingAction = code::KingPaysInFull;
    outcome.next = code::KingPaysInFull;
    return outcome;
  }
  s.PendingAction = code::KingPays;
  outcome.next = code::KingPays;
  outcome.line = castle_line::kStillShort;
  return outcome;
}

Outcome PaymentTalk(const GameState& s) {
  const std::string amount = std::to_string(s.DealAmount);
  const std::string_view pattern =
      s.WagonHired != kFalse ? castle_line::kPaidWithWagon : castle_line::kPaidForWeapons;
  return Says(Speaker::Visitor, Fill(pattern, {{"amount", amount}}), code::KingAsksAgain);
}

}  // namespace tolmark::town
