// The customers' lines as one table, and the builder that fills in names and numbers.
#include "shop/customer_lines.h"

#include <algorithm>
#include <utility>

#include "shop/shop_codes.h"

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

// Buying visits: the request, the customer short of money, sold, refused. Selling visits: the
// offer, the merchant short of money, bought, refused or parting. Every visit goes on to the
// experience of the trade.
// clang-format off
constexpr std::array<CustomerLineRow, 88> kCustomerLines = {{
  // picture 60: priest in a blue robe
  {60, kBuys, code::VisitBegins, kVisitor, {T("こんにちは！"), kName, T("が欲しいのですが")}, code::AskTheDeal},
  {60, kBuys, code::ShortOfMoney, kVisitor, {T("ごめんなさい。カリムが足りないようです")}, code::ShortOfMoneyWayOut},
  {60, kBuys, code::ShortOfMoneyWayOut, kVisitor, {T("カリムを貯めて出直してきます")}, code::EarnExperience},
  {60, kBuys, code::DealDone, kVisitor, {T("ありがとう。これが欲しかったんです。残りHP："), kHP}, code::EarnExperience},
  {60, kBuys, code::DealRefused, kVisitor, {T("…………あなたに、ガイア神のご加護がありますように")}, code::EarnExperience},
  {60, kSells, code::VisitBegins, kVisitor, {T("こんにちは！"), kName, T("を"), kPrice, T("カリムで売りたいのですが……")}, code::AskTheDeal},
  {60, kSells, code::ShortOfMoney, kVisitor, {T("お金が足りないのですか？")}, code::ShortOfMoneyWayOut},
  {60, kSells, code::ShortOfMoneyWayOut, kVisitor, {T("それでは、タダでこれを差し上げましょう")}, code::ShortOfMoneySettled},
  {60, kSells, code::ShortOfMoneySettled, kVisitor, {T("あなたに、ガイア神のご加護がありますように…。残りHP："), kHP}, code::EarnExperience},
  {60, kSells, code::DealDone, kVisitor, {T("助かりました。ありがとう。残りHP："), kHP}, code::EarnExperience},
  {60, kSells, code::DealRefused, kVisitor, {T("そうですか…。他をあたります")}, code::EarnExperience},
  // picture 72: red-haired youth in a black cloak
  {72, kBuys, code::VisitBegins, kVisitor, {T("よぉ！"), kName, T("を売ってくれ！")}, code::AskTheDeal},
  {72, kBuys, code::ShortOfMoney, kVisitor, {T("わりぃ、金が足りねぇようだ")}, code::ShortOfMoneyWayOut},
  {72, kBuys, code::ShortOfMoneyWayOut, kVisitor, {T("金が貯まったら、また来るぜ")}, code::EarnExperience},
  {72, kBuys, code::DealDone, kVisitor, {T("いい買い物をしたぜ。残りHP："), kHP}, code::EarnExperience},
  {72, kBuys, code::DealRefused, kVisitor, {T("なんでぇい！そんなんで店屋が務まるのかぁ？！")}, code::EarnExperience},
  {72, kSells, code::VisitBegins, kVisitor, {T("よぉ！"), kName, T("を"), kPrice, T("カリムで売りに来たぜ")}, code::AskTheDeal},
  {72, kSells, code::ShortOfMoney, kVisitor, {T("金が足りねぇだと？")}, code::DealRefused},
  {72, kSells, code::DealDone, kVisitor, {T("いい買い物をするねぇ…。残りHP："), kHP}, code::EarnExperience},
  {72, kSells, code::DealRefused, kVisitor, {T("なんでぇい！他に行ってくらぁ")}, code::EarnExperience},
  // picture 51: young swordsman with a shield
  {51, kBuys, code::VisitBegins, kVisitor, {T("すまないが、"), kName, T("を売ってくれないか？")}, code::AskTheDeal},
  {51, kBuys, code::ShortOfMoney, kVisitor, {T("恥ずかしい事だが、金が足りないようだ")}, code::ShortOfMoneyWayOut},
  {51, kBuys, code::ShortOfMoneyWayOut, kVisitor, {T("どっかで稼いでからまた来るよ")}, code::EarnExperience},
  {51, kBuys, code::DealDone, kVisitor, {T("ありがとう。大事にするよ。残りHP："), kHP}, code::EarnExperience},
  {51, kBuys, code::DealRefused, kVisitor, {T("……邪魔したな")}, code::EarnExperience},
  {51, kSells, code::VisitBegins, kVisitor, {T("すまないが、"), kName, T("を"), kPrice, T("カリムで、買い取ってくれないか？")}, code::AskTheDeal},
  {51, kSells, code::ShortOfMoney, kVisitor, {T("持ち金が足りないのかい？")}, code::DealRefused},
  {51, kSells, code::DealDone, kVisitor, {T("ありがとう。これで新しい武器が買えるよ。残りHP："), kHP}, code::EarnExperience},
  {51, kSells, code::DealRefused, kVisitor, {T("違う店に行くことにするよ。邪魔したな")}, code::EarnExperience},
  // picture 26: red-haired travelling merchant with a pack
  {26, kBuys, code::VisitBegins, kVisitor, {T("おう！"), kName, T("を売ってくれ！")}, code::AskTheDeal},
  {26, kBuys, code::ShortOfMoney, kVisitor, {T("カリムが足りねぇっ……！！")}, code::ShortOfMoneyWayOut},
  {26, kBuys, code::ShortOfMoneyWayOut, kVisitor, {T("しょうがねぇな。また来るよ")}, code::EarnExperience},
  {26, kBuys, code::DealDone, kVisitor, {T("やっぱ相棒はイイ仕事をするねぇ。残りHP："), kHP}, code::EarnExperience},
  {26, kBuys, code::DealRefused, kVisitor, {T("くそっ！もう来ねぇぞ！")}, code::EarnExperience},
  {26, kSells, code::VisitBegins, kVisitor, {T("おう！"), kName, T("を"), kPrice, T("カリムで、買い取ってくれ！")}, code::AskTheDeal},
  {26, kSells, code::ShortOfMoney, kVisitor, {T("金がねぇだと？")}, code::ShortOfMoneyWayOut},
  {26, kSells, code::ShortOfMoneyWayOut, kVisitor, {T("同業のよしみだ。今持ってる額でくれてやるよ")}, code::ShortOfMoneySettled},
  {26, kSells, code::ShortOfMoneySettled, kVisitor, {T("困った時は、お互い様ってやつさ。残りHP："), kHP}, code::EarnExperience},
  {26, kSells, code::DealDone, kVisitor, {T("すまねぇな。俺も金がなくてね……。残りHP："), kHP}, code::EarnExperience},
  {26, kSells, code::DealRefused, kVisitor, {T("今度は頼むぜ、相棒！")}, code::EarnExperience},
  // picture 84: grey-bearded old man with a spear
  {84, kBuys, code::VisitBegins, kVisitor, {T("おい！"), kName, T("を売ってくれ")}, code::AskTheDeal},
  {84, kBuys, code::ShortOfMoney, kVisitor, {T("サ…サイフがないっっ！！")}, code::ShortOfMoneyWayOut},
  {84, kBuys, code::ShortOfMoneyWayOut, kVisitor, {T("どこで落としたんだろう？")}, code::EarnExperience},
  {84, kBuys, code::DealDone, kVisitor, {T("すまない、いつも世話になるな。残りHP："), kHP}, code::EarnExperience},
  {84, kBuys, code::DealRefused, kVisitor, {T("おいおい、それでも武器屋か？")}, code::EarnExperience},
  {84, kSells, code::VisitBegins, kVisitor, {T("おい！"), kName, T("を"), kPrice, T("カリムで、引き取ってくれ")}, code::AskTheDeal},
  {84, kSells, code::ShortOfMoney, kVisitor, {T("金がないのか？")}, code::DealRefused},
  {84, kSells, code::DealDone, kVisitor, {T("いつも世話になるな。残りHP："), kHP}, code::EarnExperience},
  {84, kSells, code::DealRefused, kVisitor, {T("いい品なんだけどなぁ…")}, code::EarnExperience},
  // picture 45: blonde winged fairy
  {45, kBuys, code::VisitBegins, kVisitor, {T("おい、人間！"), kName, T("をくれ")}, code::AskTheDeal},
  {45, kBuys, code::ShortOfMoney, kVisitor, {T("な…何て事だ！(金が足りないなんて言えん)")}, code::ShortOfMoneyWayOut},
  {45, kBuys, code::ShortOfMoneyWayOut, kVisitor, {T("品が悪いようだな。こんな物は要らん！")}, code::EarnExperience},
  {45, kBuys, code::DealDone, kVisitor, {T("もっといい品を揃えてくれると助かるんだがな。残りHP："), kHP}, code::EarnExperience},
  {45, kBuys, code::DealRefused, kVisitor, {T("ふっ、やはり人とは相容れぬものよ……")}, code::EarnExperience},
  {45, kSells, code::VisitBegins, kVisitor, {T("おい、人間！"), kName, T("を"), kPrice, T("カリムで売ってやるよ")}, code::AskTheDeal},
  {45, kSells, code::ShortOfMoney, kVisitor, {T("金がないっ？")}, code::DealRefused},
  {45, kSells, code::DealDone, kVisitor, {T("これで精進するんだな。残りHP："), kHP}, code::EarnExperience},
  {45, kSells, code::DealRefused, kVisitor, {T("まぁ、人間には勿体無い代物か………")}, code::EarnExperience},
  // picture 66: woman warrior with a horned tiara
  {66, kBuys, code::VisitBegins, kVisitor, {T("店主、"), kName, T("を売ってくれ")}, code::AskTheDeal},
  {66, kBuys, code::ShortOfMoney, kVisitor, {T("すまないが金が足りないようだ")}, code::ShortOfMoneyWayOut},
  {66, kBuys, code::ShortOfMoneyWayOut, kVisitor, {T("金を持ってまた来るよ")}, code::EarnExperience},
  {66, kBuys, code::DealDone, kVisitor, {T("ここはいつ来ても、いい品揃えだな。残りHP："), kHP}, code::EarnExperience},
  {66, kBuys, code::DealRefused, kVisitor, {T("店主よ、客あってのモノダネだぞ")}, code::EarnExperience},
  {66, kSells, code::VisitBegins, kVisitor, {T("店主！すまないが、"), kName, T("を"), kPrice, T("カリムで買い取ってくれまいか？")}, code::AskTheDeal},
  {66, kSells, code::ShortOfMoney, kVisitor, {T("金がないのか？")}, code::DealRefused},
  {66, kSells, code::DealDone, kVisitor, {T("助かるよ。次も頼むよ。残りHP："), kHP}, code::EarnExperience},
  {66, kSells, code::DealRefused, kVisitor, {T("またの機会にお願いすることにしよう")}, code::EarnExperience},
  // picture 78: young lady in a white hat
  {78, kBuys, code::VisitBegins, kVisitor, {T("すいませぇん！"), kName, T("を売ってくださいな")}, code::AskTheDeal},
  {78, kBuys, code::ShortOfMoney, kVisitor, {T("あら、お金が足りないようですわ")}, code::ShortOfMoneyWayOut},
  {78, kBuys, code::ShortOfMoneyWayOut, kVisitor, {T("ふふっ。恥ずかしいわ……")}, code::EarnExperience},
  {78, kBuys, code::DealDone, kVisitor, {T("ありがとう♪大事に使いますね。残りHP："), kHP}, code::EarnExperience},
  {78, kBuys, code::DealRefused, kVisitor, {T("次に来た時はよろしくお願いしますね")}, code::EarnExperience},
  {78, kSells, code::VisitBegins, kVisitor, {T("すいませぇん！"), kName, T("を"), kPrice, T("カリムで引き取ってくださいません？")}, code::AskTheDeal},
  {78, kSells, code::ShortOfMoney, kVisitor, {T("カリムがないんですか？")}, code::DealRefused},
  {78, kSells, code::DealDone, kVisitor, {T("ふふ、ありがとうございます。助かりますわ。残りHP："), kHP}, code::EarnExperience},
  {78, kSells, code::DealRefused, kVisitor, {T("しょうがないですね。また来ますわ")}, code::EarnExperience},
  // picture 90: plump rich lady with round glasses
  {90, kBuys, code::VisitBegins, kVisitor, {T("ちょっと高いザマスが"), kName, T("を買いたいザマス")}, code::AskTheDeal},
  {90, kBuys, code::ShortOfMoney, kVisitor, {T("あらあら、カリムが足りないザマス")}, code::ShortOfMoneyWayOut},
  {90, kBuys, code::ShortOfMoneyWayOut, kVisitor, {T("今持っているカリムで、これを貰っていくザマスよ！")}, code::ShortOfMoneySettled},
  {90, kBuys, code::ShortOfMoneySettled, kHero, {kAmount, T("カリムで、"), kName, T("を持って行かれた。残りHP："), kHP}, code::EarnExperience},
  {90, kBuys, code::DealDone, kVisitor, {T("ふんっ！まぁまぁザマスね。残りHP："), kHP}, code::EarnExperience},
  {90, kBuys, code::DealRefused, kVisitor, {T("キィー！こんな店、二度と来ないザマス！！")}, code::EarnExperience},
  {90, kSells, code::VisitBegins, kVisitor, {T("ちょっとちょっと！"), kName, T("を"), kPrice, T("カリムという格安の値段で売ってあげるザマス")}, code::AskTheDeal},
  {90, kSells, code::ShortOfMoney, kVisitor, {T("貧乏ザマスか？！")}, code::ShortOfMoneyWayOut},
  {90, kSells, code::ShortOfMoneyWayOut, kVisitor, {kAmount, T("カリムあげるザマスよ")}, code::ShortOfMoneySettled},
  {90, kSells, code::ShortOfMoneySettled, kVisitor, {T("ワタクシに感謝するザマスよ。オーホッホッホ。残りHP："), kHP}, code::EarnExperience},
  {90, kSells, code::DealDone, kVisitor, {T("人に親切をすると清々しいザマスね。残りHP："), kHP}, code::EarnExperience},
  {90, kSells, code::DealRefused, kVisitor, {T("こんな店、早くたたむザマス！")}, code::EarnExperience},
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

std::optional<Outcome> CustomerLineFor(const GameState& s) {
  const CustomerLineRow* row = FindCustomerLine(s.VisitorPicture, s.CustomerBuys != kFalse,
                                                s.PendingAction);
  if (row == nullptr) return std::nullopt;
  std::string text;
  for (const LinePiece& piece : row->pieces) {
    switch (piece.insert) {
      case Insert::Text:
        text += piece.text;
        break;
      case Insert::WeaponName:
        if (s.CurrentItem >= 0 && s.CurrentItem < kWeaponCount) {
          text += s.Catalogue[static_cast<std::size_t>(s.CurrentItem)].Name;
        }
        break;
      case Insert::Price:
        text += std::to_string(s.ItemPrice);
        break;
      case Insert::HP:
        text += std::to_string(s.HP);
        break;
      case Insert::Amount:
        text += std::to_string(s.DealAmount);
        break;
    }
  }
  return Says(row->heroSpeaks ? Speaker::Hero : Speaker::Visitor, std::move(text), row->next);
}

}  // namespace tolmark::shop
