// The one table of game state fields by name, and the reader, writer and JSON printer built on it.
#include "model/state_fields.h"

#include <array>
#include <charconv>
#include <concepts>
#include <limits>
#include <span>
#include <type_traits>
#include <variant>
#include <vector>

#include "model/inventory.h"
#include "model/utf8_sequence.h"

namespace tolmark {
namespace {

template <class T, class U>
concept Is = std::same_as<std::remove_const_t<T>, U>;

// A 16-bit field that holds a flag: it reads and writes as -1 / 0.
template <class T>
struct FlagField {
  T& value;
};
template <class T>
FlagField(T&) -> FlagField<T>;

// An array of flags (Collected).
template <class A>
struct FlagArray {
  A& entries;
};
template <class A>
FlagArray(A&) -> FlagArray<A>;

// An array of which only the first `count` entries are in use; the rest is stale.
template <class A>
struct UsedEntries {
  A& entries;
  std::int32_t count;
};
template <class A>
UsedEntries(A&, std::int32_t) -> UsedEntries<A>;

// ---- The table: every field of every record and of the state, each listed once. ----

void Members(Is<WeaponRecord> auto& r, auto&& v) {
  v("Id", r.Id);
  v("Name", r.Name);
  v("Description", r.Description);
  v("Price", r.Price);
}

void Members(Is<StockEntry> auto& r, auto&& v) {
  v("WeaponId", r.WeaponId);
  v("Count", r.Count);
}

void Members(Is<OrderEntry> auto& r, auto&& v) {
  v("Name", r.Name);
  v("WeaponId", r.WeaponId);
  v("Wanted", r.Wanted);
}

void Members(Is<MarketEntry> auto& r, auto&& v) {
  v("Name", r.Name);
  v("WeaponId", r.WeaponId);
  v("Count", r.Count);
  v("BasePrice", r.BasePrice);
  v("OfferPrice", r.OfferPrice);
}

void Members(Is<PurchaseEntry> auto& r, auto&& v) {
  v("Name", r.Name);
  v("WeaponId", r.WeaponId);
  v("Count", r.Count);
  v("Price", r.Price);
}

void Members(Is<MonsterRecord> auto& r, auto&& v) {
  v("Picture", r.Picture);
  v("Name", r.Name);
  v("HP", r.HP);
  v("Attack", r.Attack);
  v("Defense", r.Defense);
  v("Speed", r.Speed);
  v("HPGrowth", r.HPGrowth);
  v("AttackGrowth", r.AttackGrowth);
  v("DefenseGrowth", r.DefenseGrowth);
  v("SpeedGrowth", r.SpeedGrowth);
  v("Exp", r.Exp);
  v("Gold", r.Gold);
  v("Frames", r.Frames);
}

void Members(Is<GameState> auto& s, auto&& v) {
  v("Level", s.Level);
  v("Experience", s.Experience);
  v("NextLevelExp", s.NextLevelExp);
  v("MaxHP", s.MaxHP);
  v("HP", s.HP);
  v("Attack", s.Attack);
  v("Defense", s.Defense);
  v("Speed", s.Speed);
  v("GrowthRate", s.GrowthRate);
  v("Gold", s.Gold);
  v("Reputation", s.Reputation);
  v("ShopRank", s.ShopRank);
  v("Chapter", s.Chapter);
  v("StoryState", s.StoryState);
  v("DemonsDefeated", FlagField{s.DemonsDefeated});
  v("GameCleared", FlagField{s.GameCleared});

  v("WinsCount", s.WinsCount);
  v("EscapesCount", s.EscapesCount);
  v("DefeatsCount", s.DefeatsCount);
  v("SalesCount", s.SalesCount);
  v("PurchasesCount", s.PurchasesCount);
  v("RefusalsCount", s.RefusalsCount);
  v("DemonDealsCount", s.DemonDealsCount);
  v("CollectedCount", s.CollectedCount);

  v("Catalogue", s.Catalogue);
  v("ShopStock", UsedEntries{s.ShopStock, s.StockCount});
  v("StockCount", s.StockCount);
  v("StockCapacity", s.StockCapacity);
  v("Bag", UsedEntries{s.Bag, s.BagCount});
  v("BagCount", s.BagCount);
  v("BagPieces", s.BagPieces);
  v("BagCapacity", s.BagCapacity);
  v("SavedBagCapacity", s.SavedBagCapacity);
  v("Collected", FlagArray{s.Collected});
  v("RoyalOrder", s.RoyalOrder);
  v("MarketGoods", s.MarketGoods);
  v("TownPurchases", UsedEntries{s.TownPurchases, s.TownPurchaseCount});
  v("TownPurchaseCount", s.TownPurchaseCount);
  v("Monsters", s.Monsters);

  v("TickInterval", s.TickInterval);
  v("MessagePause", s.MessagePause);
  v("AlwaysOnTop", FlagField{s.AlwaysOnTop});
  v("AutoMode", FlagField{s.AutoMode});

  v("SceneName", s.SceneName);
  v("ActiveScene", s.ActiveScene);
  v("SceneEntry", s.SceneEntry);
  v("PendingAction", s.PendingAction);
  v("SavedAction", s.SavedAction);
  v("AwaitingAnswer", FlagField{s.AwaitingAnswer});
  v("Answer", s.Answer);
  v("InterruptPrompt", FlagField{s.InterruptPrompt});
  v("InterruptAnswer", s.InterruptAnswer);
  v("MessageBusy", FlagField{s.MessageBusy});
  v("StartingUp", FlagField{s.StartingUp});
  v("EventActive", FlagField{s.EventActive});
  v("CommandBusy", FlagField{s.CommandBusy});
  v("TickFromDialogue", FlagField{s.TickFromDialogue});
  v("AutoAnswerPending", FlagField{s.AutoAnswerPending});
  v("FixedWaitMessage", FlagField{s.FixedWaitMessage});
  v("HeroFainted", FlagField{s.HeroFainted});
  v("ReturnedHome", FlagField{s.ReturnedHome});
  v("Homebound", FlagField{s.Homebound});
  v("WagonHired", FlagField{s.WagonHired});
  v("LoadSucceeded", FlagField{s.LoadSucceeded});
  v("SaveChosen", FlagField{s.SaveChosen});
  v("LevelUpPending", FlagField{s.LevelUpPending});
  v("Destination", s.Destination);
  v("ShopOpen", FlagField{s.ShopOpen});
  v("CustomerBuys", FlagField{s.CustomerBuys});
  v("ItemListOpen", FlagField{s.ItemListOpen});
  v("StatusOpen", FlagField{s.StatusOpen});
  v("CollectionListOpen", FlagField{s.CollectionListOpen});
  v("OrderListOpen", FlagField{s.OrderListOpen});
  v("SelectedRow", s.SelectedRow);
  v("SelectedBuyRow", s.SelectedBuyRow);
  v("MarketListsShut", FlagField{s.MarketListsShut});
  v("MarketDealDone", FlagField{s.MarketDealDone});

  v("HeroX", s.HeroX);
  v("HeroY", s.HeroY);
  v("HeroFrame", s.HeroFrame);
  v("HeroPicture", s.HeroPicture);
  v("ShopSign", s.ShopSign);
  v("VisitorPicture", s.VisitorPicture);
  v("VisitorFrames", s.VisitorFrames);
  v("VisitorX", s.VisitorX);
  v("VisitorY", s.VisitorY);
  v("VisitorFrame", s.VisitorFrame);
  v("ScenePhase", s.ScenePhase);
  v("CompanionX", s.CompanionX);
  v("CompanionY", s.CompanionY);
  v("CompanionFrame", s.CompanionFrame);
  v("SavedHeroX", s.SavedHeroX);
  v("SavedHeroY", s.SavedHeroY);
  v("LandmarkPicture", s.LandmarkPicture);
  v("LandmarkX", s.LandmarkX);
  v("BalloonSideX", s.BalloonSideX);
  v("FieldStepX", s.FieldStepX);
  v("FieldStartX", s.FieldStartX);
  v("FieldSteps", s.FieldSteps);
  v("SlideOffset", s.SlideOffset);

  v("CurrentItem", s.CurrentItem);
  v("ItemPrice", s.ItemPrice);
  v("DealAmount", s.DealAmount);
  v("DealReputation", s.DealReputation);
  v("EventCode", s.EventCode);
  v("SpecialItem", s.SpecialItem);
  v("MonsterName", s.MonsterName);
  v("MonsterHP", s.MonsterHP);
  v("MonsterAttack", s.MonsterAttack);
  v("MonsterDefense", s.MonsterDefense);
  v("MonsterSpeed", s.MonsterSpeed);
  v("MonsterGold", s.MonsterGold);
  v("MonsterExp", s.MonsterExp);
  v("MonsterLevel", s.MonsterLevel);
  v("Damage", s.Damage);
  v("BattleRoll", s.BattleRoll);
  v("HitRoll", s.HitRoll);
  v("BossBattle", FlagField{s.BossBattle});
  v("BossBeatenThisTrip", FlagField{s.BossBeatenThisTrip});
  v("FieldStop", FlagField{s.FieldStop});
  v("StepEventDone", FlagField{s.StepEventDone});
  v("CarriageLeaving", FlagField{s.CarriageLeaving});
  v("CarriagePlainOffer", FlagField{s.CarriagePlainOffer});
  v("FieldEventItem", s.FieldEventItem);
  v("EventNumber", s.EventNumber);
  v("CardShown", s.CardShown);
  v("CardDrawn", s.CardDrawn);
  v("CardStake", s.CardStake);
  v("CardRound", s.CardRound);
  v("CardGuess", s.CardGuess);
}

// ---- What kind of value a table entry is. ----

template <class T>
struct IsFlagField : std::false_type {};
template <class T>
struct IsFlagField<FlagField<T>> : std::true_type {};

template <class T>
struct IsFlagArray : std::false_type {};
template <class A>
struct IsFlagArray<FlagArray<A>> : std::true_type {};

template <class T>
struct IsUsedEntries : std::false_type {};
template <class A>
struct IsUsedEntries<UsedEntries<A>> : std::true_type {};

template <class T>
struct IsStdArray : std::false_type {};
template <class T, std::size_t N>
struct IsStdArray<std::array<T, N>> : std::true_type {};

template <class T>
concept Record = Is<T, WeaponRecord> || Is<T, StockEntry> || Is<T, OrderEntry> ||
                 Is<T, MarketEntry> || Is<T, PurchaseEntry> || Is<T, MonsterRecord> ||
                 Is<T, GameState>;

// ---- JSON. ----

// A JSON string; bytes that are not UTF-8 become U+FFFD so the line stays valid JSON.
void AppendJsonString(std::string& out, std::string_view text) {
  static constexpr char kHex[] = "0123456789abcdef";
  out += '"';
  while (!text.empty()) {
    const char c = text[0];
    const std::size_t length = Utf8SequenceLength(text);
    if (length == 0) {
      out += "\\ufffd";
      text.remove_prefix(1);
      continue;
    }
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (c == '\n') {
      out += "\\n";
    } else if (c == '\r') {
      out += "\\r";
    } else if (c == '\t') {
      out += "\\t";
    } else if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
      out += "\\u00";
      out += kHex[(c >> 4) & 0xF];
      out += kHex[c & 0xF];
    } else {
      out.append(text.substr(0, length));
    }
    text.remove_prefix(length);
  }
  out += '"';
}

template <class T>
void AppendJson(std::string& out, const T& value);

template <class A>
void AppendJsonArray(std::string& out, const A& entries, std::size_t count) {
  out += '[';
  for (std::size_t i = 0; i < count; ++i) {
    if (i > 0) out += ',';
    AppendJson(out, entries[i]);
  }
  out += ']';
}

template <class T>
void AppendJson(std::string& out, const T& value) {
  using V = std::remove_cvref_t<T>;
  if constexpr (std::is_same_v<V, std::string>) {
    AppendJsonString(out, value);
  } else if constexpr (std::is_same_v<V, Window>) {
    AppendJsonString(out, WindowName(value));
  } else if constexpr (std::is_integral_v<V>) {
    out += std::to_string(value);
  } else if constexpr (IsFlagField<V>::value) {
    out += std::to_string(value.value);
  } else if constexpr (IsFlagArray<V>::value) {
    AppendJson(out, value.entries);  // flags are numbers in JSON: a plain array
  } else if constexpr (IsUsedEntries<V>::value) {
    const auto used = UsedEntriesOf(value.entries, value.count);
    AppendJsonArray(out, used, used.size());
  } else if constexpr (IsStdArray<V>::value) {
    AppendJsonArray(out, value, value.size());
  } else if constexpr (Record<V>) {
    out += '{';
    bool first = true;
    Members(value, [&](std::string_view name, auto&& member) {
      if (!first) out += ',';
      first = false;
      AppendJsonString(out, name);
      out += ':';
      AppendJson(out, member);
    });
    out += '}';
  } else {
    static_assert(sizeof(V) == 0, "a field type the state table cannot print");
  }
}

// ---- Paths. ----

// One step of a path: a field name or an array index.
using Step = std::variant<std::string, std::size_t>;

bool IsNameChar(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

std::optional<std::vector<Step>> ParsePath(std::string_view path, std::string* error) {
  std::vector<Step> steps;
  std::size_t i = 0;
  auto name = [&]() -> bool {
    const std::size_t start = i;
    while (i < path.size() && IsNameChar(path[i])) ++i;
    if (i == start) return false;
    steps.emplace_back(std::string(path.substr(start, i - start)));
    return true;
  };
  bool ok = name();
  while (ok && i < path.size()) {
    if (path[i] == '.') {
      ++i;
      ok = name();
    } else if (path[i] == '[') {
      const std::size_t close = path.find(']', i);
      std::size_t index = 0;
      const char* first = path.data() + i + 1;
      const char* last = close == std::string_view::npos ? first : path.data() + close;
      const auto [end, ec] = std::from_chars(first, last, index);
      ok = close != std::string_view::npos && first != last && ec == std::errc() && end == last;
      if (ok) steps.emplace_back(index);
      i = ok ? close + 1 : i;
    } else {
      ok = false;
    }
  }
  if (!ok) {
    *error = "bad field name '" + std::string(path) + "'";
    return std::nullopt;
  }
  return steps;
}

// Where a path leads: one scalar of the state.
struct Target {
  FieldKind kind = FieldKind::Number;
  std::int32_t* i32 = nullptr;
  std::int16_t* i16 = nullptr;
  std::string* text = nullptr;
  Window* window = nullptr;
};

template <class T>
bool Resolve(T&& value, std::span<const Step> rest, const std::string& where, Target& out,
             std::string* error);

template <class A>
bool ResolveElement(A& entries, bool flags, std::span<const Step> rest, const std::string& where,
                    Target& out, std::string* error) {
  const std::size_t* index = rest.empty() ? nullptr : std::get_if<std::size_t>(&rest[0]);
  if (index == nullptr) {
    *error = where + " is an array: name one element, " + where + "[i]";
    return false;
  }
  if (*index >= entries.size()) {
    *error = where + " has no element " + std::to_string(*index) + " (0.." +
             std::to_string(entries.size() - 1) + ")";
    return false;
  }
  const std::string element = where + "[" + std::to_string(*index) + "]";
  if constexpr (std::is_same_v<std::remove_cvref_t<decltype(entries[0])>, Flag>) {
    if (flags) return Resolve(FlagField{entries[*index]}, rest.subspan(1), element, out, error);
  }
  return Resolve(entries[*index], rest.subspan(1), element, out, error);
}

template <class T>
bool Resolve(T&& value, std::span<const Step> rest, const std::string& where, Target& out,
             std::string* error) {
  using V = std::remove_cvref_t<T>;
  if constexpr (Record<V>) {
    const std::string* name = rest.empty() ? nullptr : std::get_if<std::string>(&rest[0]);
    if (name == nullptr) {
      *error = where + " is a record: name one of its fields";
      return false;
    }
    bool found = false;
    bool ok = false;
    Members(value, [&](std::string_view member, auto&& field) {
      if (found || member != *name) return;
      found = true;
      const std::string inner = where.empty() ? *name : where + "." + *name;
      ok = Resolve(std::forward<decltype(field)>(field), rest.subspan(1), inner, out, error);
    });
    if (!found) {
      *error = where.empty() ? "no field named " + *name : where + " has no field " + *name;
    }
    return found && ok;
  } else if constexpr (IsFlagArray<V>::value) {
    return ResolveElement(value.entries, true, rest, where, out, error);
  } else if constexpr (IsUsedEntries<V>::value) {
    return ResolveElement(value.entries, false, rest, where, out, error);
  } else if constexpr (IsStdArray<V>::value) {
    return ResolveElement(value, false, rest, where, out, error);
  } else {
    if (!rest.empty()) {
      *error = where + " is a single value";
      return false;
    }
    if constexpr (IsFlagField<V>::value) {
      out = Target{FieldKind::Flag, nullptr, &value.value};
    } else if constexpr (std::is_same_v<V, std::int32_t>) {
      out = Target{FieldKind::Number, &value};
    } else if constexpr (std::is_same_v<V, std::int16_t>) {
      out = Target{FieldKind::Number, nullptr, &value};
    } else if constexpr (std::is_same_v<V, std::string>) {
      out = Target{FieldKind::Text, nullptr, nullptr, &value};
    } else if constexpr (std::is_same_v<V, Window>) {
      out = Target{FieldKind::Window, nullptr, nullptr, nullptr, &value};
    } else {
      static_assert(sizeof(V) == 0, "a field type the state table cannot reach");
    }
    return true;
  }
}

std::optional<Target> Find(GameState& s, std::string_view path, std::string* error) {
  const auto steps = ParsePath(path, error);
  if (!steps) return std::nullopt;
  Target target;
  if (!Resolve(s, *steps, "", target, error)) return std::nullopt;
  return target;
}

bool ParseInteger(std::string_view text, std::int64_t min, std::int64_t max, std::int64_t& out) {
  std::int64_t value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || ec != std::errc() || end != text.data() + text.size()) return false;
  if (value < min || value > max) return false;
  out = value;
  return true;
}

}  // namespace

