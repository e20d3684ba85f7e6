// Building the catalogue and the town market from the weapon table.
#include "model/weapons.h"

#include "model/numbers.h"
#include "model/random.h"

namespace tolmark {
namespace {

constexpr std::array<std::int32_t, kMarketRows> kMarketChoice1 = {12, 32, 46, 27, 4,
                                                                  31, 51, 41, 40, 26};
constexpr std::array<std::int32_t, kMarketRows> kMarketChoice0 = {24, 48, 30, 21, 7,
                                                                  47, 23, 52, 41, 44};

}  // namespace

void BuildCatalogue(GameState& s) {
  for (std::size_t i = 0; i < kWeapons.size(); ++i) {
    const WeaponRow& row = kWeapons[i];
    s.Catalogue[i] = WeaponRecord{row.id, std::string(row.name), std::string(row.description),
                                  row.price};
  }
}

void BuildMarketGoods(GameState& s, int choice, Random& random) {
  const auto& ids = choice != 0 ? kMarketChoice1 : kMarketChoice0;
  for (std::size_t i = 0; i < ids.size(); ++i) {
    const WeaponRow& row = kWeapons[static_cast<std::size_t>(ids[i])];
    MarketEntry& entry = s.MarketGoods[i];
    entry.Name = std::string(row.name);
    entry.WeaponId = row.id;
    entry.BasePrice = row.price;
    entry.Count = 10;
  }
  for (MarketEntry& entry : s.MarketGoods) {
    do {
      random.Reseed();
      entry.OfferPrice = Int(random.Rnd() * entry.BasePrice * 0.7);
    } while (entry.OfferPrice < IntDiv(entry.BasePrice, 2));
  }
}

std::string_view WeaponNameOf(const GameState& s, std::int32_t weaponId) {
  if (weaponId < 0 || weaponId >= kWeaponCount) return kUnknownWeaponName;
  return s.Catalogue[static_cast<std::size_t>(weaponId)].Name;
}

}  // namespace tolmark
