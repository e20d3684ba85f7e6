// The one set of shared game variables: every scene, window and rule reads and writes these.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "model/step_codes.h"
#include "model/window.h"

namespace tolmark {

// How the next scene is entered (SceneEntry): leaving the shop, coming home, reaching the gate.
namespace entry {
inline constexpr std::int16_t kToField = 2;
inline constexpr std::int16_t kToShop = 4;
inline constexpr std::int16_t kToTown = 6;
}  // namespace entry

// Where a trip goes (Destination).
namespace destination {
inline constexpr std::int32_t kTotem = 1;    // トーテム山
inline constexpr std::int32_t kTown = 2;     // アーウット
inline constexpr std::int32_t kCastle = 3;   // モノリス城
inline constexpr std::int32_t kDemons = 4;   // デモンズ山脈
}  // namespace destination

// A 16-bit flag. True is always stored as -1: several rules compare with -1 exactly.
using Flag = std::int16_t;
inline constexpr Flag kTrue = -1;
inline constexpr Flag kFalse = 0;
constexpr Flag AsFlag(bool b) { return b ? kTrue : kFalse; }

inline constexpr int kWeaponCount = 61;   // catalogue rows 0..60
inline constexpr int kMonsterCount = 29;  // monster rows 0..28
inline constexpr int kBagSlots = 101;
inline constexpr int kOrderRows = 4;
inline constexpr int kMarketRows = 10;
inline constexpr int kPurchaseRows = 10;

// Visitor picture meaning "nobody there".
inline constexpr std::int32_t kNoVisitor = 9999;

struct WeaponRecord {
  std::int32_t Id = 0;
  std::string Name;
  std::string Description;
  std::int32_t Price = 0;
};

struct StockEntry {
  std::int32_t WeaponId = 0;
  std::int32_t Count = 0;
  friend bool operator==(const StockEntry&, const StockEntry&) = default;
};

struct OrderEntry {
  std::string Name;
  std::int32_t WeaponId = 0;
  std::int32_t Wanted = 0;
};

struct MarketEntry {
  std::string Name;
  std::int32_t WeaponId = 0;
  std::int32_t Count = 0;
  std::int32_t BasePrice = 0;
  std::int32_t OfferPrice = 0;
};

struct PurchaseEntry {
  std::string Name;
  std::int32_t WeaponId = 0;
  std::int32_t Count = 0;
  std::int32_t Price = 0;
};

struct MonsterRecord {
  std::int32_t Picture = 0;
  std::string Name;
  std::int32_t HP = 0;
  std::int32_t Attack = 0;
  std::int32_t Defense = 0;
  std::int32_t Speed = 0;
  std::int32_t HPGrowth = 0;
  std::int32_t AttackGrowth = 0;
  std::int32_t DefenseGrowth = 0;
  std::int32_t SpeedGrowth = 0;
  std::int32_t Exp = 0;
  std::int32_t Gold = 0;
  std::int32_t Frames = 0;
};

struct GameState {
  // Hero and economy (saved).
  std::int32_t Level = 0;
  std::int32_t Experience = 0;
  std::int32_t NextLevelExp = 0;
  std::int32_t MaxHP = 0;
  std::int32_t HP = 0;
  std::int32_t Attack = 0;
  std::int32_t Defense = 0;
  std::int32_t Speed = 0;
  std::int32_t GrowthRate = 0;
  std::int32_t Gold = 0;
  std::int32_t Reputation = 0;
  std::int16_t ShopRank = 0;
  std::int32_t Chapter = 0;
  std::int32_t StoryState = 0;
  Flag DemonsDefeated = kFalse;
  Flag GameCleared = kFalse;

  // Clear-report counters (saved).
  std::int32_t WinsCount = 0;
  std::int32_t EscapesCount = 0;
  std::int32_t DefeatsCount = 0;
  std::int32_t SalesCount = 0;
  std::int32_t PurchasesCount = 0;
  std::int32_t RefusalsCount = 0;
  std::int32_t DemonDealsCount = 0;
  std::int32_t CollectedCount = 0;

  // Inventories.
  std::array<WeaponRecord, kWeaponCount> Catalogue{};
  std::array<StockEntry, kWeaponCount> ShopStock{};
  std::int32_t StockCount = 0;
  std::int32_t StockCapacity = 0;
  std::array<StockEntry, kBagSlots> Bag{};
  std::int32_t BagCount = 0;
  std::int32_t BagPieces = 0;
  std::int32_t BagCapacity = 0;
  std::int32_t SavedBagCapacity = 0;
  std::array<Flag, kWeaponCount> Collected{};
  std::array<OrderEntry, kOrderRows> RoyalOrder{};
  std::array<MarketEntry, kMarketRows> MarketGoods{};
  std::array<PurchaseEntry, kPurchaseRows> TownPurchases{};
  std::int32_t TownPurchaseCount = 0;
  std::array<MonsterRecord, kMonsterCount> Monsters{};