std::optional<FieldReading> ReadField(const GameState& s, std::string_view path,
                                      std::string* error) {
  // The search hands out writable places; reading through them leaves the state untouched.
  const auto target = Find(const_cast<GameState&>(s), path, error);
  if (!target) return std::nullopt;
  FieldReading reading{target->kind, {}};
  if (target->i32 != nullptr) reading.text = std::to_string(*target->i32);
  if (target->i16 != nullptr) reading.text = std::to_string(*target->i16);
  if (target->text != nullptr) reading.text = *target->text;
  if (target->window != nullptr) reading.text = std::string(WindowName(*target->window));
  return reading;
}

bool WriteField(GameState& s, std::string_view path, std::string_view text, std::string* error) {
  const auto target = Find(s, path, error);
  if (!target) return false;
  std::int64_t number = 0;
  switch (target->kind) {
    case FieldKind::Flag:
      if (text != "-1" && text != "0") {
        *error = std::string(path) + " is a flag: -1 or 0, not '" + std::string(text) + "'";
        return false;
      }
      *target->i16 = text == "-1" ? kTrue : kFalse;
      return true;
    case FieldKind::Number: {
      const bool wide = target->i32 != nullptr;
      const std::int64_t min = wide ? std::numeric_limits<std::int32_t>::min()
                                    : std::numeric_limits<std::int16_t>::min();
      const std::int64_t max = wide ? std::numeric_limits<std::int32_t>::max()
                                    : std::numeric_limits<std::int16_t>::max();
      if (!ParseInteger(text, min, max, number)) {
        *error = std::string(path) + " takes a whole number from " + std::to_string(min) +
                 " to " + std::to_string(max) + ", not '" + std::string(text) + "'";
        return false;
      }
      if (wide) {
        *target->i32 = static_cast<std::int32_t>(number);
      } else {
        *target->i16 = static_cast<std::int16_t>(number);
      }
      return true;
    }
    case FieldKind::Text:
      *target->text = std::string(text);
      return true;
    case FieldKind::Window: {
      const auto window = WindowFromName(text);
      if (!window) {
        *error = std::string(path) + " takes a window name, not '" + std::string(text) + "'";
        return false;
      }
      *target->window = *window;
      return true;
    }
  }
  return false;
}

std::string StateJson(const GameState& s) {
  std::string out;
  AppendJson(out, s);
  return out;
}

}  // namespace tolmark
