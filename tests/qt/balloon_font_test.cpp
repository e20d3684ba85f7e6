// The balloon font is the game's own face when present, then IPA P Gothic, then a Japanese gothic.
#include "qt/balloon_font.h"

#include <gtest/gtest.h>

namespace tolmark {
namespace {

TEST(BalloonFont, PreferenceOrder) {
  const QString ms = QString::fromUtf8("ＭＳ Ｐゴシック");
  EXPECT_EQ(PickBalloonFamily({"DejaVu Sans", "IPAPGothic", ms}, {"IPAPGothic", ms}), ms);
  EXPECT_EQ(PickBalloonFamily({"DejaVu Sans", "IPAGothic", "IPAPGothic"}, {"IPAGothic", "IPAPGothic"}),
            "IPAPGothic");
  EXPECT_EQ(PickBalloonFamily({"IPAMincho", "Noto Sans CJK JP", "VL Gothic"},
                              {"IPAMincho", "VL Gothic", "Noto Sans CJK JP"}),
            "VL Gothic");
  EXPECT_EQ(PickBalloonFamily({"IPAMincho"}, {"IPAMincho"}), "IPAMincho");
  EXPECT_EQ(PickBalloonFamily({"DejaVu Sans"}, {}), "");
}

}  // namespace
}  // namespace tolmark
