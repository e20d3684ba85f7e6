// The four roads as one table.
#include "field/roads.h"

#include <algorithm>

#include "art/picture_names.h"
#include "model/numbers.h"

namespace tolmark::field {
namespace {

std::int32_t ExpNearHome(std::int32_t steps, std::int32_t exp) { return exp + IntDiv(steps, 30); }
std::int32_t ExpToTown(std::int32_t steps, std::int32_t exp) { return exp + IntDiv(steps, 15); }
std::int32_t ExpToCastle(std::int32_t steps, std::int32_t exp) { return exp + steps; }
std::int32_t ExpToDemons(std::int32_t steps, std::int32_t exp) {
  return CLng(Int(steps * 1.5) + exp);
}
std::int32_t ExpAsItIs(std::int32_t, std::int32_t exp) { return exp; }

// Nothing waits beyond step 299 before the carpenters' errand, nor once the demons are beaten.
bool ErrandNotBegun(const GameState& s) { return s.StoryState == 0; }
bool DemonsBeaten(const GameState& s) { return s.DemonsDefeated == kTrue; }

bool PastFirstChapter(const GameState& s) { return s.Chapter != 1; }

constexpr RumourLines kCastleTalk = {"モノリス国は大量の武器を必要としているらしい",
                                     "なんだか、モンスターが攻めて来るとか…",
                                     "武器商人なんかやってると、", "モンスターに狙われるかもな"};

// clang-format off
constexpr std::array<Road, 4> kRoads = {{
  {.destination = destination::kTotem, .landmark = 4, .end = RoadEnd::OpenCountry, .arrival = {},
   .boss = BossScene::Totem,
   //               first stretch     second stretch    third stretch: スラーム .. 空手カブト
   .monsters = {{{{167,   9,  11}}, {{  9,  11, 131}}, {{ 11, 131,   6}}}},
   .fightExp = ExpNearHome, .fare = {1, 500}, .carriageWarns = false, .nothingBeyond = ErrandNotBegun,
   .ordinaryFinds = {0, 12}, .rareFinds = {13, 17}, .moneyScale = 500, .sellers = {18, 0},
   .cardStake = 100, .demonWalks = false,
   .rumours = {"知ってるか？", "トーテム山の麓で、オークが暴れているらしいぞ", "行くなら気をつける事だな"},
   .storyMovedOn = PastFirstChapter,
   .laterRumours = {"トーテム山の麓で暴れていたオークが", "誰かの手によって倒されたらしいぞ", "これで麓の住人も安心だな"}},
  {.destination = destination::kTown, .landmark = 5, .end = RoadEnd::TownGate,
   .arrival = "商業の街アーウットに着いたぞ", .boss = BossScene::None,
   //               虹蛸 .. クジラ戦車
   .monsters = {{{{148, 102, 111}}, {{102, 111, 161}}, {{111, 161, 172}}}},
   .fightExp = ExpToTown, .fare = {3, 1000}, .carriageWarns = false, .nothingBeyond = nullptr,
   .ordinaryFinds = {21, 32}, .rareFinds = {33, 37}, .moneyScale = 1000, .sellers = {38, 20},
   .cardStake = 1000, .demonWalks = false,
   .rumours = {"この先には商業の街アーウットがあるぜ", "いろいろ売ってるが、値段が変動するから", "安い物を買うようにしないとな"},
   .storyMovedOn = nullptr, .laterRumours = {}},
  {.destination = destination::kCastle, .landmark = 3, .end = RoadEnd::CastleGate,
   .arrival = "モノリス城に着いたぞ", .boss = BossScene::CastleRoad,
   //               ハーミット .. デュラン
   .monsters = {{{{117, 164, 128}}, {{164, 128, 150}}, {{128, 150, 143}}}},
   .fightExp = ExpToCastle, .fare = {10, 5000}, .carriageWarns = false, .nothingBeyond = nullptr,
   .ordinaryFinds = {41, 52}, .rareFinds = {53, 57}, .moneyScale = 2000, .sellers = {58, 40},
   .cardStake = 5000, .demonWalks = true,
   .rumours = kCastleTalk, .storyMovedOn = nullptr, .laterRumours = {}},
  {.destination = destination::kDemons, .landmark = 4, .end = RoadEnd::OpenCountry, .arrival = {},
   .boss = BossScene::Demons,
   //               オーク .. ロボット兵
   .monsters = {{{{153, 105,   0}}, {{105,   0, 108}}, {{  0, 108, 156}}}},
   .fightExp = ExpToDemons, .fare = {15, 10000}, .carriageWarns = true, .nothingBeyond = DemonsBeaten,
   .ordinaryFinds = {41, 52}, .rareFinds = {53, 57}, .moneyScale = 3000, .sellers = {58, 40},
   .cardStake = 10000, .demonWalks = true,
   .rumours = {"この先には魔族がいるって噂だぜ！", "すげぇ強いらしいから、", "行くなら、準備を整えて行った方がいいぜ！"},
   .storyMovedOn = DemonsBeaten,
   .laterRumours = {"この先の魔族が倒されたらしいぞ！", "そこには呪われた武器が落ちているらしい", "魔族がいた付近には、行かない方がいいな"}},
}};

constexpr Road kNoRoad = {
  .destination = 0, .landmark = 4, .end = RoadEnd::OpenCountry, .arrival = {},
  .boss = BossScene::None,
  .monsters = {{{{-1, -1, -1}}, {{-1, -1, -1}}, {{-1, -1, -1}}}},
  .fightExp = ExpAsItIs, .fare = {}, .carriageWarns = false, .nothingBeyond = nullptr,
  .ordinaryFinds = {41, 52}, .rareFinds = {53, 57}, .moneyScale = 2000, .sellers = {58, 40},
  .cardStake = 0, .demonWalks = false,
  .rumours = kCastleTalk, .storyMovedOn = nullptr, .laterRumours = {}};
// clang-format on

constexpr bool RoadsInDestinationOrder() {
  for (std::size_t i = 0; i < kRoads.size(); ++i) {
    if (kRoads[i].destination != static_cast<std::int32_t>(i) + 1) return false;
  }
  return true;
}
static_assert(RoadsInDestinationOrder(), "kRoads[d - 1] is the road to destination d");

constexpr bool InCatalogue(FindRange r) {
  return 0 <= r.first && r.first <= r.last && r.last < kWeaponCount;
}

// What lies by a road, what its sellers offer and how the story's rumours turn are whole: the
// rare finds come after the ordinary ones, a seller's draw can reach its least, a gate has its
// arrival line, and rumours that change have their later lines.
constexpr bool RoadsAreWhole() {
  return std::all_of(kRoads.begin(), kRoads.end(), [](const Road& r) {
    return InCatalogue(r.ordinaryFinds) && InCatalogue(r.rareFinds) &&
           r.ordinaryFinds.last < r.rareFinds.first && 0 <= r.sellers.least &&
           r.sellers.least < r.sellers.draws && r.sellers.draws <= kWeaponCount &&
           (r.end == RoadEnd::OpenCountry) == r.arrival.empty() && r.fare.base > 0 &&
           (r.storyMovedOn == nullptr) == r.laterRumours[0].empty() && !r.rumours[0].empty() &&
           picture::BeginsSet(r.landmark, PictureSetKind::kSingle) &&
           std::all_of(r.monsters.begin(), r.monsters.end(), [](const auto& stretch) {
             return std::all_of(stretch.begin(), stretch.end(), [](std::int32_t p) {
               return picture::BeginsSet(p, PictureSetKind::kFrames);
             });
           });
  });
}
static_assert(RoadsAreWhole());

}  // namespace

const Road& RoadTo(std::int32_t destination) {
  if (destination < 1 || destination > static_cast<std::int32_t>(kRoads.size())) return kNoRoad;
  return kRoads[static_cast<std::size_t>(destination - 1)];
}

}  // namespace tolmark::field