  // Options (not saved; they survive scene changes).
  std::int16_t TickInterval = 1000;
  std::int16_t MessagePause = 2000;
  Flag AlwaysOnTop = kFalse;
  Flag AutoMode = kFalse;

  // Scene and dialogue control.
  std::string SceneName;
  Window ActiveScene = Window::frmShop;
  std::int16_t SceneEntry = 0;
  std::int32_t PendingAction = code::Idle;
  std::int32_t SavedAction = code::Idle;
  Flag AwaitingAnswer = kFalse;
  std::int16_t Answer = 0;
  Flag InterruptPrompt = kFalse;
  std::int16_t InterruptAnswer = 0;
  Flag MessageBusy = kFalse;
  Flag StartingUp = kFalse;
  Flag EventActive = kFalse;
  Flag CommandBusy = kFalse;
  Flag TickFromDialogue = kFalse;
  Flag AutoAnswerPending = kFalse;
  Flag FixedWaitMessage = kFalse;
  Flag HeroFainted = kFalse;
  Flag ReturnedHome = kFalse;
  Flag Homebound = kFalse;
  Flag WagonHired = kFalse;
  Flag LoadSucceeded = kFalse;
  Flag SaveChosen = kFalse;
  Flag LevelUpPending = kFalse;
  std::int32_t Destination = 0;
  Flag ShopOpen = kFalse;
  Flag CustomerBuys = kFalse;
  Flag ItemListOpen = kFalse;
  Flag StatusOpen = kFalse;
  Flag CollectionListOpen = kFalse;
  Flag OrderListOpen = kFalse;
  std::int32_t SelectedRow = 0;
  std::int32_t SelectedBuyRow = 0;
  // The market's lists take no clicks: from the dealer's total until the hero says no or gives up.
  Flag MarketListsShut = kFalse;
  // The visit's deal is done: the list is paid for, or leaving without it was agreed. Nothing
  // reopens the lists or offers 買う and 帰る again until the next visit to the town.
  Flag MarketDealDone = kFalse;

  // Scene figures (screen units).
  std::int32_t HeroX = 0;
  std::int32_t HeroY = 0;
  std::int32_t HeroFrame = 0;
  std::int32_t HeroPicture = 134;
  std::int16_t ShopSign = 44;
  std::int32_t VisitorPicture = kNoVisitor;
  std::int32_t VisitorFrames = 0;
  std::int32_t VisitorX = 0;
  std::int32_t VisitorY = 0;
  std::int32_t VisitorFrame = 0;
  std::int32_t ScenePhase = 0;
  std::int32_t CompanionX = 0;
  std::int32_t CompanionY = 0;
  std::int32_t CompanionFrame = 0;
  std::int32_t SavedHeroX = 0;
  std::int32_t SavedHeroY = 0;
  std::int32_t LandmarkPicture = 0;
  std::int32_t LandmarkX = 0;
  std::int32_t BalloonSideX = 0;
  std::int32_t FieldStepX = 0;
  std::int32_t FieldStartX = 0;
  std::int32_t FieldSteps = 0;
  std::int32_t SlideOffset = 0;

  // Deal and battle scratch values.
  std::int32_t CurrentItem = 0;
  std::int32_t ItemPrice = 0;
  std::int32_t DealAmount = 0;
  std::int32_t DealReputation = 0;
  std::int32_t EventCode = 0;
  std::int32_t SpecialItem = 0;
  std::string MonsterName;
  std::int32_t MonsterHP = 0;
  std::int32_t MonsterAttack = 0;
  std::int32_t MonsterDefense = 0;
  std::int32_t MonsterSpeed = 0;
  std::int32_t MonsterGold = 0;
  std::int32_t MonsterExp = 0;
  std::int32_t MonsterLevel = 0;
  std::int32_t Damage = 0;
  std::int32_t BattleRoll = 0;
  std::int32_t HitRoll = 0;
  Flag BossBattle = kFalse;
  Flag BossBeatenThisTrip = kFalse;
  Flag FieldStop = kFalse;
  Flag StepEventDone = kFalse;
  Flag CarriageLeaving = kFalse;
  Flag CarriagePlainOffer = kFalse;
  std::int32_t FieldEventItem = 0;
  std::int32_t EventNumber = 0;
  std::int32_t CardShown = 0;
  std::int32_t CardDrawn = 0;
  std::int32_t CardStake = 0;
  std::int32_t CardRound = 0;
  std::int16_t CardGuess = 0;
};

// The new-game values: catalogue and monster table built, hero, money, shop, order, stock,
// collected flags and counters as a fresh game has them, speed normal, not homebound.
void ApplyNewGame(GameState& s);

// What every shop start resets, new game or home-coming alike.
void ApplyShopStartReset(GameState& s);

}  // namespace tolmark
