// The drawing language: derivations build the right pixels and faulty sources are refused
// with the place of the fault.
#include <gtest/gtest.h>

#include <string>

#include "art/picture_source.h"

namespace tolmark {
namespace {

Palette TestPalette() {
  Palette palette;
  palette.Read("# test colours\nK 3e2a2c outline\nS f6cba2 skin\nR dc3c3c red\n", "test.pal");
  return palette;
}

std::string Rows(const Drawing& d) {
  std::string out;
  for (int y = 0; y < d.height; ++y) {
    out += d.cells.substr(static_cast<std::size_t>(y * d.width), static_cast<std::size_t>(d.width));
    out += '\n';
  }
  return out;
}

TEST(PictureSource, DerivationsBuildOnEarlierDrawings) {
  const Palette palette = TestPalette();
  PictureBook book(palette);
  book.Read(
      "sprite base 4x3\n"
      "KS..\n"
      ".R..\n"
      "KK..\n"
      "sprite mirrored 4x3\nfrom base\nmirror\n"
      "sprite legs 4x3\nfrom base\nrows 2\nK..K\n"
      "sprite bob 4x3\nfrom base\nshift 1 1 0 1\n"
      "sprite stamp 2x1\nR.\n"
      "sprite pasted 4x3\nfrom base\npaste stamp 2 0\npaste stamp 0 1\n"
      "sprite swapped 4x3\nfrom base\nrecolour KR RK\n"
      "sprite put 4x3\nfrom base\nput stamp 0 0\n"
      "sprite blob 4x3\n.SS.\nSSSS\nSRSS\noutline K\n",
      "test.pix");
  struct Case {
    const char* name;
    const char* rows;
  };
  const Case cases[] = {
      {"base", "KS..\n.R..\nKK..\n"},
      {"mirrored", "..SK\n..R.\n..KK\n"},
      {"legs", "KS..\n.R..\nK..K\n"},
      // The band moves down over the row below; its background lets that row show through.
      {"bob", "....\n.KS.\nKKR.\n"},
      {"pasted", "KSR.\nRR..\nKK..\n"},
      {"swapped", "RS..\n.K..\nRR..\n"},
      {"put", "R...\n.R..\nKK..\n"},
      // Only pixels beside the background or the drawing's edge take the outline.
      {"blob", ".KK.\nKSSK\nKKKK\n"},
  };
  for (const Case& c : cases) {
    const Drawing* d = book.Sprite(c.name);
    ASSERT_NE(d, nullptr) << c.name;
    EXPECT_EQ(Rows(*d), c.rows) << c.name;
  }
}

TEST(PictureSource, PicturesTakeTheirSizeFromTheTable) {
  const Palette palette = TestPalette();
  PictureBook book(palette);
  book.Read("picture 101\nrows 14\nKKKKKKKKKKKKKKK\npicture 146\nrows 33\n"
            ".................................K\n",
            "test.pix");
  ASSERT_EQ(book.pictures().size(), 2u);
  const Drawing& gem = book.pictures().at(101);
  EXPECT_EQ(gem.width, 15);
  EXPECT_EQ(gem.height, 15);
  EXPECT_EQ(gem.At(0, 14), 'K');
  EXPECT_EQ(gem.At(0, 13), '.');
  EXPECT_EQ(book.pictures().at(146).At(33, 33), 'K');
}

// Form feeds and vertical tabs are spaces to the word splitter: a line of nothing else is
// blank, not an instruction without a word.
TEST(PictureSource, LinesOfOnlySpacesAreBlank) {
  Palette palette;
  palette.Read("K 3e2a2c outline\n\f\nS f6cba2 skin\n \v\t\r\n", "test.pal");
  ASSERT_TRUE(palette.Has('S'));
  PictureBook book(palette);
  book.Read("sprite a 2x2\n\f\nKS\n \v\t\r\nSK\n\v", "test.pix");
  const Drawing* a = book.Sprite("a");
  ASSERT_NE(a, nullptr);
  EXPECT_EQ(Rows(*a), "KS\nSK\n");
}

TEST(PictureSource, FaultsNameTheirLine) {
  struct Case {
    const char* source;
    const char* fault;
  };
  const Case cases[] = {
      {"sprite a 2x1\nKZ\n", "test.pix:2: colour 'Z' not in palette"},
      {"sprite a 2x1\nKKK\n", "test.pix:2: row is 3 wide, drawing 2"},
      {"sprite a 2x1\nKK\nKK\n", "test.pix:3: more rows than the drawing is high"},
      {"KK\n", "test.pix:1: drawing outside a picture or sprite"},
      {"sprite a 2x1\nfrom b\n", "test.pix:2: sprite b is not drawn before"},
      {"sprite a 2x1\nKK\nsprite b 3x1\nfrom a\n", "test.pix:4: a has another size"},
      {"sprite a 2x1\nmirror\nKK\n", "test.pix:3: pixel rows after a derivation need"},
      {"sprite a 2x1\nK.\nshift 1 0\nshift 1 0\n", "test.pix:4: shift pushes figure pixels out"},
      {"sprite a 2x1\nK.\nsprite b 2x1\npaste a 1 1\n", "test.pix:4: pasted figure pixels fall"},
      {"sprite a 2x1\nK.\nsprite b 2x1\nput a 1 0\n", "test.pix:4: put reaches outside"},
      // Offsets at the ends of the number range are refused, not wrapped round.
      {"sprite a 2x1\n.K\nshift 2147483647 0\n", "test.pix:3: shift pushes figure pixels out"},
      {"sprite a 2x1\n.K\nsprite b 2x1\npaste a 2147483647 0\n",
       "test.pix:4: pasted figure pixels fall"},
      {"sprite a 2x1\n.K\nsprite b 2x1\nput a 0 -2147483648\n", "test.pix:4: put reaches outside"},
      {"sprite a 2x1\nrecolour KZ\n", "test.pix:2: recolour takes pairs"},
      {"sprite a 2x1\noutline .\n", "test.pix:2: outline takes one figure colour"},
      {"sprite a 2x1\nrows 1\n", "test.pix:2: row out of range"},
      {"sprite a 2x1\nflip 1\n", "test.pix:2: unknown instruction"},
      {"picture 176\n", "test.pix:1: no picture 176"},
      {"picture 146\npicture 146\n", "test.pix:2: picture 146 drawn twice"},
  };
  const Palette palette = TestPalette();
  for (const Case& c : cases) {
    PictureBook book(palette);
    try {
      book.Read(c.source, "test.pix");
      ADD_FAILURE() << "accepted: " << c.source;
    } catch (const PictureSourceError& e) {
      EXPECT_EQ(std::string(e.what()).rfind(c.fault, 0), 0u) << e.what();
    }
  }
}

TEST(PictureSource, PaletteRefusesUnusableColours) {
  const char* faults[] = {
      ". 123456 background letter\n",
      "K 0a0a0a same as the background\n",
      "K 12345 five digits\n",
      "K 3e2a2c a\nK 3e2a2c twice\n",
      "# 3e2a2c comment letter\nKK 3e2a2c two letters\n",
  };
  for (const char* text : faults) {
    Palette palette;
    EXPECT_THROW(palette.Read(text, "test.pal"), PictureSourceError) << text;
  }
}

}  // namespace
}  // namespace tolmark
