// The customers' lines as one table, and the builder that fills in names and numbers.
#include "shop/customer_lines.h"

#include <algorithm>

namespace tolmark::shop {
namespace {

constexpr LinePiece T(std::string_view text) { return {Insert::Text, text}; }
constexpr LinePiece kName{Insert::WeaponName, {}};
constexpr LinePiece kPrice{Insert::Price, {}};
constexpr LinePiece kHP{Insert::HP, {}};
constexpr LinePiece kAmount{Insert::Amount, {}};

constexpr bool kBuys = true;
constexpr bool kSells = false;
constexpr bool kHero = true;
constexpr bool kVisitor = false;

// Buying visits: 1 request, 40/41 money short, 50 sold, 60 refused. Selling visits: 1 offer,
// 40.. the merchant's money is short, 50 bought, 60 refused or parting.
// clang-format off
constexpr std::array<CustomerLineRow, 88> kCustomerLines = {{
  // picture 60: priest in a blue robe
  {60, kBuys, 1, kVisitor, {T("こんにちは！"), kName, T("が欲しいのですが")}, 2},
  {60, kBuys, 40, kVisitor, {T("ごめんなさい。カリムが足りないようです")}, 41},
  {60, kBuys, 41, kVisitor, {T("カリムを貯めて出直してきます")}, 70},
  {60, kBuys, 50, kVisitor, {T("ありがとう。これが欲しかったんです。残りHP："), kHP}, 70},
  {60, kBuys, 60, kVisitor, {T("…………あなたに、ガイア神のご加護がありますように")}, 70},
  {60, kSells, 1, kVisitor, {T("こんにちは！"), kName, T("を"), kPrice, T("カリムで売りたいのですが……")}, 2},
  {60, kSells, 40, kVisitor, {T("お金が足りないのですか？")}, 41},
  {60, kSells, 41, kVisitor, {T("それでは、タダでこれを差し上げましょう")}, 42},
  {60, kSells, 42, kVisitor, {T("あなたに、ガイア神のご加護がありますように…。残りHP："), kHP}, 70},
  {60, kSells, 50, kVisitor, {T("助かりました。ありがとう。残りHP："), kHP}, 70},
  {60, kSells, 60, kVisitor, {T("そうですか…。他をあたります")}, 70},
  // picture 72: red-haired youth in a black cloak
  {72, kBuys, 1, kVisitor, {T("よぉ！"), kName, T("を売ってくれ！")}, 2},
  {72, kBuys, 40, kVisitor, {T("わりぃ、金が足りねぇようだ")}, 41},
  {72, kBuys, 41, kVisitor, {T("金が貯まったら、また来るぜ")}, 70},
  {72, kBuys, 50, kVisitor, {T("いい買い物をしたぜ。残りHP："), kHP}, 70},
  {72, kBuys, 60, kVisitor, {T("なんでぇい！そんなんで店屋が務まるのかぁ？！")}, 70},
  {72, kSells, 1, kVisitor, {T("よぉ！"), kName, T("を"), kPrice, T("カリムで売りに来たぜ")}, 2},
  {72, kSells, 40, kVisitor, {T("金が足りねぇだと？")}, 60},
  {72, kSells, 50, kVisitor, {T("いい買い物をするねぇ…。残りHP："), kHP}, 70},
  {72, kSells, 60, kVisitor, {T("なんでぇい！他に行ってくらぁ")}, 70},
  // picture 51: young swordsman with a shield
  {51, kBuys, 1, kVisitor, {T("すまないが、"), kName, T("を売ってくれないか？")}, 2},
  {51, kBuys, 40, kVisitor, {T("恥ずかしい事だが、金が足りないようだ")}, 41},
  {51, kBuys, 41, kVisitor, {T("どっかで稼いでからまた来るよ")}, 70},
  {51, kBuys, 50, kVisitor, {T("ありがとう。大事にするよ。残りHP："), kHP}, 70},
  {51, kBuys, 60, kVisitor, {T("……邪魔したな")}, 70},
  {51, kSells, 1, kVisitor, {T("すまないが、"), kName, T("を"), kPrice, T("カリムで、買い取ってくれないか？")}, 2},
  {51, kSells, 40, kVisitor, {T("持ち金が足りないのかい？")}, 60},
  {51, kSells, 50, kVisitor, {T("ありがとう。これで新しい武器が買えるよ。残りHP："), kHP}, 70},
  {51, kSells, 60, kVisitor, {T("違う店に行くことにするよ。邪魔したな")}, 70},
  // picture 26: red-haired travelling merchant with a pack
  {26, kBuys, 1, kVisitor, {T("おう！"), kName, T("を売ってくれ！")}, 2},
  {26, kBuys, 40, kVisitor, {T("カリムが足りねぇっ……！！")}, 41},
  {26, kBuys, 41, kVisitor, {T("しょうがねぇな。また来るよ")}, 70},
  {26, kBuys, 50, kVisitor, {T("やっぱ相棒はイイ仕事をするねぇ。残りHP："), kHP}, 70},
  {26, kBuys, 60, kVisitor, {T("くそっ！もう来ねぇぞ！")}, 70},
  {26, kSells, 1, kVisitor, {T("おう！"), kName, T("を"), kPrice, T("カリムで、買い取ってくれ！")}, 2},
  {26, kSells, 40, kVisitor, {T("金がねぇだと？")}, 41},
  {26, kSells, 41, kVisitor, {T("同業のよしみだ。今持ってる額でくれてやるよ")}, 42},
  {26, kSells, 42, kVisitor, {T("困った時は、お互い様ってやつさ。残りHP："), kHP}, 70},
  {26, kSells, 50, kVisitor, {T("すまねぇな。俺も金がなくてね……。残りHP："), kHP}, 70},
  {26, kSells, 60, kVisitor, {T("今度は頼むぜ、相棒！")}, 70},
  // picture 84: grey-bearded old man with a spear
  {84, kBuys, 1, kVisitor, {T("おい！"), kName, T("を売ってくれ")}, 2},
  {84, kBuys, 40, kVisitor, {T("サ…サイフがないっっ！！")}, 41},
  {84, kBuys, 41, kVisitor, {T("どこで落としたんだろう？")}, 70},
  {84, kBuys, 50, kVisitor, {T("すまない、いつも世話になるな。残りHP："), kHP}, 70},
  {84, kBuys, 60, kVisitor, {T("おいおい、それでも武器屋か？")}, 70},
  {84, kSells, 1, kVisitor, {T("おい！"), kName, T("を"), kPrice, T("カリムで、引き取ってくれ")}, 2},
  {84, kSells, 40, kVisitor, {T("金がないのか？")}, 60},
  {84, kSells, 50, kVisitor, {T("いつも世話になるな。残りHP："), kHP}, 70},
  {84, kSells, 60, kVisitor, {T("いい品なんだけどなぁ…")}, 70},
  // picture 45: blonde winged fairy
  {45, kBuys, 1, kVisitor, {T("おい、人間！"), kName, T("をくれ")}, 2},
  {45, kBuys, 40, kVisitor, {T("な…何て事だ！(金が足りないなんて言えん)")}, 41},
  {45, kBuys, 41, kVisitor, {T("品が悪いようだな。こんな物は要らん！")}, 70},
  {45, kBuys, 50, kVisitor, {T("もっといい品を揃えてくれると助かるんだがな。残りHP："), kHP}, 70},
  {45, kBuys, 60, kVisitor, {T("ふっ、やはり人とは相容れぬものよ……")}, 70},
  {45, kSells, 1, kVisitor, {T("おい、人間！"), kName, T("を"), kPrice, T("カリムで売ってやるよ")}, 2},
  {45, kSells, 40, kVisitor, {T("金がないっ？")}, 60},
  {45, kSells, 50, kVisitor, {T("これで精進するんだな。残りHP："), kHP}, 70},
  {45, kSells, 60, kVisitor, {T("まぁ、人間には勿体無い代物か………")}, 70},
  // picture 66: woman warrior with a horned tiara
  {66, kBuys, 1, kVisitor, {T("店主、"), kName, T("を売ってくれ")}, 2},
  {66, kBuys, 40, kVisitor, {T("すまないが金が足りないようだ")}, 41},
  {66, kBuys, 41, kVisitor, {T("金を持ってまた来るよ")}, 70},
  {66, kBuys, 50, kVisitor, {T("ここはいつ来ても、いい品揃えだな。残りHP："), kHP}, 70},
  {66, kBuys, 60, kVisitor, {T("店主よ、客あってのモノダネだぞ")}, 70},
  {66, kSells, 1, kVisitor, {T("店主！すまないが、"), kName, T("を"), kPrice, T("カリムで買い取ってくれまいか？")}, 2},
  {66, kSells, 40, kVisitor, {T("金がないのか？")}, 60},
  {66, kSells, 50, kVisitor, {T("助かるよ。次も頼むよ。残りHP："), kHP}, 70},
  {66, kSells, 60, kVisitor, {T("またの機会にお願いすることにしよう")}, 70},
  // picture 78: young lady in a white hat
  {78, kBuys, 1, kVisitor, {T("すいませぇん！"), kName, T("を売ってくださいな")}, 2},
  {78, kBuys, 40, kVisitor, {T("あら、お金が足りないようですわ")}, 41},
  {78, kBuys, 41, kVisitor, {T("ふふっ。恥ずかしいわ……")}, 70},
  {78, kBuys, 50, kVisitor, {T("ありがとう♪大事に使いますね。残りHP："), kHP}, 70},
  {78, kBuys, 60, kVisitor, {T("次に来た時はよろしくお願いしますね")}, 70},
  {78, kSells, 1, kVisitor, {T("すいませぇん！"), kName, T("を"), kPrice, T("カリムで引き取ってくださいません？")}, 2},
  {78, kSells, 40, kVisitor, {T("カリムがないんですか？")}, 60},
  {78, kSells, 50, kVisitor, {T("ふふ、ありがとうございます。助かりますわ。残りHP："), kHP}, 70},
  {78, kSells, 60, kVisitor, {T("しょうがないですね。また来ますわ")}, 70},
  // picture 90: plump rich lady with round glasses
  {90, kBuys, 1, kVisitor, {T("ちょっと高いザマスが"), kName, T("を買いたいザマス")}, 2},
  {90, kBuys, 40, kVisitor, {T("あらあら、カリムが足りないザマス")}, 41},
  {90, kBuys, 41, kVisitor, {T("今持っているカリムで、これを貰っていくザマスよ！")}, 42},
  {90, kBuys, 42, kHero, {kAmount, T("カリムで、"), kName, T("を持って行かれた。残りHP："), kHP}, 70},
  {90, kBuys, 50, kVisitor, {T("ふんっ！まぁまぁザマスね。残りHP："), kHP}, 70},
  {90, kBuys, 60, kVisitor, {T("キィー！こんな店、二度と来ないザマス！！")}, 70},
  {90, kSells, 1, kVisitor, {T("ちょっとちょっと！"), kName, T("を"), kPrice, T("カリムという格安の値段で売ってあげるザマス")}, 2},
  {90, kSells, 40, kVisitor, {T("貧乏ザマスか？！")}, 41},
  {90, kSells, 41, kVisitor, {kAmount, T("カリムあげるザマスよ")}, 42},
  {90, kSells, 42, kVisitor, {T("ワタクシに感謝するザマスよ。オーホッホッホ。残りHP："), kHP}, 70},
  {90, kSells, 50, kVisitor, {T("人に親切をすると清々しいザマスね。残りHP："), kHP}, 70},
  {90, kSells, 60, kVisitor, {T("こんな店、早くたたむザマス！")}, 70},
}};
// clang-format on

constexpr bool EachKeyOnce() {
  for (std::size_t i = 0; i < kCustomerLines.size(); ++i) {
    for (std::size_t j = i + 1; j < kCustomerLines.size(); ++j) {
      const auto& a = kCustomerLines[i];
      const auto& b = kCustomerLines[j];
      if (a.picture == b.picture && a.buys == b.buys && a.code == b.code) return false;
    }
  }
  return true;
}
static_assert(EachKeyOnce(), "one line per customer, visit kind and code");

}  // namespace

const CustomerLineRow* FindCustomerLine(std::int32_t picture, bool buys, std::int32_t code) {
  const auto it = std::find_if(kCustomerLines.begin(), kCustomerLines.end(), [&](const auto& row) {
    return row.picture == picture && row.buys == buys && row.code == code;
  });
  return it == kCustomerLines.end() ? nullptr : &*it;
}

std::optional<SpokenLine> CustomerLineFor(const GameState& s) {
  const CustomerLineRow* row = FindCustomerLine(s.VisitorPicture, s.CustomerBuys != kFalse,
                                                s.PendingAction);
  if (row == nullptr) return std::nullopt;
  SpokenLine line{{}, row->heroSpeaks, row->next};
  for (const LinePiece& piece : row->pieces) {
    switch (piece.insert) {
      case Insert::Text:
        line.text += piece.text;
        break;
      case Insert::WeaponName:
        if (s.CurrentItem >= 0 && s.CurrentItem < kWeaponCount) {
          line.text += s.Catalogue[static_cast<std::size_t>(s.CurrentItem)].Name;
        }
        break;
      case Insert::Price:
        line.text += std::to_string(s.ItemPrice);
        break;
      case Insert::HP:
        line.text += std::to_string(s.HP);
        break;
      case Insert::Amount:
        line.text += std::to_string(s.DealAmount);
        break;
    }
  }
  return line;
}

}  // namespace tolmark::shop
