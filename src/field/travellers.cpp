// Who comes along the road and what they say and do, drawing in the order the road rolls.
#include "field/travellers.h"

#include <algorithm>
#include <span>
#include <utility>

#include "art/picture_names.h"
#include "field/card_game.h"
#include "field/field_codes.h"
#include "field/field_operations.h"
#include "field/road_bag.h"
#include "field/roads.h"
#include "model/inventory.h"
#include "model/language.h"
#include "model/monsters.h"
#include "model/numbers.h"
#include "model/progression.h"
#include "model/random.h"
#include "model/weapons.h"
#include "scene/dialogue.h"

namespace tolmark::field {

// clang-format off
const std::array<SacredBeast, 5> kSacredBeasts = {{
  {"朱雀", 169, 1, 19},
  {"白虎", 17,  1, 18},
  {"玄武", 114, 2, 38},
  {"青龍", 158, 2, 39},
  {"麒麟", 125, 3, 58},
}};
// clang-format on

namespace {

// Int(Rnd × n): a whole number from 0 to n - 1.
std::int32_t Draw(Random& random, std::int32_t n) { return Int(random.Rnd() * n); }

std::string Num(std::int32_t n) { return std::to_string(n); }

using enum Traveller;

// clang-format off
constexpr std::array<Traveller, kTravellerRolls> kTravellers = {
  BagSeller, Demon, Rumours, Greeting, Buyer,         //  0..4
  BagSeller, Demon, Rumours, Greeting, Buyer,         //  5..9
  BagSeller, Seller, CardPlayer, Beast, Warning,      // 10..14
  BagSeller, Seller, Beast, Warning, CardPlayer,      // 15..19
};

// The look of an ordinary traveller by c = Int(Rnd × 10).
constexpr std::array<std::int32_t, 10> kTravellerLooks = {27, 46, 52, 61, 67, 73, 79, 85, 91, 27};

constexpr std::array<TravellerLines, 9> kTravellerLines = {{
  {27, "おう、相棒！儲かってるか？",
       "丁度いい所で会ったな。{weapon}を{price}カリムで売ってくれ！",
       "丁度いい所で会ったな。{weapon}を{price}カリムで買い取ってくれ！",
       "相棒～！嬉しくて泣けてくるぜ！", "くそっ！もう二度とお前なんかに頼まねぇぞ！",
       "相棒、いつもありがとうな", "じゃあ、どっかで捨てるかなぁ…"},
  {46, "…人間か。目障りな……",
       "人間！その{weapon}を{price}カリムでくれ",
       "人間！この{weapon}を{price}カリムで引き取ってくれ",
       "……………感謝する", "やはり、人間なんかに頼むべきではなかったか……",
       "ふんっ、商売上手な奴め……", "フンッ！やはり相容れぬ"},
  {52, "モンスターはいないようだな",
       "すまないが、{weapon}を{price}カリムで売ってくれないか？",
       "すまないが、{weapon}を{price}カリムで引き取ってくれないか？",
       "俺の武器が壊れてしまってね。丁度良かったよ！", "……………そうか",
       "これで他の物が持てるよ", "仕方ない、どこかで捨てるとするよ"},
  {61, "こんにちは。いいお天気ですねぇ",
       "もしよければ、{weapon}を{price}カリムで売って下さい",
       "もしよければ、{weapon}を{price}カリムで買い取ってください",
       "ありがとう。助かりました", "………………ガイア神のご加護がありますように",
       "聖書より重いものはちょっと……", "……あなたに、ガイア神のご加護がありますように"},
  {67, "ふぅ。私は少し休んでから進むよ",
       "あんた武器商人だね？{weapon}を{price}カリムで売ってくれまいか？",
       "あんた武器商人だね？{weapon}を{price}カリムで引き取ってくれないか？",
       "私の武器が壊れてたんだ、助かったよ", "人に親切にしておいて損はないぞ",
       "ふぅ。肩の荷が下りたようだよ", "このまま持っていたら、肩がこりそうだよ"},
  {73, "よぉ！調子はどうだ？",
       "お！その{weapon}を{price}カリムで売ってくれ！",
       "お！この{weapon}を{price}カリムで買ってくれ！",
       "丁度良かった。助かったぜ！", "ったく…。困った人を助けようって気持ちはねぇのか？！",
       "邪魔だったんだよなぁ…", "持ってても邪魔なんだけどなぁ…"},
  {79, "モンスターには気をつけてくださいね",
       "お願いです！{weapon}を{price}カリムで売ってください",
       "お願いです！{weapon}を{price}カリムで買ってください",
       "ありがとう♪助かりますわ", "うにゅ～。悲しいです……",
       "ありがとう♪重くて持てなかったんです", "重いからどこかで捨てるとします"},
  {85, "おい！気をつけて行けよ",
       "すまんが、{weapon}を{price}カリムで売ってくれ",
       "すまんが、{weapon}を{price}カリムで買ってくれ",
       "すまんな。助かった", "………指名手配するぞ",
       "世話になったな", "捨てるのは勿体無いんだけどな…"},
  {91, "邪魔ザマスよ！道をあけるザマス！！",
       "その{weapon}を{price}カリムで買ってあげるザマス！",
       "この{weapon}を{price}カリムで売ってあげるザマス！",
       "高く買ってあげたんだから、ワタクシに感謝するザマスよ！",
       "ワタクシが死んだら、あんたにとり憑いてあげるザマス",
       "オーッホッホッホ。世の中お金ザマス！",
       "か弱き乙女に、重たい物を持たせるなんて最低ザマス！"},
}};
// clang-format on

constexpr bool EveryLookHasItsLines() {
  for (std::int32_t look : kTravellerLooks) {
    if (std::none_of(kTravellerLines.begin(), kTravellerLines.end(),
                     [&](const TravellerLines& l) { return l.picture == look; })) {
      return false;
    }
  }
  return true;
}
static_assert(EveryLookHasItsLines(), "every look CharaSelect gives has its lines");

// A request or an offer that lost its weapon or its price would leave the merchant guessing.
constexpr bool NamesWeaponAndPrice(std::string_view pattern) {
  return pattern.find("{weapon}") != std::string_view::npos &&
         pattern.find("{price}") != std::string_view::npos;
}
constexpr bool EveryTradeNamesWeaponAndPrice() {
  return std::all_of(kTravellerLines.begin(), kTravellerLines.end(), [](const TravellerLines& l) {
    return NamesWeaponAndPrice(l.buyerRequest) && NamesWeaponAndPrice(l.sellerOffer);
  });
}
static_assert(EveryTradeNamesWeaponAndPrice(), "every request and offer names weapon and price");

// Every traveller stands beside the hero as a figure of the picture sets: the ordinary ones
// and those who come by themselves face the hero from the right as walkers, the demon and the
// beasts as monsters do.
constexpr bool TravellersAreWalkers() {
  for (std::int32_t look : kTravellerLooks) {
    if (!picture::InSet(look, kWalkingSix)) return false;
  }
  return picture::InSet(kBagSellerPicture, kWalkingSix) &&
         picture::InSet(kRumourPicture, kWalkingSix) &&
         picture::InSet(kCardPlayerPicture, kWalkingSix) &&
         picture::InSet(kWarningPicture, kWalkingSix) &&
         picture::BeginsSet(kDemonPicture, kFrames) && picture::BeginsSet(169, kFrames) &&
         picture::BeginsSet(17, kFrames) && picture::BeginsSet(114, kFrames) &&
         picture::BeginsSet(158, kFrames) && picture::BeginsSet(125, kFrames);
}
static_assert(TravellersAreWalkers());

// clang-format off
constexpr std::array<std::string_view, 3> kWarningLines = {
  "5聖獣と呼ばれる魔族には気をつけてくださいね",
  "いい武器を持っているとか言う噂も聞きますが、",
  "滅法強いらしいですよ！会ったら逃げた方がいいです",
};
// clang-format on

// The bag seller.
constexpr std::string_view kBagSellerHello = "あらまぁ！鞄が小さいザマスね！";
constexpr std::string_view kBagOffer = "ワタクシの鞄を特別に{price}カリムで売ってあげるザマス";
constexpr std::string_view kBuy = "買う";
constexpr std::string_view kDontBuy = "買わない";
constexpr std::string_view kBagSold = "オーホッホッホ！大事に使うザマスよ";
constexpr std::string_view kBagRefused = "キィー！人の親切は素直に受け入れるザマスよ！";

// The demon ガイル's offer.
constexpr std::string_view kDemonAsks = "フッフッフ。強く、……なりたいか？";
constexpr std::string_view kDemonOffers = "……お前の評判と引き換えに強くしてやろう";
constexpr std::string_view kWantTo = "なりたい";
constexpr std::string_view kDontWantTo = "なりたくない";
constexpr std::string_view kDemonDeal =
    "愚かな人間よ、お前の評判は{reputation}に落ちた。また会おうぞ";
constexpr std::string_view kDemonRefused = "次は我が手を取ると、信じているぞ。フッフッフ";

// The trades.
constexpr std::string_view kSell = "売る";
constexpr std::string_view kDontSell = "売らない";

// The sacred beast.
constexpr std::string_view kBeastAppears = "{monster}が現れた！";
constexpr std::string_view kBeastWeapon = "{weapon}だ！ラッキー！！";

// What the demon takes, and the reputation he asks for.
constexpr std::int32_t kDemonPrice = 500;

// The beasts, d = Int(Rnd × 5).
constexpr int kBeastKinds = 5;

// A line that moves the encounter on to `next`.
Outcome Say(GameState& s, std::string text, std::int32_t next) {
  s.EventCode = next;
  return EncounterLine(std::move(text));
}

std::string Name(const GameState& s, std::int32_t weapon) {
  return std::string(WeaponNameOf(s, weapon));
}

std::int32_t Price(const GameState& s, std::int32_t weapon) {
  if (weapon < 0 || weapon >= kWeaponCount) return 0;
  return s.Catalogue[static_cast<std::size_t>(weapon)].Price;
}

// A weapon of the seller's range on the road he walks.
std::int32_t DrawSellersWeapon(std::int32_t destination, Random& random) {
  const SellerRange range = RoadTo(destination).sellers;
  std::int32_t w = 0;
  do {
    w = Draw(random, range.draws);
  } while (w < range.least);
  return w;
}

// The rare weapons of the first road in chapter 1, and of the last roads from chapter 3 on,
// are not offered to a merchant who already carries them.
bool OfferedOnlyWhenNotCarried(std::int32_t chapter, std::int32_t weapon) {
  return (chapter == 1 && InRange(weapon, 13, 17)) || (chapter >= 3 && InRange(weapon, 53, 57));
}

// The seller's price: Int(Rnd × (Price \ 2)), drawn again while below Price \ 4.
std::int32_t DrawSellersPrice(std::int32_t price, Random& random) {
  const std::int32_t half = IntDiv(price, 2);
  const std::int32_t quarter = IntDiv(price, 4);
  if (half <= quarter) return quarter;  // no catalogue price is this low; never loop for ever
  std::int32_t p = 0;
  do {
    p = Draw(random, half);
  } while (p < quarter);
  return p;
}

bool SellerComes(GameState& s, Random& random) {
  if (BagIsFull(s)) return false;
  const std::int32_t w = DrawSellersWeapon(s.Destination, random);
  s.CurrentItem = w;
  if (OfferedOnlyWhenNotCarried(s.Chapter, w) && Carried(s, w)) return false;
  s.ItemPrice = DrawSellersPrice(Price(s, w), random);
  if (s.Gold < s.ItemPrice) return false;
  CharaSelect(s, random);
  return true;
}

bool BuyerComes(GameState& s, Random& random) {
  if (s.BagPieces < 1) return false;
  const auto bag = UsedEntriesOf(s.Bag, s.BagCount);
  if (bag.empty()) return false;  // pieces without an entry: a state only set by hand
  const std::int32_t i = Draw(random, static_cast<std::int32_t>(bag.size()));
  s.CurrentItem = bag[static_cast<std::size_t>(i)].WeaponId;
  s.ItemPrice = CLng(Price(s, s.CurrentItem) * 1.2);
  CharaSelect(s, random);
  return true;
}

bool BeastComes(GameState& s, Random& random) {
  if (BagIsFull(s)) return false;
  const SacredBeast& beast = kSacredBeasts[static_cast<std::size_t>(Draw(random, kBeastKinds))];
  if (s.Destination != beast.destination) return false;
  s.SpecialItem = beast.weapon;
  s.VisitorPicture = beast.picture;
  if (Carried(s, beast.weapon)) return false;
  if (!LoadOpponent(s, beast.picture)) return false;
  // A beast met on a road the story has left behind is twice as strong and pays twice as much.
  const std::int32_t f = s.Chapter > s.Destination ? 2 : 1;
  s.MonsterHP *= f;
  s.MonsterAttack *= f;
  s.MonsterDefense *= f;
  s.MonsterSpeed *= f;
  s.MonsterGold *= f;
  s.MonsterExp *= f;
  return true;
}

bool AtTheLimit(const GameState& s) {
  return s.MaxHP == 9999 && s.Attack == 999 && s.Defense == 999 && s.Speed == 999;
}

// Each traveller is set up as he comes; false when he cannot come after all.
bool BagSellerComes(GameState& s, Random&) {
  s.EventNumber = BagPrice(s.BagCapacity);
  if (s.BagCapacity > 98 || s.WagonHired != kFalse || s.Gold < s.EventNumber) return false;
  s.VisitorPicture = kBagSellerPicture;
  return true;
}

bool DemonComes(GameState& s, Random&) {
  if (!RoadTo(s.Destination).demonWalks || s.Reputation < kDemonPrice || AtTheLimit(s)) {
    return false;
  }
  s.VisitorPicture = kDemonPicture;
  return true;
}

bool GossipComes(GameState& s, Random&) {
  s.VisitorPicture = kRumourPicture;
  return true;
}

bool WarnerComes(GameState& s, Random&) {
  s.VisitorPicture = kWarningPicture;
  return true;
}

bool PasserByComes(GameState& s, Random& random) {
  CharaSelect(s, random);
  return true;
}

bool CardPlayerComes(GameState& s, Random&) {
  s.CardStake = CardStakeOf(s.Destination);
  s.DealAmount = s.CardStake;
  if (s.Gold < s.DealAmount) return false;
  s.VisitorPicture = kCardPlayerPicture;
  return true;
}

// ---- the conversations ----

const TravellerLines& LinesOrFirst(std::int32_t picture) {
  const TravellerLines* lines = LinesOf(picture);
  return lines != nullptr ? *lines : kTravellerLines[0];
}

Outcome BagSellerTalk(GameState& s, Random&) {
  switch (s.EventCode) {
    case talk::Opens: return Say(s, std::string(kBagSellerHello), talk::Said(1));
    case talk::Said(1):
      return Say(s, Fill(kBagOffer, {{"price", Num(s.EventNumber)}}), talk::Said(2));
    case talk::Said(2): return EncounterPrompt(kBuy, kDontBuy);
    case talk::AnsweredYes:
      SubtractFrom(s.Gold, s.EventNumber);
      AddTo(s.BagCapacity, 1);
      return EncounterClosing(s, kBagSold);
    case talk::AnsweredNo: return EncounterClosing(s, kBagRefused);
    default: return {};
  }
}

Outcome DemonTalk(GameState& s, Random&) {
  switch (s.EventCode) {
    case talk::Opens: return Say(s, std::string(kDemonAsks), talk::Said(1));
    case talk::Said(1): return Say(s, std::string(kDemonOffers), talk::Said(2));
    case talk::Said(2): return EncounterPrompt(kWantTo, kDontWantTo);
    case talk::AnsweredYes:
      AddCapped(s, 1, CappedKind::DemonDealsCount);
      SubtractFrom(s.Reputation, kDemonPrice);
      AddCapped(s, 5, CappedKind::MaxHP);
      AddCapped(s, 1, CappedKind::Attack);
      AddCapped(s, 1, CappedKind::Defense);
      AddCapped(s, 1, CappedKind::Speed);
      return EncounterClosing(s, Fill(kDemonDeal, {{"reputation", Num(s.Reputation)}}));
    case talk::AnsweredNo: return EncounterClosing(s, kDemonRefused);
    default: return {};
  }
}

const RumourLines& RumourFor(const GameState& s) {
  const Road& road = RoadTo(s.Destination);
  const bool later = road.storyMovedOn != nullptr && road.storyMovedOn(s);
  return later ? road.laterRumours : road.rumours;
}

Outcome RumourTalk(GameState& s, Random&) {
  const RumourLines& rumour = RumourFor(s);
  const std::int32_t i = s.EventCode - talk::Opens;
  const auto count = static_cast<std::int32_t>(
      std::count_if(rumour.begin(), rumour.end(), [](std::string_view l) { return !l.empty(); }));
  if (i < 0 || i >= count) return {};
  const std::string_view line = rumour[static_cast<std::size_t>(i)];
  if (i == count - 1) return EncounterClosing(s, line);
  return Say(s, std::string(line), s.EventCode + 1);
}

Outcome WarningTalk(GameState& s, Random&) {
  const std::int32_t i = s.EventCode - talk::Opens;
  const auto count = static_cast<std::int32_t>(kWarningLines.size());
  if (i < 0 || i >= count) return {};
  const std::string_view line = kWarningLines[static_cast<std::size_t>(i)];
  if (i == count - 1) return EncounterClosing(s, line);
  return Say(s, std::string(line), s.EventCode + 1);
}

Outcome GreetingTalk(GameState& s, Random&) {
  if (s.EventCode != talk::Opens) return {};
  return EncounterClosing(s, LinesOrFirst(s.VisitorPicture).greeting);
}

// A trade made lifts the reputation by 1..Level + 1; a refusal costs 2 × 0..Level. Both are
// drawn afresh.
void TradeMade(GameState& s, Random& random) {
  random.Reseed();
  s.DealReputation = Draw(random, s.Level + 1) + 1;
  GainReputation(s, s.DealReputation);
}

void TradeRefused(GameState& s, Random& random) {
  AddCapped(s, 1, CappedKind::RefusalsCount);
  random.Reseed();
  LoseReputation(s, 2 * Draw(random, s.Level + 1));
}

Outcome BuyerTalk(GameState& s, Random& random) {
  const TravellerLines& lines = LinesOrFirst(s.VisitorPicture);
  switch (s.EventCode) {
    case talk::Opens: return Say(s, BuyerRequest(s, lines), talk::Said(1));
    case talk::Said(1): return EncounterPrompt(kSell, kDontSell);
    case talk::AnsweredYes:
      AddCapped(s, 1, CappedKind::SalesCount);
      RemoveOneFromBag(s);
      AddCapped(s, s.ItemPrice, CappedKind::Gold);
      TradeMade(s, random);
      return EncounterClosing(s, lines.bought);
    case talk::AnsweredNo:
      TradeRefused(s, random);
      return EncounterClosing(s, lines.buyRefused);
    default: return {};
  }
}

Outcome SellerTalk(GameState& s, Random& random) {
  const TravellerLines& lines = LinesOrFirst(s.VisitorPicture);
  switch (s.EventCode) {
    case talk::Opens: return Say(s, SellerOffer(s, lines), talk::Said(1));
    case talk::Said(1): return EncounterPrompt(kBuy, kDontBuy);
    case talk::AnsweredYes:
      AddCapped(s, 1, CappedKind::PurchasesCount);
      AddOneToBag(s);
      MarkCollected(s, s.CurrentItem);
      SubtractFrom(s.Gold, s.ItemPrice);
      TradeMade(s, random);
      return EncounterClosing(s, lines.sold);
    case talk::AnsweredNo:
      TradeRefused(s, random);
      return EncounterClosing(s, lines.sellRefused);
    default: return {};
  }
}

Outcome BeastTalk(GameState& s, Random&) {
  switch (s.EventCode) {
    case talk::Opens:
      // The beast attacks: its battle follows from the next click.
      return Says(Speaker::Visitor, Fill(kBeastAppears, {{"monster", s.MonsterName}}),
                  code::AnnounceHeroBlow);
    case talk::BeastBeaten: {
      // The beast is beaten: its weapon is the merchant's, said by the merchant himself.
      PutInBag(s, s.SpecialItem);
      return EncounterClosing(s, Fill(kBeastWeapon, {{"weapon", Name(s, s.SpecialItem)}}),
                              Speaker::Hero);
    }
    default: return {};
  }
}

// A yes or a no moves an ordinary conversation on to its answer.
void TakeAnswer(GameState& s, bool yes) {
  s.EventCode = yes ? talk::AnsweredYes : talk::AnsweredNo;
}

// Every traveller in one row: how he comes, how his conversation goes a click at a time, and
// how it takes a yes or a no.
struct TravellerRow {
  Traveller who;
  bool (*comes)(GameState& s, Random& random);
  Outcome (*talks)(GameState& s, Random& random);
  void (*answer)(GameState& s, bool yes);
};

// clang-format off
constexpr std::array<TravellerRow, 9> kTravellerRows = {{
  {BagSeller,  BagSellerComes,  BagSellerTalk, TakeAnswer},
  {Demon,      DemonComes,      DemonTalk,     TakeAnswer},
  {Rumours,    GossipComes,     RumourTalk,    TakeAnswer},
  {Greeting,   PasserByComes,   GreetingTalk,  TakeAnswer},
  {Buyer,      BuyerComes,      BuyerTalk,     TakeAnswer},
  {Seller,     SellerComes,     SellerTalk,    TakeAnswer},
  {CardPlayer, CardPlayerComes, CardGameStep,  CardAnswer},
  {Beast,      BeastComes,      BeastTalk,     TakeAnswer},
  {Warning,    WarnerComes,     WarningTalk,   TakeAnswer},
}};
// clang-format on

constexpr bool OneRowEach() {
  for (std::size_t i = 0; i < kTravellerRows.size(); ++i) {
    if (static_cast<std::size_t>(kTravellerRows[i].who) != i) return false;
  }
  return true;
}
static_assert(OneRowEach(), "kTravellerRows in the order of Traveller, one row each");

const TravellerRow& RowOf(Traveller who) {
  return kTravellerRows[static_cast<std::size_t>(who)];
}

}  // namespace

Traveller TravellerOf(std::int32_t k) {
  return kTravellers[static_cast<std::size_t>(std::clamp(k, 0, kTravellerRolls - 1))];
}

std::int32_t BagPrice(std::int32_t bagCapacity) { return (bagCapacity - 9) * 2000; }

std::int32_t CardStakeOf(std::int32_t destination) { return RoadTo(destination).cardStake; }

void CharaSelect(GameState& s, Random& random) {
  s.VisitorPicture = kTravellerLooks[static_cast<std::size_t>(Draw(random, 10))];
}

bool ChooseTraveller(GameState& s, Random& random) {
  s.EventActive = kTrue;
  s.FieldStop = kTrue;
  random.Reseed();
  const std::int32_t k = Draw(random, kTravellerRolls);
  s.VisitorPicture = 0;
  const Traveller who = TravellerOf(k);
  if (!RowOf(who).comes(s, random)) {
    // Nobody comes after all: no picture, no word, and the walk goes on.
    s.FieldEventItem = 9999;
    s.FieldStop = kFalse;
    s.EventActive = kFalse;
    return false;
  }
  s.VisitorFrames = s.VisitorPicture == kDemonPicture ? 2 : 3;
  s.FieldStop = who == Beast ? kFalse : kTrue;
  s.PendingAction = code::TravellerTalks;
  s.EventCode = talk::Opens;
  s.FieldEventItem = k;
  return true;
}

Outcome AdvanceEncounter(GameState& s, Random& random) {
  const bool answered = s.Answer == kAnswerYes || s.Answer == kAnswerNo;
  const bool yes = s.Answer == kAnswerYes;
  if (answered) s.Answer = 0;
  if (!InRange(s.FieldEventItem, 0, kTravellerRolls - 1)) {
    if (answered) TakeAnswer(s, yes);
    return {};
  }
  const TravellerRow& row = RowOf(TravellerOf(s.FieldEventItem));
  if (answered) row.answer(s, yes);
  return row.talks(s, random);
}

Outcome EncounterLine(std::string text, bool refresh) {
  Outcome o;
  o.line = std::move(text);
  o.refreshWindows = refresh;
  return o;
}

Outcome EncounterPrompt(std::string_view yes, std::string_view no) { return Asks(yes, no); }

Outcome EncounterClosing(GameState& s, std::string_view text, Speaker speaker) {
  s.FixedWaitMessage = kTrue;
  Outcome o;
  o.speaker = speaker;
  o.line = std::string(text);
  o.then = FinishEncounter;
  return o;
}

void EndEncounter(GameState& s) {
  s.FixedWaitMessage = kFalse;
  s.TickFromDialogue = kTrue;
  s.EventCode = talk::Over;
  s.FieldEventItem = 99999;
  s.PendingAction = code::ResumeWalking;
}

const TravellerLines* LinesOf(std::int32_t picture) {
  for (const TravellerLines& lines : kTravellerLines) {
    if (lines.picture == picture) return &lines;
  }
  return nullptr;
}

std::string BuyerRequest(const GameState& s, const TravellerLines& lines) {
  return Fill(lines.buyerRequest,
              {{"weapon", Name(s, s.CurrentItem)}, {"price", Num(s.ItemPrice)}});
}

std::string SellerOffer(const GameState& s, const TravellerLines& lines) {
  return Fill(lines.sellerOffer, {{"weapon", Name(s, s.CurrentItem)}, {"price", Num(s.ItemPrice)}});
}

}  // namespace tolmark::field
