// The random-input soak (tolmark-sim --monkey SEED STEPS): the whole game played with random but
// valid input, its rules checked after every step, and the first failure written out as a
// tolmark-sim script that replays it exactly.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <ostream>
#include <random>
#include <string>
#include <vector>

#include "headless/script_runner.h"
#include "headless/soak_rules.h"
#include "model/language.h"

namespace tolmark {

class Monkey {
 public:
  // The script of the program run so far is kept, line by line, in `replayFile` (in the current
  // folder) too, so a sanitizer that ends the process still leaves the replay behind.
  static constexpr const char* kReplayFile = "monkey-replay.sim";

  // `report` gets the summary, or the failure and its replay script; `errors` what the game
  // and the script runner say on standard error. Every program run plays in `language`; what
  // the game shows goes to `transcript` when one is given, run after run.
  Monkey(std::uint32_t seed, std::ostream& report, std::ostream& errors,
         Language language = Language::Japanese, std::ostream* transcript = nullptr);
  ~Monkey();
  Monkey(const Monkey&) = delete;
  Monkey& operator=(const Monkey&) = delete;

  // Plays `steps` inputs in the current folder. Returns tolmark-sim's status: 0 nothing broke;
  // 1 a rule of the game broke; 3 the game failed (an exception escaped it); 2 the soak's own
  // input was refused, a fault of the soak.
  int Run(std::int64_t steps);

  // The state of the program run on screen as `state` prints it; empty before the first start.
  std::string StateNow() const;

 private:
  struct Coverage;

  void StartProgram();
  std::optional<int> Feed(const std::string& line);
  std::optional<int> Step();
  std::string ChooseInput();
  std::string ChooseMenuItem();
  std::string RandomValues();
  std::optional<std::string> Nudge();
  void NoteScene();
  int Failed(int status, const std::string& what);

  double Uniform() { return std::uniform_real_distribution<double>(0, 1)(gen_); }
  int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(gen_); }
  bool Chance(double p) { return Uniform() < p; }

  std::uint32_t seed_;
  std::ostream& report_;
  std::ostream& errors_;
  std::mt19937 gen_;
  Language language_;
  std::ostream* wholeTranscript_;
  std::unique_ptr<std::ostream> transcript_;
  std::unique_ptr<ScriptRunner> runner_;
  std::vector<std::string> script_;  // the lines of the program run on screen
  std::unique_ptr<std::ostream> replay_;
  std::int64_t step_ = 0;
  std::int64_t programSteps_ = 0;  // inputs of the program run on screen
  std::int64_t programLength_ = 0;  // inputs after which the soak starts the program afresh
  int programs_ = 0;
  std::unique_ptr<Coverage> coverage_;
};

}  // namespace tolmark
