// Which language the environment asks for, how patterns are filled, and the English catalogue
// as the build tree holds it.
#include "model/language.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

namespace tolmark {
namespace {

// Sets the locale variables of one case and puts the process's own back afterwards.
class LocaleVariables {
 public:
  static constexpr const char* kNames[] = {"LC_ALL", "LC_MESSAGES", "LANG", "LANGUAGE"};

  LocaleVariables() {
    for (int i = 0; i < 4; ++i) {
      if (const char* v = std::getenv(kNames[i])) saved_[i] = v;
    }
  }
  ~LocaleVariables() {
    for (int i = 0; i < 4; ++i) Put(kNames[i], saved_[i]);
  }
  static void Put(const char* name, const std::optional<std::string>& value) {
    if (value) {
      setenv(name, value->c_str(), 1);
    } else {
      unsetenv(name);
    }
  }

 private:
  std::optional<std::string> saved_[4];
};

TEST(Language, TheEnvironmentChoosesAsGettextReadsIt) {
  using V = std::optional<std::string>;
  struct Case {
    V lcAll, lcMessages, lang, language;
    Language expected;
  };
  const V none;
  const Language ja = Language::Japanese;
  const Language en = Language::English;
  const Case cases[] = {
      {none, none, none, none, ja},                    // nothing set: C
      {none, none, "C", "en", ja},                     // C ignores LANGUAGE
      {none, none, "POSIX", none, ja},                 //
      {none, none, "C.UTF-8", "fr", ja},               // the C library's C, in UTF-8
      {none, none, "ja_JP.UTF-8", none, ja},           //
      {none, none, "en_GB.UTF-8", none, en},           //
      {none, none, "de_DE.UTF-8", none, en},           // no German: English
      {none, none, "en_US.UTF-8", "ja:en", ja},        // LANGUAGE's first wish
      {none, none, "ja_JP.UTF-8", "fr:ja", en},        //
      {"ja_JP.UTF-8", none, "en_US.UTF-8", none, ja},  // LC_ALL first
      {none, "fr_FR.UTF-8", "ja_JP.UTF-8", none, en},  // then LC_MESSAGES
      {"", "", "ja_JP.UTF-8", "", ja},                 // empty is unset
  };
  LocaleVariables restore;
  for (const Case& c : cases) {
    LocaleVariables::Put("LC_ALL", c.lcAll);
    LocaleVariables::Put("LC_MESSAGES", c.lcMessages);
    LocaleVariables::Put("LANG", c.lang);
    LocaleVariables::Put("LANGUAGE", c.language);
    EXPECT_EQ(LanguageOfEnvironment(), c.expected)
        << c.lcAll.value_or("-") << ' ' << c.lcMessages.value_or("-") << ' ' << c.lang.value_or("-")
        << ' ' << c.language.value_or("-");
  }
}

TEST(Language, JapanesePatternsAreFilledAsWritten) {
  ASSERT_TRUE(UseLanguage(Language::Japanese));
  EXPECT_EQ(Fill("{name}を{price}カリムで", {{"name", "木刀"}, {"price", "1,200"}}),
            "木刀を1,200カリムで");
  EXPECT_EQ(Fill("{a}と{a}", {{"a", "x"}}), "xとx");                // a slot used twice
  EXPECT_EQ(Fill("{unknown}です", {{"a", "x"}}), "{unknown}です");  // kept as written
  EXPECT_EQ(Fill("閉じない{name", {{"name", "x"}}), "閉じない{name");
  EXPECT_EQ(FillCount("{n}本の{name}", 3, {{"name", "木刀"}}), "3本の木刀");
  EXPECT_EQ(Translated("終了"), "終了");
}

// The build tree's catalogue: the English edition as the tests play it.
class English : public testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(UseLanguage(Language::English)); }
  void TearDown() override { UseLanguage(Language::Japanese); }
};

bool Ascii(std::string_view text) {
  for (const char c : text) {
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  }
  return true;
}

TEST_F(English, TextsAndTheNamesFilledInAreTranslated) {
  EXPECT_EQ(CurrentLanguage(), Language::English);
  const std::string_view end = Translated("終了");
  EXPECT_NE(end, "終了");
  EXPECT_TRUE(Ascii(end)) << end;
  // A name put into a pattern comes out in English, a number as it is.
  const std::string filled = Fill("{name}…{price}", {{"name", "木刀"}, {"price", "1,200"}});
  EXPECT_EQ(filled, std::string(Translated("木刀")) + "…1,200");
  EXPECT_NE(Translated("木刀"), "木刀");
  // What the catalogue does not hold (a name typed by the player) stays as it is.
  EXPECT_EQ(Translated("ゲームにない文"), "ゲームにない文");
}

}  // namespace
}  // namespace tolmark
