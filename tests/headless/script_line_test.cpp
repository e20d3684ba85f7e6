// Splitting script lines: separators, quotes, escapes, comments and malformed lines.
#include "headless/script_line.h"

#include "headless/transcript_text.h"

#include <gtest/gtest.h>

namespace tolmark {
namespace {

ScriptToken Bare(std::string text) { return {std::move(text), false}; }
ScriptToken Quoted(std::string text) { return {std::move(text), true}; }

TEST(ScriptLine, SplitsArgumentsAndUnescapesQuotedOnes) {
  const struct {
    std::string line;
    std::vector<ScriptToken> tokens;
  } cases[] = {
      {"", {}},
      {"   \t ", {}},
      {"# a comment \"unclosed", {}},
      {"  # indented comment", {}},
      {"click frmShop right", {Bare("click"), Bare("frmShop"), Bare("right")}},
      {"set  Gold\t500 ", {Bare("set"), Bare("Gold"), Bare("500")}},
      {R"(expect talk "いらっしゃい、ませ")", {Bare("expect"), Bare("talk"), Quoted("いらっしゃい、ませ")}},
      {R"(x "a \"b\" \\ c")", {Bare("x"), Quoted("a \"b\" \\ c")}},
      {R"(x "\r\n" "\x41\x0a\xFF")", {Bare("x"), Quoted("\r\n"), Quoted("A\n\xFF")}},
      {R"(x "" "-" -)", {Bare("x"), Quoted(""), Quoted("-"), Bare("-")}},
      {"x a#b", {Bare("x"), Bare("a#b")}},
      {R"(x back\slash)", {Bare("x"), Bare("back\\slash")}},
  };
  for (const auto& c : cases) {
    std::string error;
    const auto tokens = SplitScriptLine(c.line, &error);
    ASSERT_TRUE(tokens) << c.line << ": " << error;
    EXPECT_EQ(*tokens, c.tokens) << c.line;
  }
}

TEST(ScriptLine, RefusesMalformedQuotesAndEscapes) {
  for (const char* line : {R"(x "open)", R"(x "a\q")", R"(x "\x4")", R"(x "\xZZ")",
                           R"(x "ends\)", R"(x "a"b)", R"(x a"b")"}) {
    std::string error;
    EXPECT_FALSE(SplitScriptLine(line, &error)) << line;
    EXPECT_FALSE(error.empty()) << line;
  }
}

TEST(ScriptLine, ListArgumentsSplitAtEveryComma) {
  using Items = std::vector<std::string_view>;
  EXPECT_EQ(SplitAtCommas("5:2,7:1"), (Items{"5:2", "7:1"}));
  EXPECT_EQ(SplitAtCommas("59"), (Items{"59"}));
  EXPECT_EQ(SplitAtCommas(""), (Items{""}));
  EXPECT_EQ(SplitAtCommas("1,,2,"), (Items{"1", "", "2", ""}));
}

TEST(ScriptLine, WholeNumbersAreDigitsWithAnOptionalMinusAndNothingElse) {
  const struct {
    const char* text;
    std::optional<std::int64_t> value;
  } cases[] = {
      {"0", 0},          {"-12", -12},     {"007", 7},       {"+5", std::nullopt},
      {"", std::nullopt}, {"1x", std::nullopt}, {" 1", std::nullopt}, {"1.0", std::nullopt},
      {"99999999999999999999", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseWholeNumber(c.text), c.value) << c.text;
}

TEST(ScriptLine, TheTranscriptKeepsUtf8AndEscapesEveryOtherByte) {
  const struct {
    std::string text;
    std::string quoted;
  } cases[] = {
      {"いらっしゃい", "\"いらっしゃい\""},
      {"a\"b\\c\r\n\t\x7F", R"("a\"b\\c\r\n\x09\x7F")"},
      {"\xE3\x81", R"("\xE3\x81")"},                  // cut short
      {"\xED\xA0\x80", R"("\xED\xA0\x80")"},          // a surrogate
      {"\xE0\x80\xAF", R"("\xE0\x80\xAF")"},          // an overlong slash
      {"\xC0\xAF\xFF", R"("\xC0\xAF\xFF")"},
      {"\xF4\x90\x80\x80", R"("\xF4\x90\x80\x80")"},  // past U+10FFFF
  };
  for (const auto& c : cases) EXPECT_EQ(QuoteText(c.text), c.quoted) << c.quoted;
}

// A text the transcript quotes reads back as the same text when a script quotes it that way,
// so any balloon line of a transcript can be pasted into an expect.
TEST(ScriptLine, ReadsBackWhatTheTranscriptQuotes) {
  std::string everyByte;
  for (int b = 0; b < 256; ++b) everyByte += static_cast<char>(b);
  for (const std::string& text :
       {std::string(), std::string("終了するが、いいのか？"), std::string("\"\\\r\n"),
        std::string("a\0b", 3), std::string("\xE3\x81"), everyByte}) {
    std::string error;
    const auto tokens = SplitScriptLine("expect talk " + QuoteText(text), &error);
    ASSERT_TRUE(tokens) << error;
    ASSERT_EQ(tokens->size(), 3u);
    EXPECT_EQ((*tokens)[2], Quoted(text));
  }
}

}  // namespace
}  // namespace tolmark
