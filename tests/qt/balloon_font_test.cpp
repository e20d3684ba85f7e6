// The balloon font is the game's own face when present, then IPA P Gothic, then a Japanese gothic;
// the English edition's is a sans face, never a Japanese one.
#include "qt/balloon_font.h"

#include <gtest/gtest.h>

namespace tolmark {
namespace {

TEST(BalloonFont, PreferenceOrder) {
  constexpr Language ja = Language::Japanese;
  const QString ms = QString::fromUtf8("ＭＳ Ｐゴシック");
  EXPECT_EQ(PickBalloonFamily(ja, {"DejaVu Sans", "IPAPGothic", ms}, {"IPAPGothic", ms}), ms);
  EXPECT_EQ(PickBalloonFamily(ja, {"DejaVu Sans", "IPAGothic", "IPAPGothic"},
                              {"IPAGothic", "IPAPGothic"}),
            "IPAPGothic");
  EXPECT_EQ(PickBalloonFamily(ja, {"IPAMincho", "Noto Sans CJK JP", "VL Gothic"},
                              {"IPAMincho", "VL Gothic", "Noto Sans CJK JP"}),
            "VL Gothic");
  EXPECT_EQ(PickBalloonFamily(ja, {"IPAMincho"}, {"IPAMincho"}), "IPAMincho");
  EXPECT_EQ(PickBalloonFamily(ja, {"DejaVu Sans"}, {}), "");
}

TEST(BalloonFont, EnglishTakesASansFace) {
  constexpr Language en = Language::English;
  EXPECT_EQ(PickBalloonFamily(en, {"IPAPGothic", "DejaVu Sans", "Noto Sans"}, {"IPAPGothic"}),
            "DejaVu Sans");
  EXPECT_EQ(PickBalloonFamily(en, {"IPAPGothic", "Noto Sans"}, {"IPAPGothic"}), "Noto Sans");
  EXPECT_EQ(PickBalloonFamily(en, {"IPAPGothic"}, {"IPAPGothic"}), "");
}

}  // namespace
}  // namespace tolmark
