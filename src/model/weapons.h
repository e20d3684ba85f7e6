// The weapon catalogue: 61 weapons by index, and the town market's assortment drawn from it.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "model/game_state.h"

namespace tolmark {

class Random;

struct WeaponRow {
  std::int32_t id;
  std::string_view name;
  std::string_view description;
  std::int32_t price;
};

// clang-format off
inline constexpr std::array<WeaponRow, kWeaponCount> kWeapons = {{
//   id  name                description                                      price
    {0, "木刀", "土産物屋にすら置いてある木で出来た刀", 10},
    {1, "ブーメラン", "上手く投げれば手元に戻ってくる", 20},
    {2, "こん棒", "木で出来たイカツイ棒", 30},
    {3, "フライパン", "持ち易い取っ手のついた鉄の塊", 50},
    {4, "バタフライナイフ", "折畳式のナイフ。ポケットにも入る", 100},
    {5, "手裏剣", "亜細李亜大陸に伝わる飛び道具", 130},
    {6, "金鎚", "鍛冶屋が鉄を打つ時に使う鎚", 200},
    {7, "包丁", "鞘がないので取扱要注意", 230},
    {8, "ボーガン", "別名クロスボウ。引き金を引くと矢を放つ", 270},
    {9, "爆弾岩", "衝撃を与えると爆発する岩", 340},
    {10, "チャクラム", "手元に戻ってくる不思議な投具", 400},
    {11, "コシヒカリ", "腰に差した剣がまぶしく光る", 500},
    {12, "ササニシキ", "黄金色に輝く刀", 530},
    {13, "鉄扇", "舞姫御用達武器。華麗な舞で旋風を起こす", 600},
    {14, "風神剣", "風属性の剣。相手を吹き飛ばす", 700},
    {15, "斬鉄剣", "鉄をも切り裂く剣。コンニャクは切れない", 900},
    {16, "村正", "亜細李亜大陸では所有を禁じられている妖刀", 1200},
    {17, "トライデント", "嵐や津波を引き起こす三又の矛", 1800},
    {18, "白虎の斧", "白色に輝く斧。水の属性を持つ", 2000},
    {19, "朱雀の杖", "赤色に輝く杖。火の属性を持つ", 2500},
    {20, "鉄の爪", "鉄で出来た爪。体術が得意な人向け", 550},
    {21, "アイアンソード", "鉄で出来た剣。重いのが難点", 600},
    {22, "鋼のグローブ", "拳闘家が好んで使うグローブ", 680},
    {23, "睡魔の杖", "睡香を放つ木から作った杖", 800},
    {24, "猛毒の爪", "モンスターから採取した毒が仕込まれている爪", 940},
    {25, "小次郎の剣", "伸び縮みする不思議な剣", 1260},
    {26, "武蔵の剣", "二本の長さの違う剣", 1500},
    {27, "ラビリス", "ミノタウロスが持っていた双斧", 1600},
    {28, "正宗", "亜細李亜大陸で作られた名刀", 1900},
    {29, "アサシンダガー", "暗殺者が好んで使う、殺人用の短剣", 2300},
    {30, "雷神剣", "雷属性の剣。相手を痺れさせる", 2400},
    {31, "陸奥守", "ムツノカミ。亜細李亜大陸の英雄の愛刀", 2900},
    {32, "ゲイボルグ", "海獣の骨から作ったとされる神槍", 3600},
    {33, "金の剣", "全てが金で出来た剣。高く売れる", 10000},
    {34, "村雨", "刀身が絶え間なく露を帯びている", 4200},
    {35, "グングニル", "稲妻の力を秘めた槍", 4800},
    {36, "ティルフィング", "ドワーフが作った魔剣。所有者に破滅をもたらす", 5200},
    {37, "天叢雲剣", "ヤマタノオロチと言う大蛇から取り出した剣", 5900},
    {38, "玄武の槍", "黒色に輝く槍｡風の属性を持つ", 6700},
    {39, "青龍刀", "青色に輝く刀。地の属性を持つ", 7500},
    {40, "ナイツレイピア", "ある騎士団が愛用していた突き専用の剣", 4000},
    {41, "サザンクロス", "南十字星をモチーフにした剣", 4600},
    {42, "炎の鞭", "見た目は普通の鞭だが､振るうと炎を放つ", 5600},
    {43, "方天戟", "ホウテンゲキ。鬼の様に強い人が愛用していた槍", 6000},
    {44, "セイントソード", "聖なる剣。邪悪なる者に絶大な効果", 6800},
    {45, "悪魔の剣", "悪魔が作ったと言われる剣。呪われている", 7300},
    {46, "ドラゴンセイバー", "あまりの切れ味にドラゴンの首をも一撃で落とす", 8700},
    {47, "奇跡の杖", "とある聖者が奇跡を起こした時に持っていた杖", 11000},
    {48, "カイザーナックル", "皇帝が身を守るのに使う最後の手段", 12500},
    {49, "聖剣ヴァルキリー", "戦乙女ヴァルキリーが愛用していた剣", 14600},
    {50, "瞬殺の剣", "たまに相手を即死させる恐ろしい剣", 18000},
    {51, "疾風の弓", "あまりの速さに飛んでいる間は見る事が出来ない", 21200},
    {52, "死神の鎌", "命を奪う事だけを目的に作られた鎌", 26000},
    {53, "宝飾刀", "煌びやかでゴージャスな刀", 80000},
    {54, "ケーリュケイオン", "二匹のヘビが絡みついた医学の神の杖", 32000},
    {55, "カオスソード", "全てを無に帰す剣", 38000},
    {56, "ソウルイーター", "倒した者の魂を食べて強くなる剣", 42500},
    {57, "ダイナストソード", "覇王ダイナストが愛用した剣", 51300},
    {58, "麒麟の珠", "黄色に輝く珠。空の属性を持つ", 60000},
    {59, "五輪の剣", "全ての理を一振りの剣に込めた最強の剣", 200000},
    {60, "魔剣ケルベラー", "装備した者を魔獣へと変える魔剣", 400000},
}};
// clang-format on

constexpr bool IdsMatchRows() {
  for (std::size_t i = 0; i < kWeapons.size(); ++i) {
    if (kWeapons[i].id != static_cast<std::int32_t>(i)) return false;
  }
  return true;
}
static_assert(IdsMatchRows(), "a weapon's id is its row");

// The five holy-beast weapons, one for each sacred beast of the road, in the order the
// collection check looks for them; the carpenter forges the strongest sword from all five.
inline constexpr std::array<std::int32_t, 5> kHolyBeastWeapons = {19, 18, 38, 39, 58};
inline constexpr std::int32_t kStrongestSword = 59;

// The catalogue name of a weapon; question marks for a number no row has (only a tampered save
// holds one), as a list shows a weapon never seen.
inline constexpr std::string_view kUnknownWeaponName = "？　？　？　？　？";
std::string_view WeaponNameOf(const GameState& s, std::int32_t weaponId);

// Fills Catalogue from the table.
void BuildCatalogue(GameState& s);

// Fills MarketGoods with one of the two assortments (choice 0 or non-zero) and draws each
// asking price between half and seven tenths of the base price, reseeding before each draw.
void BuildMarketGoods(GameState& s, int choice, Random& random);

}  // namespace tolmark
