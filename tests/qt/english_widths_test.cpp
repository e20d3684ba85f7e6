// The English texts fit where they are shown: no balloon line is wider than half a 1280 px
// screen in the English balloon font, and every list column is wide enough for its English
// header and for the English names of the weapons it lists.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QRegularExpression>
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "field/field_windows.h"
#include "model/game_state.h"
#include "model/language.h"
#include "model/weapons.h"
#include "present/desktop.h"
#include "qt/balloon_font.h"
#include "shop/shop_windows.h"
#include "town/market_windows.h"

namespace tolmark {
namespace {

// The texts of tolmark2 --help, which a terminal shows and wraps, not a balloon.
constexpr std::string_view kTerminalTexts[] = {
    "Tolmark2：デスクトップに立つ主人と客で武器屋を営むゲーム。主人を右クリックするとメニューが出ま"
    "す。",
    "セーブファイルとクリア記録を DIR に置く（既定：カレントフォルダー）。DIR がなければ作る。",
    "絵の1ドットを画面の N×N ドットで描く（N "
    "は1から8の整数。既定：デスクトップの拡大率を整数にしたもの）。",
    "ゲームの言葉：ja（日本語）か en（英語）（既定：ロケールに従う）。",
};

// Every translation of a compiled catalogue (the .mo format: a header, then the tables of
// original and translated strings, each entry a length and an offset), plural forms apart.
std::vector<std::string> Translations(const char* path) {
  std::ifstream file(path, std::ios::binary);
  const std::string bytes{std::istreambuf_iterator<char>(file), {}};
  auto word = [&](std::size_t at) {
    std::uint32_t w = 0;
    std::memcpy(&w, bytes.data() + at, 4);
    return w;
  };
  std::vector<std::string> texts;
  if (bytes.size() < 28 || word(0) != 0x950412deU) return texts;
  const std::uint32_t count = word(8);
  const std::uint32_t translated = word(16);
  for (std::uint32_t i = 0; i < count; ++i) {
    const std::uint32_t length = word(translated + 8 * i);
    const std::uint32_t offset = word(translated + 8 * i + 4);
    const std::string text = bytes.substr(offset, length);
    std::size_t from = 0;
    for (std::size_t nul; (nul = text.find('\0', from)) != std::string::npos; from = nul + 1) {
      texts.push_back(text.substr(from, nul - from));
    }
    texts.push_back(text.substr(from));
  }
  return texts;
}

QString Q(std::string_view s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

class EnglishWidths : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(UseLanguage(Language::English));
    texts_ = Translations(TOLMARK_CATALOGUE);
    ASSERT_GT(texts_.size(), 100u);
  }
  void TearDown() override { UseLanguage(Language::Japanese); }

  std::vector<std::string> texts_;
};

TEST_F(EnglishWidths, NoBalloonLineIsWiderThanHalfTheScreen) {
  QFont font(PickBalloonFamily(Language::English, QFontDatabase::families(), {}));
  font.setPointSizeF(8.25);
  const QFontMetrics metrics(font);
  // The widest thing a slot can hold: the longest weapon name in English, or a large sum.
  QString widestName = QStringLiteral("9,999,999");
  for (const WeaponRow& w : kWeapons) {
    const QString name = Q(Translated(w.name));
    if (metrics.horizontalAdvance(name) > metrics.horizontalAdvance(widestName)) widestName = name;
  }
  const QRegularExpression slot(QStringLiteral("\\{[a-z]+\\}"));
  std::vector<std::string_view> terminal;
  for (std::string_view id : kTerminalTexts) terminal.push_back(Translated(id));
  for (const std::string& text : texts_) {
    if (text.empty() || text.find("Content-Type") != std::string::npos) continue;
    if (std::find(terminal.begin(), terminal.end(), text) != terminal.end()) continue;
    for (QString line : Q(text).split(QLatin1Char('\n'))) {
      line.replace(slot, widestName);
      EXPECT_LE(metrics.horizontalAdvance(line), 640) << line.toStdString();
    }
  }
}

// Every list shown full: the whole catalogue in stock, in the bag, collected and on the market.
TEST_F(EnglishWidths, ListColumnsHoldTheirEnglishHeadersAndNames) {
  GameState s;
  BuildCatalogue(s);
  for (int i = 0; i < kWeaponCount; ++i) {
    s.ShopStock[static_cast<std::size_t>(i)] = {i, 999};
    s.Collected[static_cast<std::size_t>(i)] = kTrue;
  }
  for (std::size_t i = 0; i < s.MarketGoods.size(); ++i) {
    // The market's rows hold the longest names, in English.
    s.MarketGoods[i] = {s.Catalogue[(i * 7) % kWeaponCount].Name, 0, 999, 99999, 99999};
  }
  s.StockCount = kWeaponCount;
  const QFontMetrics metrics(QApplication::font());
  constexpr int kUnitsPerPixel = 15;
  constexpr int kCellMargins = 12;  // the view's padding on both sides of a cell's text
  for (const ListContent& list :
       {shop::StockListContent(s), shop::CollectionListContent(s), field::BagListContent(s),
        town::SellListContent(s), town::BuyListContent(s)}) {
    for (std::size_t c = 0; c < list.columns.size(); ++c) {
      const int room = list.columns[c].width / kUnitsPerPixel - kCellMargins;
      const QString title = Q(Translated(list.columns[c].title));
      EXPECT_LE(metrics.horizontalAdvance(title), room) << title.toStdString();
      for (const auto& row : list.rows) {
        const QString cell = Q(Translated(row[c]));
        EXPECT_LE(metrics.horizontalAdvance(cell), room) << cell.toStdString();
      }
    }
  }
}

}  // namespace
}  // namespace tolmark
