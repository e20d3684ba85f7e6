// The rules the soak checks after every input.
#include "headless/soak_rules.h"

#include <array>
#include <set>

#include "game/scene_list.h"
#include "model/progression.h"

namespace tolmark {
namespace {

struct NamedFlag {
  const char* name;
  Flag GameState::*flag;
};

// Every single flag of the state (Collected is checked as an array).
constexpr std::array<NamedFlag, 34> kFlags = {{
    {"DemonsDefeated", &GameState::DemonsDefeated},
    {"GameCleared", &GameState::GameCleared},
    {"AlwaysOnTop", &GameState::AlwaysOnTop},
    {"AutoMode", &GameState::AutoMode},
    {"AwaitingAnswer", &GameState::AwaitingAnswer},
    {"InterruptPrompt", &GameState::InterruptPrompt},
    {"MessageBusy", &GameState::MessageBusy},
    {"StartingUp", &GameState::StartingUp},
    {"EventActive", &GameState::EventActive},
    {"CommandBusy", &GameState::CommandBusy},
    {"TickFromDialogue", &GameState::TickFromDialogue},
    {"AutoAnswerPending", &GameState::AutoAnswerPending},
    {"FixedWaitMessage", &GameState::FixedWaitMessage},
    {"HeroFainted", &GameState::HeroFainted},
    {"ReturnedHome", &GameState::ReturnedHome},
    {"Homebound", &GameState::Homebound},
    {"WagonHired", &GameState::WagonHired},
    {"LoadSucceeded", &GameState::LoadSucceeded},
    {"SaveChosen", &GameState::SaveChosen},
    {"LevelUpPending", &GameState::LevelUpPending},
    {"ShopOpen", &GameState::ShopOpen},
    {"CustomerBuys", &GameState::CustomerBuys},
    {"ItemListOpen", &GameState::ItemListOpen},
    {"StatusOpen", &GameState::StatusOpen},
    {"CollectionListOpen", &GameState::CollectionListOpen},
    {"OrderListOpen", &GameState::OrderListOpen},
    {"MarketListsShut", &GameState::MarketListsShut},
    {"MarketDealDone", &GameState::MarketDealDone},
    {"BossBattle", &GameState::BossBattle},
    {"BossBeatenThisTrip", &GameState::BossBeatenThisTrip},
    {"FieldStop", &GameState::FieldStop},
    {"StepEventDone", &GameState::StepEventDone},
    {"CarriageLeaving", &GameState::CarriageLeaving},
    {"CarriagePlainOffer", &GameState::CarriagePlainOffer},
}};

bool IsFlagValue(Flag f) { return f == kTrue || f == kFalse; }

std::string Is(const char* name, std::int64_t value) {
  return std::string(name) + " is " + std::to_string(value);
}

std::optional<std::string> BrokenFlag(const GameState& s) {
  for (const NamedFlag& f : kFlags) {
    if (!IsFlagValue(s.*f.flag)) return Is(f.name, s.*f.flag) + ", a flag is -1 or 0";
  }
  for (std::size_t i = 0; i < s.Collected.size(); ++i) {
    if (!IsFlagValue(s.Collected[i])) {
      return "Collected[" + std::to_string(i) + "] is " + std::to_string(s.Collected[i]) +
             ", a flag is -1 or 0";
    }
  }
  return std::nullopt;
}

std::optional<std::string> BrokenStock(const GameState& s) {
  if (s.StockCount < 0 || s.StockCount > kWeaponCount) return Is("StockCount", s.StockCount);
  if (s.StockCount > s.StockCapacity) {
    return Is("StockCount", s.StockCount) + ", above StockCapacity " +
           std::to_string(s.StockCapacity);
  }
  std::set<std::int32_t> weapons;
  for (std::int32_t i = 0; i < s.StockCount; ++i) {
    const StockEntry& e = s.ShopStock[static_cast<std::size_t>(i)];
    const std::string row = "ShopStock[" + std::to_string(i) + "]";
    if (e.Count < 1 || e.Count > kMostPiecesInStock) {
      return row + ".Count is " + std::to_string(e.Count) + ", outside 1..50";
    }
    if (!weapons.insert(e.WeaponId).second) {
      return row + " holds weapon " + std::to_string(e.WeaponId) + " a second time";
    }
  }
  return std::nullopt;
}

std::optional<std::string> BrokenBag(const GameState& s) {
  if (s.BagCount < 0 || s.BagCount > kBagSlots) return Is("BagCount", s.BagCount);
  std::int64_t pieces = 0;
  for (std::int32_t i = 0; i < s.BagCount; ++i) pieces += s.Bag[static_cast<std::size_t>(i)].Count;
  if (pieces != s.BagPieces) {
    return Is("BagPieces", s.BagPieces) + ", the bag holds " + std::to_string(pieces);
  }
  return std::nullopt;
}

std::optional<std::string> BrokenHeroNumbers(const GameState& s, bool marked) {
  // A find on the road may leave -1 in HP or Gold until the next click settles it.
  const std::int32_t least = marked ? -1 : 0;
  if (s.HP < least || s.HP > s.MaxHP) {
    return Is("HP", s.HP) + ", outside " + std::to_string(least) + ".." + std::to_string(s.MaxHP);
  }
  if (s.Gold < least || s.Gold > kGoldCap) {
    return Is("Gold", s.Gold) + ", outside " + std::to_string(least) + ".." +
           std::to_string(kGoldCap);
  }
  if (s.Reputation < 0 || s.Reputation > kMaxReputation) {
    return Is("Reputation", s.Reputation) + ", outside 0..999";
  }
  return std::nullopt;
}

// The scene the game plays: the one SceneName names, which is on screen; while the window of
// the scene left lingers beside it, that one.
const SceneRow& SceneOf(const GameState& s, const HeadlessDesktop& desk) {
  for (const SceneRow* row : kSceneList) {
    if (row->name == s.SceneName && desk.IsOpen(row->window)) return *row;
  }
  const Window shown = *desk.SceneOnScreen();
  for (const SceneRow* row : kSceneList) {
    if (row->window == shown) return *row;
  }
  return *kSceneList.front();
}

std::optional<std::string> BrokenWindows(const GameState& s, const HeadlessDesktop& desk) {
  std::string onScreen;
  int scenes = 0;
  bool enteredShown = false;
  for (const SceneRow* row : kSceneList) {
    if (!desk.IsOpen(row->window)) continue;
    ++scenes;
    onScreen += ' ' + std::string(WindowName(row->window));
    enteredShown = enteredShown || row->entryCode == s.SceneEntry;
  }
  // Handing over, the window of the scene left stays until its next tick sees the new entry
  // code and closes it.
  const bool handingOver = scenes == 2 && enteredShown;
  if (scenes != 1 && !handingOver) {
    return std::to_string(scenes) + " scene windows are on screen, not 1:" + onScreen;
  }
  const SceneRow& scene = SceneOf(s, desk);
  bool smallWindowShown = false;
  for (const SceneRow* row : kSceneList) {
    // A scene that has left took its small windows with it.
    if (row != &scene) {
      for (const SmallWindow& small : row->windows) {
        if (desk.IsOpen(small.window)) {
          return std::string(WindowName(small.window)) + " is open, but its scene " +
                 std::string(WindowName(row->window)) + " is not on screen";
        }
      }
      continue;
    }
    for (const SmallWindow& small : row->windows) {
      smallWindowShown = smallWindowShown || desk.IsOpen(small.window);
      if (small.openFlag == nullptr) continue;
      const bool flagged = s.*small.openFlag != kFalse;
      if (flagged != desk.IsOpen(small.window)) {
        return std::string(WindowName(small.window)) +
               (desk.IsOpen(small.window) ? " is open" : " is closed") + " but its flag is " +
               std::to_string(s.*small.openFlag);
      }
    }
  }
  if (scene.breach != nullptr && smallWindowShown) {
    if (auto breach = scene.breach(s)) {
      return std::string(WindowName(scene.window)) + "'s own rule: " + *breach;
    }
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::string> FirstBrokenRule(const GameState& s, const HeadlessDesktop& desk) {
  if (auto broken = BrokenFlag(s)) return broken;
  if (auto broken = BrokenStock(s)) return broken;
  if (auto broken = BrokenBag(s)) return broken;
  if (auto broken = BrokenWindows(s, desk)) return broken;
  return BrokenHeroNumbers(s, SceneOf(s, desk).marksNumbers);
}

}  // namespace tolmark
