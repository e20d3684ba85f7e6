// The clear report: the judged points, the rank and remarks, the text and its file.
#include "town/clear_report.h"

#include <iconv.h>

#include <array>
#include <cerrno>
#include <initializer_list>
#include <string_view>

#include "model/language.h"
#include "save/atomic_file.h"

namespace tolmark::town {
namespace {

// One rung of a points ladder: a value reaching `bound` earns `points`.
struct Rung {
  std::int32_t bound;
  int points;
};

// Higher is better: the first rung whose bound the value reaches.
template <std::size_t N>
int AtLeast(std::int32_t value, const std::array<Rung, N>& ladder, int otherwise) {
  for (const Rung& rung : ladder) {
    if (value >= rung.bound) return rung.points;
  }
  return otherwise;
}

// Lower is better: the first rung whose bound the value stays within.
template <std::size_t N>
int AtMost(std::int32_t value, const std::array<Rung, N>& ladder, int otherwise) {
  for (const Rung& rung : ladder) {
    if (value <= rung.bound) return rung.points;
  }
  return otherwise;
}

inline constexpr std::array<Rung, 5> kGoldPoints = {
    {{2000000, 15}, {1800000, 13}, {1500000, 11}, {1000000, 7}, {500000, 4}}};
inline constexpr std::array<Rung, 5> kReputationPoints = {
    {{900, 15}, {800, 13}, {700, 11}, {500, 7}, {300, 4}}};
inline constexpr std::array<Rung, 4> kLevelPoints = {{{65, 15}, {63, 11}, {60, 7}, {55, 4}}};
inline constexpr std::array<Rung, 5> kDefeatPoints = {
    {{5, 15}, {7, 13}, {9, 11}, {11, 7}, {13, 4}}};
inline constexpr std::array<Rung, 3> kCollectionPoints = {{{61, 10}, {50, 7}, {40, 5}}};
inline constexpr std::array<Rung, 5> kDemonDealPoints = {
    {{0, 15}, {2, 13}, {4, 11}, {7, 7}, {11, 4}}};

struct RankBlock {
  int least_points;
  std::array<std::string_view, 3> lines;
};

// clang-format off
inline constexpr std::array<RankBlock, 6> kRankBlocks = {{
    {100, {"【Ｓランク】", "・あんたは最強の武器商人ザマス", "　ワタクシの、専属武器屋にしてあげるザマスよ！"}},
    {90,  {"【Ａランク】", "・よく頑張ったザマスが、まだまだザマスね", "　所詮凡人ザマス。"}},
    {80,  {"【Ｂランク】", "・あらまぁ……、頑張りが足りないザマスね", "　やるなら上を目指すザマスよ！"}},
    {70,  {"【Ｃランク】", "・普通ザマス。ワタクシが入るような店じゃないザマスね", "　もっと頑張るザマスよ！"}},
    {50,  {"【Ｄランク】", "・ちょっと……何やってるザマスか？", "　こんな店なら、行くんじゃなかったザマス"}},
    {30,  {"【Ｅランク】", "・ある意味天才ザマス……。ちょっと尊敬するザマスよ", "　だけど、こんな店には二度と来ないザマス！"}},
}};
// clang-format on

void AddLine(std::string& text, std::string_view line) {
  text += line;
  text += '\n';
}

// The lady's words are read in the language the game was played in.
void AddSaid(std::string& text, std::string_view line) { AddLine(text, Translated(line)); }

void AddRemark(std::string& text, std::string_view first, std::string_view second) {
  AddSaid(text, first);
  AddSaid(text, second);
}

std::string Stars(int count) { return std::string(static_cast<std::size_t>(count), '*'); }

// The report's title line, as wide as the stars around it.
constexpr std::string_view kReportTitle =
    "****** クリアデータ **************************************";

// One figure of the body: its label with the number in {n} and, right after the number, {mark}
// for the mark of a maximum reached.
struct Figure {
  std::string_view pattern;
  std::int64_t value;
  std::string_view mark = {};
};

void AddFigures(std::string& text, std::initializer_list<Figure> figures) {
  for (const Figure& figure : figures) {
    const std::string number = std::to_string(figure.value);
    AddLine(text, Fill(figure.pattern, {{"n", number}, {"mark", figure.mark}}));
  }
}

}  // namespace

int CountCollected(const GameState& s) {
  int count = 0;
  for (const Flag flag : s.Collected) count += flag == kTrue ? 1 : 0;
  return count;
}

int RankPoints(const GameState& s) {
  const int demons = s.DemonsDefeated != kFalse ? 10 : s.Chapter == 4 ? 5 : 1;
  const int shop = s.ShopRank == 3 ? 10 : s.ShopRank == 2 ? 5 : 1;
  return AtLeast(s.Gold, kGoldPoints, 1) + AtLeast(s.Reputation, kReputationPoints, 1) +
         AtLeast(s.Level, kLevelPoints, 1) + AtMost(s.DefeatsCount, kDefeatPoints, 1) +
         AtLeast(CountCollected(s), kCollectionPoints, 1) +
         AtMost(s.DemonDealsCount, kDemonDealPoints, 1) + demons + shop;
}

std::string RankComment(const GameState& s) {
  std::string text;
  const int points = RankPoints(s);
  for (const RankBlock& block : kRankBlocks) {
    if (points < block.least_points) continue;
    for (const std::string_view line : block.lines) AddSaid(text, line);
    break;
  }

  const bool demons_beaten = s.DemonsDefeated != kFalse;
  if (s.Chapter == 3) {
    AddRemark(text, "・最強の武器の話を聞いたザマスか？", "　どっかの山にいる人が、詳しいらしいザマスよ");
  }
  if (!demons_beaten && s.Chapter == 4) {
    AddRemark(text, "・あんた、ちゃんと魔族を倒して欲しいザマス！",
              "　か弱い乙女のワタクシは、安心して夜も眠れないザマスよ！");
  }
  if (!demons_beaten && s.Chapter == 3) {
    AddRemark(text, "・あんたは知らないと思うザマスが、", "　どこかに凄く強い魔族がいるらしいザマスよ");
  }
  if (demons_beaten) {
    AddRemark(text, "・デモンズ山脈の魔族を倒したザマスね", "　ワタクシの専属ボディーガードになるザマス！");
  }
  if (CountCollected(s) == kWeaponCount) {
    AddRemark(text, "・ここら辺で取れる武器を全て集めたザマスね", "　コレクターの称号をあげるザマスよ");
  } else {
    AddRemark(text, "・あんたも武器屋なら、この辺のアイテムくらい、", "　全て集めるザマスよ！");
  }
  return text;
}

std::string ClearReportText(const GameState& s) {
  std::string text;
  AddLine(text, Stars(58));
  AddLine(text, "****** Tolmark2 " + Stars(42));
  AddLine(text, Translated(kReportTitle));
  AddLine(text, Stars(58));
  text += Stars(58) + "\r\n";

  const int collected = CountCollected(s);
  // clang-format off
  AddFigures(text, {
      {"Ｌｖ　　：{n}", s.Level},
      {"Ｈｐ　　：{n}", s.MaxHP},
      {"Ａｔ　　：{n}", s.Attack},
      {"Ｄｉ　　：{n}", s.Defense},
      {"Ｓｐ　　：{n}", s.Speed},
      {"所持金　：{n}", s.Gold},
      {"評判　　：{n}", s.Reputation},
      {"武器収集：{n}／61{mark}", collected, collected == kWeaponCount ? "(Collect!)" : ""},
      {"店サイズ：{n}{mark}", s.StockCapacity, s.StockCapacity == 60 ? "(MAX!)" : ""},
      {"鞄サイズ：{n}{mark}", s.BagCapacity, s.BagCapacity == 99 ? "(MAX!)" : ""},
  });
  AddLine(text, "");
  AddFigures(text, {
      {"物を売った回数　　：{n}", s.SalesCount},
      {"物を買った回数　　：{n}", s.PurchasesCount},
      {"売買を断わった回数：{n}", s.RefusalsCount},
      {"敵に勝った回数　　：{n}", s.WinsCount},
      {"敵から逃げた回数　：{n}", s.EscapesCount},
      {"敵にやられた回数　：{n}", s.DefeatsCount},
      {"魔族と取引した回数：{n}", s.DemonDealsCount},
  });
  // clang-format on
  AddLine(text, "");
  text += Fill("総評価：{comment}", {{"comment", RankComment(s)}}) + "\n\n\n\r\n";
  return text;
}

std::optional<std::string> ToCodePage932(std::string_view utf8) {
  const iconv_t converter = ::iconv_open("CP932", "UTF-8");
  if (converter == reinterpret_cast<iconv_t>(-1)) return std::nullopt;

  // Two bytes of CP932 never take more room than the three of UTF-8 they came from, and a
  // one-byte character stays one byte, so the input's length is always room enough.
  std::string out(utf8.size(), '\0');
  char* in_next = const_cast<char*>(utf8.data());
  std::size_t in_left = utf8.size();
  char* out_next = out.data();
  std::size_t out_left = out.size();
  const std::size_t done = ::iconv(converter, &in_next, &in_left, &out_next, &out_left);
  ::iconv_close(converter);
  if (done == static_cast<std::size_t>(-1) || in_left != 0) return std::nullopt;
  out.resize(out.size() - out_left);
  return out;
}

FileWriteResult WriteClearReport(GameState& s, const std::filesystem::path& path) {
  s.CollectedCount = CountCollected(s);
  const std::string text = ClearReportText(s);
  // The English report is written as it is: its own words are plain ASCII, the same bytes in
  // the Japanese code page, and anything else reads right in the editors of its readers.
  if (CurrentLanguage() != Language::Japanese) return AppendToFile(path, text);
  const std::optional<std::string> bytes = ToCodePage932(text);
  if (!bytes) return {false, "the clear report holds a character the Japanese code page lacks"};
  return AppendToFile(path, *bytes);
}

}  // namespace tolmark::town
