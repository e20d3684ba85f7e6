// The customers' lines as one table, and the builder that fills in names and numbers.
#include "shop/customer_lines.h"

#include <algorithm>
#include <array>
#include <string>
#include <string_view>
#include <utility>

#include "model/language.h"
#include "shop/shop_codes.h"

namespace tolmark::shop {
namespace {

constexpr bool kBuys = true;
constexpr bool kSells = false;
constexpr bool kHero = true;
constexpr bool kVisitor = false;

// Buying visits: the request, the customer short of money, sold, refused. Selling visits: the
// offer, the merchant short of money, bought, refused or parting. Every visit goes on to the
// experience of the trade. Each line is one whole text with its values in slots, so that
// another language may put the weapon, the price and the HP where its own words want them.
// clang-format off
constexpr std::array<CustomerLineRow, 88> kCustomerLines = {{
  // picture 60: priest in a blue robe
  {60, kBuys, code::VisitBegins, kVisitor, "こんにちは！{weapon}が欲しいのですが", code::AskTheDeal},
  {60, kBuys, code::ShortOfMoney, kVisitor, "ごめんなさい。カリムが足りないようです", code::ShortOfMoneyWayOut},
  {60, kBuys, code::ShortOfMoneyWayOut, kVisitor, "カリムを貯めて出直してきます", code::EarnExperience},
  {60, kBuys, code::DealDone, kVisitor, "ありがとう。これが欲しかったんです。残りHP：{hp}", code::EarnExperience},
  {60, kBuys, code::DealRefused, kVisitor, "…………あなたに、ガイア神のご加護がありますように", code::EarnExperience},
  {60, kSells, code::VisitBegins, kVisitor, "こんにちは！{weapon}を{price}カリムで売りたいのですが……", code::AskTheDeal},
  {60, kSells, code::ShortOfMoney, kVisitor, "お金が足りないのですか？", code::ShortOfMoneyWayOut},
  {60, kSells, code::ShortOfMoneyWayOut, kVisitor, "それでは、タダでこれを差し上げましょう", code::ShortOfMoneySettled},
  {60, kSells, code::ShortOfMoneySettled, kVisitor, "あなたに、ガイア神のご加護がありますように…。残りHP：{hp}", code::EarnExperience},
  {60, kSells, code::DealDone, kVisitor, "助かりました。ありがとう。残りHP：{hp}", code::EarnExperience},
  {60, kSells, code::DealRefused, kVisitor, "そうですか…。他をあたります", code::EarnExperience},
  // picture 72: red-haired youth in a black cloak
  {72, kBuys, code::VisitBegins, kVisitor, "よぉ！{weapon}を売ってくれ！", code::AskTheDeal},
  {72, kBuys, code::ShortOfMoney, kVisitor, "わりぃ、金が足りねぇようだ", code::ShortOfMoneyWayOut},
  {72, kBuys, code::ShortOfMoneyWayOut, kVisitor, "金が貯まったら、また来るぜ", code::EarnExperience},
  {72, kBuys, code::DealDone, kVisitor, "いい買い物をしたぜ。残りHP：{hp}", code::EarnExperience},
  {72, kBuys, code::DealRefused, kVisitor, "なんでぇい！そんなんで店屋が務まるのかぁ？！", code::EarnExperience},
  {72, kSells, code::VisitBegins, kVisitor, "よぉ！{weapon}を{price}カリムで売りに来たぜ", code::AskTheDeal},
  {72, kSells, code::ShortOfMoney, kVisitor, "金が足りねぇだと？", code::DealRefused},
  {72, kSells, code::DealDone, kVisitor, "いい買い物をするねぇ…。残りHP：{hp}", code::EarnExperience},
  {72, kSells, code::DealRefused, kVisitor, "なんでぇい！他に行ってくらぁ", code::EarnExperience},
  // picture 51: young swordsman with a shield
  {51, kBuys, code::VisitBegins, kVisitor, "すまないが、{weapon}を売ってくれないか？", code::AskTheDeal},
  {51, kBuys, code::ShortOfMoney, kVisitor, "恥ずかしい事だが、金が足りないようだ", code::ShortOfMoneyWayOut},
  {51, kBuys, code::ShortOfMoneyWayOut, kVisitor, "どっかで稼いでからまた来るよ", code::EarnExperience},
  {51, kBuys, code::DealDone, kVisitor, "ありがとう。大事にするよ。残りHP：{hp}", code::EarnExperience},
  {51, kBuys, code::DealRefused, kVisitor, "……邪魔したな", code::EarnExperience},
  {51, kSells, code::VisitBegins, kVisitor, "すまないが、{weapon}を{price}カリムで、買い取ってくれないか？", code::AskTheDeal},
  {51, kSells, code::ShortOfMoney, kVisitor, "持ち金が足りないのかい？", code::DealRefused},
  {51, kSells, code::DealDone, kVisitor, "ありがとう。これで新しい武器が買えるよ。残りHP：{hp}", code::EarnExperience},
  {51, kSells, code::DealRefused, kVisitor, "違う店に行くことにするよ。邪魔したな", code::EarnExperience},
  // picture 26: red-haired travelling merchant with a pack
  {26, kBuys, code::VisitBegins, kVisitor, "おう！{weapon}を売ってくれ！", code::AskTheDeal},
  {26, kBuys, code::ShortOfMoney, kVisitor, "カリムが足りねぇっ……！！", code::ShortOfMoneyWayOut},
  {26, kBuys, code::ShortOfMoneyWayOut, kVisitor, "しょうがねぇな。また来るよ", code::EarnExperience},
  {26, kBuys, code::DealDone, kVisitor, "やっぱ相棒はイイ仕事をするねぇ。残りHP：{hp}", code::EarnExperience},
  {26, kBuys, code::DealRefused, kVisitor, "くそっ！もう来ねぇぞ！", code::EarnExperience},
  {26, kSells, code::VisitBegins, kVisitor, "おう！{weapon}を{price}カリムで、買い取ってくれ！", code::AskTheDeal},
  {26, kSells, code::ShortOfMoney, kVisitor, "金がねぇだと？", code::ShortOfMoneyWayOut},
  {26, kSells, code::ShortOfMoneyWayOut, kVisitor, "同業のよしみだ。今持ってる額でくれてやるよ", code::ShortOfMoneySettled},
  {26, kSells, code::ShortOfMoneySettled, kVisitor, "困った時は、お互い様ってやつさ。残りHP：{hp}", code::EarnExperience},
  {26, kSells, code::DealDone, kVisitor, "すまねぇな。俺も金がなくてね……。残りHP：{hp}", code::EarnExperience},
  {26, kSells, code::DealRefused, kVisitor, "今度は頼むぜ、相棒！", code::EarnExperience},
  // picture 84: grey-bearded old man with a spear
  {84, kBuys, code::VisitBegins, kVisitor, "おい！{weapon}を売ってくれ", code::AskTheDeal},
  {84, kBuys, code::ShortOfMoney, kVisitor, "サ…サイフがないっっ！！", code::ShortOfMoneyWayOut},
  {84, kBuys, code::ShortOfMoneyWayOut, kVisitor, "どこで落としたんだろう？", code::EarnExperience},
  {84, kBuys, code::DealDone, kVisitor, "すまない、いつも世話になるな。残りHP：{hp}", code::EarnExperience},
  {84, kBuys, code::DealRefused, kVisitor, "おいおい、それでも武器屋か？", code::EarnExperience},
  {84, kSells, code::VisitBegins, kVisitor, "おい！{weapon}を{price}カリムで、引き取ってくれ", code::AskTheDeal},
  {84, kSells, code::ShortOfMoney, kVisitor, "金がないのか？", code::DealRefused},
  {84, kSells, code::DealDone, kVisitor, "いつも世話になるな。残りHP：{hp}", code::EarnExperience},
  {84, kSells, code::DealRefused, kVisitor, "いい品なんだけどなぁ…", code::EarnExperience},
  // picture 45: blonde winged fairy
  {45, kBuys, code::VisitBegins, kVisitor, "おい、人間！{weapon}をくれ", code::AskTheDeal},
  {45, kBuys, code::ShortOfMoney, kVisitor, "な…何て事だ！(金が足りないなんて言えん)", code::ShortOfMoneyWayOut},
  {45, kBuys, code::ShortOfMoneyWayOut, kVisitor, "品が悪いようだな。こんな物は要らん！", code::EarnExperience},
  {45, kBuys, code::DealDone, kVisitor, "もっといい品を揃えてくれると助かるんだがな。残りHP：{hp}", code::EarnExperience},
  {45, kBuys, code::DealRefused, kVisitor, "ふっ、やはり人とは相容れぬものよ……", code::EarnExperience},
  {45, kSells, code::VisitBegins, kVisitor, "おい、人間！{weapon}を{price}カリムで売ってやるよ", code::AskTheDeal},
  {45, kSells, code::ShortOfMoney, kVisitor, "金がないっ？", code::DealRefused},
  {45, kSells, code::DealDone, kVisitor, "これで精進するんだな。残りHP：{hp}", code::EarnExperience},
  {45, kSells, code::DealRefused, kVisitor, "まぁ、人間には勿体無い代物か………", code::EarnExperience},
  // picture 66: woman warrior with a horned tiara
  {66, kBuys, code::VisitBegins, kVisitor, "店主、{weapon}を売ってくれ", code::AskTheDeal},
  {66, kBuys, code::ShortOfMoney, kVisitor, "すまないが金が足りないようだ", code::ShortOfMoneyWayOut},
  {66, kBuys, code::ShortOfMoneyWayOut, kVisitor, "金を持ってまた来るよ", code::EarnExperience},
  {66, kBuys, code::DealDone, kVisitor, "ここはいつ来ても、いい品揃えだな。残りHP：{hp}", code::EarnExperience},
  {66, kBuys, code::DealRefused, kVisitor, "店主よ、客あってのモノダネだぞ", code::EarnExperience},
  {66, kSells, code::VisitBegins, kVisitor, "店主！すまないが、{weapon}を{price}カリムで買い取ってくれまいか？", code::AskTheDeal},
  {66, kSells, code::ShortOfMoney, kVisitor, "金がないのか？", code::DealRefused},
  {66, kSells, code::DealDone, kVisitor, "助かるよ。次も頼むよ。残りHP：{hp}", code::EarnExperience},
  {66, kSells, code::DealRefused, kVisitor, "またの機会にお願いすることにしよう", code::EarnExperience},
  // picture 78: young lady in a white hat
  {78, kBuys, code::VisitBegins, kVisitor, "すいませぇん！{weapon}を売ってくださいな", code::AskTheDeal},
  {78, kBuys, code::ShortOfMoney, kVisitor, "あら、お金が足りないようですわ", code::ShortOfMoneyWayOut},
  {78, kBuys, code::ShortOfMoneyWayOut, kVisitor, "ふふっ。恥ずかしいわ……", code::EarnExperience},
  {78, kBuys, code::DealDone, kVisitor, "ありがとう♪大事に使いますね。残りHP：{hp}", code::EarnExperience},
  {78, kBuys, code::DealRefused, kVisitor, "次に来た時はよろしくお願いしますね", code::EarnExperience},
  {78, kSells, code::VisitBegins, kVisitor, "すいませぇん！{weapon}を{price}カリムで引き取ってくださいません？", code::AskTheDeal},
  {78, kSells, code::ShortOfMoney, kVisitor, "カリムがないんですか？", code::DealRefused},
  {78, kSells, code::DealDone, kVisitor, "ふふ、ありがとうございます。助かりますわ。残りHP：{hp}", code::EarnExperience},
  {78, kSells, code::DealRefused, kVisitor, "しょうがないですね。また来ますわ", code::EarnExperience},
  // picture 90: plump rich lady with round glasses
  {90, kBuys, code::VisitBegins, kVisitor, "ちょっと高いザマスが{weapon}を買いたいザマス", code::AskTheDeal},
  {90, kBuys, code::ShortOfMoney, kVisitor, "あらあら、カリムが足りないザマス", code::ShortOfMoneyWayOut},
  {90, kBuys, code::ShortOfMoneyWayOut, kVisitor, "今持っているカリムで、これを貰っていくザマスよ！", code::ShortOfMoneySettled},
  {90, kBuys, code::ShortOfMoneySettled, kHero, "{amount}カリムで、{weapon}を持って行かれた。残りHP：{hp}", code::EarnExperience},
  {90, kBuys, code::DealDone, kVisitor, "ふんっ！まぁまぁザマスね。残りHP：{hp}", code::EarnExperience},
  {90, kBuys, code::DealRefused, kVisitor, "キィー！こんな店、二度と来ないザマス！！", code::EarnExperience},
  {90, kSells, code::VisitBegins, kVisitor, "ちょっとちょっと！{weapon}を{price}カリムという格安の値段で売ってあげるザマス", code::AskTheDeal},
  {90, kSells, code::ShortOfMoney, kVisitor, "貧乏ザマスか？！", code::ShortOfMoneyWayOut},
  {90, kSells, code::ShortOfMoneyWayOut, kVisitor, "{amount}カリムあげるザマスよ", code::ShortOfMoneySettled},
  {90, kSells, code::ShortOfMoneySettled, kVisitor, "ワタクシに感謝するザマスよ。オーホッホッホ。残りHP：{hp}", code::EarnExperience},
  {90, kSells, code::DealDone, kVisitor, "人に親切をすると清々しいザマスね。残りHP：{hp}", code::EarnExperience},
  {90, kSells, code::DealRefused, kVisitor, "こんな店、早くたたむザマス！", code::EarnExperience},
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

// A slot the builder does not fill would be shown to the player as it stands.
constexpr bool FillsEverySlot() {
  for (const CustomerLineRow& row : kCustomerLines) {
    const std::string_view line = row.pattern;
    for (std::size_t open = line.find('{'); open != std::string_view::npos;
         open = line.find('{', open + 1)) {
      const std::size_t close = line.find('}', open);
      if (close == std::string_view::npos) return false;
      const std::string_view slot = line.substr(open + 1, close - open - 1);
      if (slot != "weapon" && slot != "price" && slot != "hp" && slot != "amount") return false;
    }
  }
  return true;
}
static_assert(FillsEverySlot(), "every slot of a line is the weapon, price, hp or amount");

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
  const bool known = s.CurrentItem >= 0 && s.CurrentItem < kWeaponCount;
  const std::string weapon =
      known ? s.Catalogue[static_cast<std::size_t>(s.CurrentItem)].Name : std::string();
  const std::string price = std::to_string(s.ItemPrice);
  const std::string hp = std::to_string(s.HP);
  const std::string amount = std::to_string(s.DealAmount);
  std::string text =
      Fill(row->pattern, {{"weapon", weapon}, {"price", price}, {"hp", hp}, {"amount", amount}});
  return Says(row->heroSpeaks ? Speaker::Hero : Speaker::Visitor, std::move(text), row->next);
}

}  // namespace tolmark::shop
