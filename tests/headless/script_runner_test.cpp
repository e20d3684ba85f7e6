// tolmark-sim scripts end to end on the real game: exit statuses, FAIL lines, errors naming
// their line, set-up commands and the program's end.
#include "headless/script_runner.h"

#include <gtest/gtest.h>

#include <sstream>

#include "scratch_folder.h"

namespace tolmark {
namespace {

struct Outcome {
  int status = -1;
  std::string transcript;
  std::string errors;
};

// Each script runs in a fresh empty folder, as the scenario tests do.
class ScriptRunnerTest : public testing_support::ScratchFolder {
 protected:
  void SetUp() override {
    ScratchFolder::SetUp();
    WorkInIt();
  }
  static Outcome RunScript(const std::string& script) {
    Outcome o;
    std::ostringstream transcript;
    std::ostringstream errors;
    std::istringstream in(script);
    o.status = ScriptRunner(transcript, errors).Run(in);
    o.transcript = transcript.str();
    o.errors = errors.str();
    return o;
  }
};

bool HasLine(const std::string& text, const std::string& line) {
  return ("\n" + text).find("\n" + line + "\n") != std::string::npos;
}

TEST_F(ScriptRunnerTest, StartDrawsTheShopAndStatePrintsTheNewGame) {
  const Outcome o = RunScript("start\nstate\n");
  EXPECT_EQ(o.status, 0) << o.errors;
  EXPECT_TRUE(HasLine(o.transcript, "frame frmShop 57@1500,15690 44@1275,15615")) << o.transcript;
  const std::size_t state = o.transcript.find("\nstate {\"Level\":1,");
  ASSERT_NE(state, std::string::npos) << o.transcript;
  EXPECT_NE(o.transcript.find("\"Gold\":1000,", state), std::string::npos);
  EXPECT_NE(o.transcript.find("\"ShopStock\":[{\"WeaponId\":0,\"Count\":3},{\"WeaponId\":1,"
                              "\"Count\":3},{\"WeaponId\":2,\"Count\":3}]",
                              state),
            std::string::npos);
}

TEST_F(ScriptRunnerTest, AnExpectThatFailsNamesItsLineAndTheScriptGoesOn) {
  const Outcome o = RunScript(
      "start\n"
      "expect Gold 999\n"
      "# a comment keeps the numbering\n"
      "expect Gold 1000\n"
      "expect talk \"いらっしゃい\"\n"
      "expect file Tolmark.dat \"x\"\n"
      "expect stock 0:3\n"
      "expect open frmField\n"
      "expect SceneName \"frmField\"\n"
      "state\n");
  EXPECT_EQ(o.status, 1);
  EXPECT_TRUE(HasLine(o.transcript, "FAIL 2: Gold is 1000, expected 999")) << o.transcript;
  EXPECT_TRUE(HasLine(o.transcript, "FAIL 5: talk is closed, expected \"いらっしゃい\""));
  EXPECT_TRUE(HasLine(o.transcript, "FAIL 6: file Tolmark.dat does not exist"));
  EXPECT_TRUE(HasLine(o.transcript, "FAIL 7: stock is 0:3,1:3,2:3, expected 0:3"));
  EXPECT_TRUE(HasLine(o.transcript, "FAIL 8: frmField is closed, expected open"));
  EXPECT_TRUE(HasLine(o.transcript, "FAIL 9: SceneName is \"frmShop\", expected \"frmField\""));
  EXPECT_EQ(o.transcript.find("FAIL 4"), std::string::npos);
  EXPECT_NE(o.transcript.find("\nstate {"), std::string::npos);
}

TEST_F(ScriptRunnerTest, AFolderWhereAFileIsExpectedFailsTheExpect) {
  std::filesystem::create_directory("Clear.txt");
  const Outcome o = RunScript("expect file Clear.txt \"\"\nexpect nofile Clear.txt\n");
  EXPECT_EQ(o.status, 1) << o.errors;
  EXPECT_TRUE(HasLine(o.transcript, "FAIL 1: file Clear.txt cannot be read")) << o.transcript;
  EXPECT_TRUE(HasLine(o.transcript, "FAIL 2: file Clear.txt exists, expected none"));
}

TEST_F(ScriptRunnerTest, ScriptErrorsStopWithStatusTwoAndNameTheLine) {
  const struct {
    const char* script;
    int line;
  } cases[] = {
      {"start\nbogus\n", 2},
      {"click frmShop\n", 1},                                 // not started yet
      {"start\nstart\n", 2},
      {"start\nmenu mopen\n", 2},                             // no menu shown
      {"start\nclick frmShop right\nmenu mclose\n", 3},       // hidden in a closed shop
      {"start\nclick frmShop right\nmenu mnothing\n", 3},
      {"start\nclick frmShop right\nmenu mSpeed\n", 3},       // a submenu, not an item
      {"start\nclick frmYes\n", 2},                           // no prompt on screen
      {"start\nclick frmStatus\n", 2},                        // takes no clicks
      {"start\nclick frmShop sideways\n", 2},
      {"start\nlistclick frmShopItem 1\n", 2},
      {"start\nkey F1\n", 2},
      {"set Gold abc\n", 1},
      {"set ShopOpen 1\n", 1},
      {"set Nothing 1\n", 1},
      {"rnd 0.5 1.0\n", 1},
      {"rnd 0.5*0\n", 1},
      {"rnd 0.5*\n", 1},
      {"rnd 0.5*x\n", 1},
      {"rnd 1.5*2\n", 1},
      {"rnd *2\n", 1},
      {"rnd 0.5*1000001\n", 1},
      {"stock 61:1\n", 1},
      {"bag 3:0\n", 1},
      {"collected 1,x\n", 1},
      {"collected 1,,2\n", 1},
      {"stock 5:2,\n", 1},
      {"expect bag 3:4,x\n", 1},
      {"file ../escape \"a\"\n", 1},
      {"expect Gold\n", 1},
      {"expect Gold many\n", 1},
      {"expect talk \"unclosed\n", 1},
      {"screen 0 100\n", 1},
      {"\n\nother-copy maybe\n", 3},
  };
  for (const auto& c : cases) {
    const Outcome o = RunScript(c.script);
    EXPECT_EQ(o.status, 2) << c.script;
    EXPECT_NE(o.errors.find("line " + std::to_string(c.line) + ":"), std::string::npos)
        << c.script << " -> " << o.errors;
  }
}

// Hands out its text, then fails as a disk or a folder opened as a file does.
class FailingScript final : public std::streambuf {
 public:
  explicit FailingScript(std::string text) : text_(std::move(text)) {
    setg(text_.data(), text_.data(), text_.data() + text_.size());
  }

