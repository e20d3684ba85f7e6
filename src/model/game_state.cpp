// New-game values and the reset every shop start applies.
#include "model/game_state.h"

#include "model/monsters.h"
#include "model/step_codes.h"
#include "model/weapons.h"

namespace tolmark {
namespace {

constexpr std::array<std::int32_t, kOrderRows> kRoyalOrderWeapons = {23, 32, 44, 51};

}  // namespace

void ApplyNewGame(GameState& s) {
  BuildCatalogue(s);
  BuildMonsters(s);

  for (std::size_t i = 0; i < s.RoyalOrder.size(); ++i) {
    const std::int32_t id = kRoyalOrderWeapons[i];
    s.RoyalOrder[i] = OrderEntry{s.Catalogue[static_cast<std::size_t>(id)].Name, id, 50};
  }

  s.Level = 1;
  s.Experience = 0;
  s.NextLevelExp = 30;
  s.MaxHP = 35;
  s.HP = 35;
  s.Attack = 7;
  s.Defense = 5;
  s.Speed = 4;
  s.GrowthRate = 2;
  s.Gold = 1000;
  s.Reputation = 10;
  s.ShopRank = 1;
  s.Chapter = 1;
  s.StoryState = 0;
  s.DemonsDefeated = kFalse;
  s.GameCleared = kFalse;

  s.WinsCount = 0;
  s.EscapesCount = 0;
  s.DefeatsCount = 0;
  s.SalesCount = 0;
  s.PurchasesCount = 0;
  s.RefusalsCount = 0;
  s.DemonDealsCount = 0;

  s.ShopStock.fill(StockEntry{});
  s.ShopStock[0] = {0, 3};
  s.ShopStock[1] = {1, 3};
  s.ShopStock[2] = {2, 3};
  s.StockCount = 3;
  s.StockCapacity = 15;
  s.Bag.fill(StockEntry{});
  s.BagCount = 0;
  s.BagPieces = 0;
  s.BagCapacity = 10;
  s.Collected.fill(kFalse);
  s.Collected[0] = s.Collected[1] = s.Collected[2] = kTrue;
  s.TownPurchaseCount = 0;

  s.TickInterval = 1000;
  s.MessagePause = 2000;
  s.Homebound = kFalse;
}

void ApplyShopStartReset(GameState& s) {
  s.ShopOpen = kFalse;
  s.ItemListOpen = kFalse;
  s.StatusOpen = kFalse;
  s.CollectionListOpen = kFalse;
  s.CustomerBuys = kFalse;
  s.EventActive = kFalse;
  s.AwaitingAnswer = kFalse;
  s.LevelUpPending = kFalse;
  s.InterruptPrompt = kFalse;
  s.ReturnedHome = kFalse;
  s.CommandBusy = kFalse;
  s.AutoMode = kFalse;
  s.DealReputation = 0;
  s.InterruptAnswer = 0;
  s.CurrentItem = 0;
  s.PendingAction = code::Idle;
  s.SavedAction = code::Idle;
  s.TownPurchaseCount = 0;
  s.SelectedRow = 0;
  s.BagCount = 0;
  s.BagPieces = 0;
  s.VisitorPicture = kNoVisitor;
  s.ShopSign = 44;
}

}  // namespace tolmark
