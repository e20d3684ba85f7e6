// Runs a tolmark-sim script: the whole game against the headless desktop, set up, driven and
// checked line by line.
#pragma once

#include <cstdint>
#include <istream>
#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <string_view>

#include "headless/headless_desktop.h"
#include "headless/script_line.h"
#include "model/random.h"
#include "game/game.h"

namespace tolmark {

class ScriptRunner {
 public:
  // Exit statuses of tolmark-sim.
  static constexpr int kAllHeld = 0;
  static constexpr int kExpectFailed = 1;
  // Also a script that cannot be read to its end, or a transcript that cannot be written (a full
  // disk, a closed output): either way the run did not happen as the script says.
  static constexpr int kScriptError = 2;
  // The game itself failed (an exception escaped it): a fault to mend, not a script's.
  static constexpr int kGameFailed = 3;

  // The transcript goes to `transcript`, script errors to `errors`.
  ScriptRunner(std::ostream& transcript, std::ostream& errors);
  ScriptRunner(const ScriptRunner&) = delete;
  ScriptRunner& operator=(const ScriptRunner&) = delete;

  // Runs the script to its end, to the program's end or to the first script error; a script
  // that cannot be read to its end is a script error, and so is a transcript that cannot be
  // written, which stops the run at the line it failed on.
  int Run(std::istream& script);

  // One more line, as Run reads them (numbered after the lines before it): nullopt while the run
  // goes on, or the status the run ends with (a script error or a failure of the game, with its
  // message on `errors`). The soak feeds its input this way and checks the game in between.
  std::optional<int> RunScriptLine(std::string_view text);
  // The program has ended (exit): the lines after this one would not run.
  bool Ended() const { return stopped_; }
  // Started and not yet ended.
  bool Running() const { return started_ && !stopped_; }
  const GameState& State() const { return game_.State(); }
  HeadlessDesktop& Desktop() { return desktop_; }
  const HeadlessDesktop& Desktop() const { return desktop_; }

 private:
  using Args = std::span<const ScriptToken>;
  struct Command {
    std::string_view name;
    void (ScriptRunner::*run)(Args);
  };

  int RunLines(std::istream& script);
  void RunLine(const std::vector<ScriptToken>& tokens);
  void Fail(const std::string& what);
  void AfterInput();
  void RequireRunning() const;

  // Set-up.
  void Screen(Args args);
  void Seed(Args args);
  void QueueRandom(Args args);
  void OtherCopy(Args args);
  void Lang(Args args);
  void Start(Args args);
  void Set(Args args);
  void Stock(Args args);
  void Bag(Args args);
  void Collected(Args args);
  void File(Args args);
  // Input.
  void Click(Args args);
  void Key(Args args);
  void MenuItemChosen(Args args);
  void ListClick(Args args);
  void DoubleClick(Args args);
  void Tick(Args args);
  void RunFor(Args args);
  void Foreground(Args args);
  // Checks (script_checks.cpp).
  void Expect(Args args);
  void State(Args args);
  void ExpectField(Args args);
  void ExpectTalk(Args args);
  void ExpectAsk(Args args);
  void ExpectWindow(Args args, bool open);
  void ExpectEntries(Args args, bool stock);
  void ExpectFile(Args args);
  void ExpectNoFile(Args args);

  static const std::array<Command, 21>& Commands();

  std::ostream& transcript_;
  std::ostream& errors_;
  HeadlessDesktop desktop_;
  ScriptedRandom random_;
  Game game_;
  int line_ = 0;
  bool started_ = false;
  bool failed_ = false;
  bool stopped_ = false;
};

}  // namespace tolmark
