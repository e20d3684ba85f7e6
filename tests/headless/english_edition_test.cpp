// The English edition shows no Japanese: the monkey plays it over several seeds, and every
// balloon, answer, list cell, label and message it shows, and the clear report it writes, are
// English; so is every caption of every scene's menu.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <string_view>

#include "game/scene_list.h"
#include "headless/monkey.h"
#include "model/language.h"
#include "scene/menus.h"
#include "scratch_folder.h"

namespace tolmark {
namespace {

using testing_support::Contents;

// The first Japanese character of a UTF-8 text (kana, kanji, full-width forms, Japanese
// punctuation), or none.
std::optional<std::size_t> FirstJapanese(std::string_view text) {
  for (std::size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    char32_t code = length == 1 ? lead : lead & (0x7F >> length);
    for (std::size_t k = 1; k < length && i + k < text.size(); ++k) {
      code = (code << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
    }
    const bool japanese = (code >= 0x3000 && code <= 0x30FF) ||
                          (code >= 0x3400 && code <= 0x9FFF) || (code >= 0xFF00 && code <= 0xFFEF);
    if (japanese) return i;
    i += length;
  }
  return std::nullopt;
}

class EnglishEdition : public testing_support::ScratchFolder {
 protected:
  void TearDown() override {
    UseLanguage(Language::Japanese);
    ScratchFolder::TearDown();
  }
};

TEST_F(EnglishEdition, TheMonkeyMeetsNoJapanese) {
  WorkInIt();
  int shown = 0;
  for (const std::uint32_t seed : {3u, 20u, 34u, 57u, 60u}) {
    std::ostringstream transcript;
    std::ostringstream report;
    std::ostringstream errors;
    Monkey monkey(seed, report, errors, Language::English, &transcript);
    ASSERT_EQ(monkey.Run(8000), ScriptRunner::kAllHeld) << report.str() << errors.str();
    std::istringstream lines(transcript.str());
    int faults = 0;
    for (std::string line; std::getline(lines, line);) {
      if (!line.starts_with("talk ") && !line.starts_with("msgbox ") &&
          !line.starts_with("rows ")) {
        continue;
      }
      ++shown;
      if (FirstJapanese(line) && ++faults <= 5) ADD_FAILURE() << "seed " << seed << ": " << line;
    }
    const std::string report_file =
        std::filesystem::exists("Clear.txt") ? Contents("Clear.txt") : "";
    EXPECT_FALSE(FirstJapanese(report_file)) << "seed " << seed << ": " << report_file;
  }
  EXPECT_GT(shown, 1000);  // the monkey did show things
}

void ExpectEnglishCaptions(const std::vector<MenuItem>& items, std::string_view menu) {
  for (const MenuItem& item : items) {
    const std::string_view caption = Translated(item.caption);
    EXPECT_FALSE(FirstJapanese(caption)) << menu << ' ' << item.name << ": " << caption;
    ExpectEnglishCaptions(item.children, menu);
  }
}

TEST_F(EnglishEdition, EveryMenuCaptionIsEnglish) {
  ASSERT_TRUE(UseLanguage(Language::English));
  for (const SceneRow* row : kSceneList) {
    ExpectEnglishCaptions(BuildMenu(row->menuName, row->menu).items, row->menuName);
  }
}

TEST(EnglishEditionCheck, FindsJapaneseCharacters) {
  EXPECT_FALSE(FirstJapanese("Hello… ♪ 1,200 karim ×3"));
  EXPECT_EQ(FirstJapanese("ab木刀"), 2u);
  EXPECT_EQ(FirstJapanese("x「y」"), 1u);
  EXPECT_EQ(FirstJapanese("ＡＢ"), 0u);
  EXPECT_EQ(FirstJapanese("aカ"), 1u);
}

}  // namespace
}  // namespace tolmark
