// The English edition's boards: the shop's painted signboards are drawn as their English twins in
// English and as they are in Japanese, and a twin keeps its board's size, outline and paint.
#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "art/picture_names.h"
#include "art/pictures.h"
#include "headless/headless_desktop.h"
#include "model/language.h"
#include "present/shapes.h"
#include "present/translated_desktop.h"

namespace tolmark {
namespace {

class TranslatedPictures : public testing::Test {
 protected:
  void TearDown() override { UseLanguage(Language::Japanese); }
};

TEST_F(TranslatedPictures, EachEditionDrawsItsOwnBoards) {
  struct Case {
    Language language;
    std::vector<int> drawn;  // what the core draws, in one frame
    std::vector<int> shown;  // what reaches the screen
  };
  const Case cases[] = {
      {Language::Japanese, {44, 100, 99, 101, 57, 146}, {44, 100, 99, 101, 57, 146}},
      {Language::English, {44, 100, 99, 101, 57, 146}, {174, 175, 99, 101, 57, 146}},
      {Language::English, {174, 175}, {174, 175}},
  };
  for (const Case& c : cases) {
    ASSERT_TRUE(UseLanguage(c.language));
    std::ostringstream transcript;
    HeadlessDesktop headless(transcript);
    TranslatedDesktop desktop(headless);
    for (std::size_t i = 0; i < c.drawn.size(); ++i) {
      desktop.DrawPicture(Window::frmShop, c.drawn[i], static_cast<std::int32_t>(i * 100), 7);
    }
    desktop.ShowScene(Window::frmShop);
    const std::vector<PlacedPicture>& frame = headless.ShownFrame(Window::frmShop);
    ASSERT_EQ(frame.size(), c.shown.size());
    for (std::size_t i = 0; i < frame.size(); ++i) {
      EXPECT_EQ(frame[i].picture, c.shown[i]) << "drew " << c.drawn[i];
      EXPECT_EQ(frame[i].x, static_cast<std::int32_t>(i * 100));
      EXPECT_EQ(frame[i].y, 7);
    }
  }
}

// A twin stands where its board stood with the same window shape, and differs from the plain
// board only by the black paint the Japanese board uses for its kanji.
TEST(EnglishBoards, KeepTheBoardsOutlineAndPaint) {
  const PictureBitmap& plain = PictureBitmapOf(picture::kCounterBoard);
  ASSERT_FALSE(picture::kEnglishEditions.empty());
  for (const picture::EnglishEdition& pair : picture::kEnglishEditions) {
    const PictureBitmap& japanese = PictureBitmapOf(pair.japanese);
    const PictureBitmap& english = PictureBitmapOf(pair.english);
    ASSERT_EQ(english.width, japanese.width) << pair.english;
    ASSERT_EQ(english.height, japanese.height) << pair.english;
    EXPECT_TRUE(PictureIsDrawn(pair.english)) << pair.english;
    EXPECT_EQ(PictureShapeOf(pair.english), PictureShapeOf(pair.japanese)) << pair.english;
    EXPECT_EQ(PictureHeight(pair.english), PictureHeight(pair.japanese)) << pair.english;

    const std::uint32_t paint = japanese.At(3, 8);  // a stroke of the first kanji
    bool painted = false;
    bool differsFromJapanese = false;
    for (int y = 0; y < english.height; ++y) {
      for (int x = 0; x < english.width; ++x) {
        differsFromJapanese = differsFromJapanese || english.At(x, y) != japanese.At(x, y);
        if (english.At(x, y) == plain.At(x, y)) continue;
        painted = true;
        EXPECT_EQ(english.At(x, y), paint) << pair.english << " at " << x << "," << y;
        EXPECT_TRUE(x >= 2 && x <= 12 && y >= 3 && y <= 28)
            << pair.english << " painted off the face at " << x << "," << y;
      }
    }
    EXPECT_TRUE(painted) << pair.english << " is a plain board";
    EXPECT_TRUE(differsFromJapanese) << pair.english << " repeats the Japanese board";
  }
}

}  // namespace
}  // namespace tolmark
