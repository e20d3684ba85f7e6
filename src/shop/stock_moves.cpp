// Lots moved between the stock and the wagon or the carpenter.
#include "shop/stock_moves.h"

#include <algorithm>
#include <iterator>

#include "model/inventory.h"
#include "model/language.h"
#include "model/numbers.h"
#include "model/weapons.h"
#include "shop/story_scripts.h"

namespace tolmark::shop {

std::int32_t LoadWagon(GameState& s) {
  s.SavedBagCapacity = s.BagCapacity;
  s.BagCapacity = kWagonLoadLimit;
  s.BagPieces = 0;
  s.BagCount = 0;
  for (const OrderEntry& order : s.RoyalOrder) {
    if (order.Wanted != 0) {
      const std::int32_t row = StockRowOf(s, order.WeaponId);
      if (row >= 0) {
        StockEntry& stock = s.ShopStock[static_cast<std::size_t>(row)];
        StockEntry& load = s.Bag[static_cast<std::size_t>(s.BagCount)];
        load = StockEntry{order.WeaponId, 0};
        ++s.BagCount;
        const std::int32_t room = s.BagCapacity - s.BagPieces;
        const std::int32_t wanted = std::min(order.Wanted, stock.Count);
        if (wanted <= room) {
          load.Count = wanted;
          AddTo(s.BagPieces, wanted);
          if (wanted == stock.Count) {
            RemoveStockRow(s, row);
          } else {
            stock.Count -= wanted;
          }
        } else {
          load.Count = room;
          stock.Count -= room;
          s.BagPieces = s.BagCapacity;
        }
      }
    }
    if (s.BagPieces == s.BagCapacity) break;
  }
  return s.BagPieces;
}

bool TakeHolyBeastWeapons(GameState& s) {
  for (std::int32_t weapon : kHolyBeastWeapons) {
    if (StockRowOf(s, weapon) < 0) return false;
  }
  for (std::int32_t weapon : kHolyBeastWeapons) {
    RemoveStockRow(s, StockRowOf(s, weapon));
  }
  return true;
}

std::optional<std::string> AddStrongestSword(GameState& s) {
  const std::int32_t row = StockRowOf(s, kStrongestSword);
  if (row >= 0) {
    StockEntry& entry = s.ShopStock[static_cast<std::size_t>(row)];
    if (entry.Count + 1 > kMostPiecesStocked) {
      entry.Count = kMostPiecesStocked;
      return Fill(story_line::kTooMany,
                  {{"weapon", s.Catalogue[static_cast<std::size_t>(kStrongestSword)].Name}});
    }
    ++entry.Count;
    return std::nullopt;
  }
  // No place for a new kind: the list is full, or its count is out of range (a tampered save).
  if (s.StockCount < 0 || s.StockCount >= std::ssize(s.ShopStock)) return std::nullopt;
  s.ShopStock[static_cast<std::size_t>(s.StockCount)] = StockEntry{kStrongestSword, 1};
  ++s.StockCount;
  MarkCollected(s, kStrongestSword);
  return std::nullopt;
}

}  // namespace tolmark::shop