 protected:
  int_type underflow() override { throw std::ios_base::failure("read error"); }

 private:
  std::string text_;
};

TEST_F(ScriptRunnerTest, AScriptThatCannotBeReadToItsEndIsAScriptError) {
  FailingScript source("start\nexpect Gold 1000\n");
  std::istream script(&source);
  std::ostringstream transcript;
  std::ostringstream errors;
  EXPECT_EQ(ScriptRunner(transcript, errors).Run(script), ScriptRunner::kScriptError);
  EXPECT_NE(errors.str().find("past line 2"), std::string::npos) << errors.str();
}

// Takes `room` bytes, then refuses every byte more, as a full disk does.
class FullDisk final : public std::streambuf {
 public:
  explicit FullDisk(std::size_t room) : room_(room) {}
  const std::string& written() const { return written_; }

 protected:
  int_type overflow(int_type c) override {
    if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
    if (written_.size() == room_) return traits_type::eof();
    written_.push_back(traits_type::to_char_type(c));
    return c;
  }

 private:
  std::size_t room_;
  std::string written_;
};

// A lost transcript is never reported as success, nor as the script's own failed expect; the
// run stops at the line whose output was lost and says so.
TEST_F(ScriptRunnerTest, ATranscriptThatCannotBeWrittenFailsTheRun) {
  struct Case {
    const char* what;
    std::string script;
    std::size_t room;
    int line;
  };
  const std::string held = "start\nexpect Gold 1000\nstate\nexpect Gold 1000\n";
  const Case cases[] = {
      {"nothing fits", held, 0, 1},
      {"the frame fits, the state does not", held, 200, 3},
      {"a failed expect whose line is lost", "start\nexpect Gold 5\nexpect Gold 1000\n", 90, 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    FullDisk disk(c.room);
    std::ostream transcript(&disk);
    std::ostringstream errors;
    std::istringstream script(c.script);
    EXPECT_EQ(ScriptRunner(transcript, errors).Run(script), ScriptRunner::kScriptError);
    EXPECT_NE(errors.str().find("transcript cannot be written (line " + std::to_string(c.line)),
              std::string::npos)
        << errors.str();
    EXPECT_EQ(disk.written().size(), c.room);
  }
}

TEST_F(ScriptRunnerTest, SetUpCommandsFillTheStateAndFiles) {
  const Outcome o = RunScript(
      "start\n"
      "file Tolmark.dat \"AB\\r\\n\\x00\\xff\"\n"
      "expect file Tolmark.dat \"AB\\r\\n\\x00\\xff\"\n"
      "expect nofile Clear.txt\n"
      "stock 5:2,7:1\n"
      "expect stock 5:2,7:1\n"
      "expect StockCount 2\n"
      "expect ShopStock[2].Count 0\n"
      "bag 3:4,4:5\n"
      "expect bag 3:4,4:5\n"
      "expect BagCount 2\n"
      "expect BagPieces 9\n"
      "bag -\n"
      "expect bag -\n"
      "expect BagPieces 0\n"
      "collected 59,0\n"
      "expect Collected[59] -1\n"
      "expect Collected[0] -1\n"
      "expect Collected[1] 0\n"
      "set SceneName \"a b\"\n"
      "expect SceneName \"a b\"\n"
      "set RoyalOrder[0].Wanted 7\n"
      "expect RoyalOrder[0].Wanted 7\n");
  EXPECT_EQ(o.status, 0) << o.errors << o.transcript;
  EXPECT_EQ(o.transcript.find("FAIL"), std::string::npos) << o.transcript;
}

TEST_F(ScriptRunnerTest, TheProgramsEndStopsTheScript) {
  const std::string endConversation =
      "start\nclick frmShop right\nmenu mend\nclick frmShop\nclick frmYes\n";
  const Outcome ended = RunScript(endConversation + "expect Gold 5\nbogus\n");
  EXPECT_EQ(ended.status, 0) << ended.errors;
  EXPECT_EQ(ended.transcript.substr(ended.transcript.size() - 5), "exit\n");

  const Outcome failedBefore = RunScript("start\nexpect Gold 5\n" + endConversation.substr(6));
  EXPECT_EQ(failedBefore.status, 1);

  const Outcome refused = RunScript("other-copy on\nstart\nexpect Gold 5\n");
  EXPECT_EQ(refused.status, 0) << refused.errors;
  EXPECT_TRUE(HasLine(refused.transcript,
                      "msgbox \"多重起動起動防止システム作動！\\r\\nゲームを強制終了します！\" error"))
      << refused.transcript;
  EXPECT_TRUE(HasLine(refused.transcript, "exit"));
}

}  // namespace
}  // namespace tolmark
