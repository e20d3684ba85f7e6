// The random-input soak: random but valid input through every scene, the game's rules checked
// after each step, and the first failure handed back as a replay script.
#include "headless/monkey.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <streambuf>

#include "game/soak_play.h"
#include "headless/soak_rules.h"
#include "model/progression.h"
#include "model/state_fields.h"

namespace tolmark {
namespace {

// What the game writes to the transcript is not kept: the replay script gives it back.
class DiscardBuffer final : public std::streambuf {
 protected:
  int overflow(int c) override { return traits_type::not_eof(c); }
  std::streamsize xsputn(const char* /*s*/, std::streamsize n) override { return n; }
};

DiscardBuffer& Discard() {
  static DiscardBuffer buffer;
  return buffer;
}

constexpr const char* kSaveFile = "Tolmark.dat";

// A value Rnd can take: whole multiples of 2^-24 below 1.
constexpr double kRndStep = 1.0 / 16777216.0;

std::string Number(double v) {
  std::array<char, 32> text{};
  const auto [end, ec] = std::to_chars(text.data(), text.data() + text.size(), v);
  return std::string(text.data(), end);
}

// The bytes as a quoted script argument.
std::string Quoted(const std::string& bytes) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out = "\"";
  for (const char ch : bytes) {
    const auto b = static_cast<unsigned char>(ch);
    if (b >= 0x20 && b < 0x7F && ch != '"' && ch != '\\') {
      out += ch;
    } else {
      out += "\\x";
      out += kHex[b >> 4];
      out += kHex[b & 0xF];
    }
  }
  return out + "\"";
}

std::optional<std::string> FileBytes(const char* name) {
  std::ifstream file(name, std::ios::binary);
  if (!file) return std::nullopt;
  return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

// The leaves of the menu that can be chosen: visible and enabled, and so is every submenu above.
void ChoosableItems(const std::vector<MenuItem>& items, std::vector<std::string>& out) {
  for (const MenuItem& item : items) {
    if (!item.visible || !item.enabled) continue;
    if (item.children.empty()) {
      out.push_back(item.name);
    } else {
      ChoosableItems(item.children, out);
    }
  }
}

}  // namespace

// Which parts of the game a run has been through.
struct Monkey::Coverage {
  std::array<bool, soak::kParts.size()> reached{};
};

Monkey::Monkey(std::uint32_t seed, std::ostream& report, std::ostream& errors, Language language,
               std::ostream* transcript)
    : seed_(seed),
      report_(report),
      errors_(errors),
      gen_(seed),
      language_(language),
      wholeTranscript_(transcript),
      coverage_(std::make_unique<Coverage>()) {}

Monkey::~Monkey() = default;

int Monkey::Run(std::int64_t steps) {
  std::error_code ignored;
  std::filesystem::remove(kSaveFile, ignored);
  for (step_ = 0; step_ < steps; ++step_) {
    if (const auto status = Step()) return *status;
  }
  std::string reached;
  std::string missed;
  for (std::size_t i = 0; i < soak::kParts.size(); ++i) {
    (coverage_->reached[i] ? reached : missed) += std::string(" ") + soak::kParts[i];
  }
  report_ << "monkey " << seed_ << ": " << steps << " steps, program runs: " << programs_
          << ", all rules held; reached:" << reached;
  if (!missed.empty()) report_ << "; not reached:" << missed;
  report_ << '\n';
  return ScriptRunner::kAllHeld;
}

std::string Monkey::StateNow() const {
  return runner_ == nullptr ? std::string() : StateJson(runner_->State());
}

void Monkey::StartProgram() {
  ++programs_;
  runner_.reset();  // before the transcript it writes to
  transcript_ = std::make_unique<std::ostream>(
      wholeTranscript_ != nullptr ? wholeTranscript_->rdbuf() : &Discard());
  runner_ = std::make_unique<ScriptRunner>(*transcript_, errors_);
  script_.clear();
  replay_ = std::make_unique<std::ofstream>(kReplayFile, std::ios::binary | std::ios::trunc);
  programSteps_ = 0;
  // Long enough for a trip to the castle and back, short enough for a readable replay.
  programLength_ = 2000 + Below(8000);
}

std::optional<int> Monkey::Feed(const std::string& line) {
  script_.push_back(line);
  *replay_ << line << '\n' << std::flush;
  if (const auto status = runner_->RunScriptLine(line)) {
    return Failed(*status, *status == ScriptRunner::kGameFailed
                               ? "the game failed (an exception escaped it)"
                               : "the soak's own input was refused");
  }
  if (!runner_->Running()) return std::nullopt;
  if (const auto broken = FirstBrokenRule(runner_->State(), runner_->Desktop())) {
    return Failed(ScriptRunner::kExpectFailed, *broken);
  }
  return std::nullopt;
}

int Monkey::Failed(int status, const std::string& what) {
  report_ << "# monkey " << seed_ << ", step " << step_ << ": " << what << '\n'
          << "# the script below replays it from the program's start (also in " << kReplayFile
          << ")\n";
  for (const std::string& line : script_) report_ << line << '\n';
  return status;
}

std::optional<int> Monkey::Step() {
  if (runner_ == nullptr || runner_->Ended() || programSteps_ >= programLength_) {
    StartProgram();
    if (language_ != Language::Japanese) {
      if (auto s = Feed("lang en")) return s;
    }
    // The save file the last run left behind is part of this run's start.
    if (const auto saved = FileBytes(kSaveFile)) {
      if (auto s = Feed(std::string("file ") + kSaveFile + ' ' + Quoted(*saved))) return s;
    }
    static constexpr std::array<const char*, 4> kScreens = {"1920 1080", "1024 768", "800 600",
                                                            "3840 2160"};
    if (Chance(0.2)) {
      if (auto s = Feed(std::string("screen ") + kScreens[static_cast<std::size_t>(Below(4))])) {
        return s;
      }
    }
    if (auto s = Feed("seed " + std::to_string(gen_()))) return s;
    if (auto s = Feed("start")) return s;
    // Most runs go on as a player who has come further: the later destinations open, and
    // from the third chapter on the name that passes the castle road's checkpoint, and now and
    // then a game cleared once, whose castle visit replays the ending.
    if (Chance(0.7)) {
      const int chapter = 2 + Below(3);
      if (auto s = Feed("set Chapter " + std::to_string(chapter))) return s;
      if (auto s = Feed("set Gold " + std::to_string(Below(300000)))) return s;
      if (chapter >= 3) {
        if (auto s = Feed("set Reputation " + std::to_string(380 + Below(620)))) return s;
        if (Chance(0.5)) {
          if (auto s = Feed("set GameCleared -1")) return s;
        }
      }
      // ... with a hero grown on the road to match (well within the growth caps).
      const int level = 10 + Below(60);
      const int hp = 100 + level * 12;
      for (const std::string& line :
           {"set Level " + std::to_string(level), "set MaxHP " + std::to_string(hp),
            "set HP " + std::to_string(hp), "set Attack " + std::to_string(level * 4),
            "set Defense " + std::to_string(level * 3), "set Speed " + std::to_string(level * 2)}) {
        if (auto s = Feed(line)) return s;
      }
    }
    NoteScene();
    return std::nullopt;
  }
  if (const auto nudge = Nudge()) {
    if (auto s = Feed(*nudge)) return s;
  }
  if (Chance(0.3)) {
    if (auto s = Feed(RandomValues())) return s;
  }
  const std::string input = ChooseInput();
  if (input.rfind("menu ", 0) == 0) {
    if (const auto part = soak::PartOfMenuItem(std::string_view(input).substr(5))) {
      coverage_->reached[*part] = true;
    }
  }
  if (auto s = Feed(input)) return s;
  ++programSteps_;
  NoteScene();
  return std::nullopt;
}

void Monkey::NoteScene() {
  if (runner_->Ended()) return;
  if (const auto scene = runner_->Desktop().SceneOnScreen()) {
    soak::NoteParts(runner_->State(), *scene, coverage_->reached);
  }
}

// A few values for the next draws: edges (0, the largest value below 1, the values on either
// side of the game's usual thresholds) mixed with plain random ones, all values Rnd can take.
std::string Monkey::RandomValues() {
  static constexpr std::array<int, 8> kDivisors = {2, 3, 4, 5, 10, 20, 100, 1000};
  std::string line = "rnd";
  const int count = 1 + Below(4);
  for (int i = 0; i < count; ++i) {
    double v = 0;
    const int kind = Below(10);
    if (kind == 0) {
      v = 0;
    } else if (kind == 1) {
      v = 1 - kRndStep;
    } else if (kind <= 5) {
      const int n = kDivisors[static_cast<std::size_t>(Below(static_cast<int>(kDivisors.size())))];
      const double threshold = static_cast<double>(1 + Below(n - 1 > 0 ? n - 1 : 1)) / n;
      const double steps = threshold / kRndStep;
      v = (Chance(0.5) ? std::floor(steps) : std::ceil(steps)) * kRndStep;
      if (Chance(0.3)) v -= kRndStep;
      v = std::clamp(v, 0.0, 1 - kRndStep);
    } else {
      v = std::floor(Uniform() / kRndStep) * kRndStep;
    }
    line += ' ' + Number(v);
    if (Chance(0.15)) line += '*' + std::to_string(1 + Below(200));
  }
  return line;
}

// Now and then, while the shop stands idle, what a player earns by playing on: a later chapter
// (later destinations), money or reputation. Only upwards, and only within what play reaches.
std::optional<std::string> Monkey::Nudge() {
  const GameState& s = runner_->State();
  const HeadlessDesktop& d = runner_->Desktop();
  const auto scene = d.SceneOnScreen();
  if (!scene || !soak::RestsBetweenTrips(*scene) || d.IsOpen(Window::frmMessage) ||
      d.IsOpen(Window::frmYes) || s.AwaitingAnswer != kFalse || !Chance(0.01)) {
    return std::nullopt;
  }
  switch (Below(6)) {
    case 0:
    case 1:
      if (s.Chapter < 4) return "set Chapter " + std::to_string(s.Chapter + 1);
      break;
    case 2:
    case 3:
      if (s.Gold < 500000) return "set Gold " + std::to_string(s.Gold + 1000 + Below(100000));
      break;
    case 4:
    case 5:
      if (s.Reputation < kMaxReputation) {
        return "set Reputation " +
               std::to_string(std::min(kMaxReputation, s.Reputation + 50 + Below(300)));
      }
      break;
    default:
      break;
  }
  return std::nullopt;
}

std::string Monkey::ChooseMenuItem() {
  const auto& menu = runner_->Desktop().LastMenu();
  std::vector<std::string> items;
  if (menu) ChoosableItems(menu->items, items);
  if (items.empty()) return {};
  std::vector<double> weights;
  for (const std::string& item : items) weights.push_back(soak::MenuItemWeight(item));
  std::discrete_distribution<std::size_t> pick(weights.begin(), weights.end());
  return "menu " + items[pick(gen_)];
}

std::string Monkey::ChooseInput() {
  HeadlessDesktop& d = runner_->Desktop();
  // A pop-up menu is taken at once or not at all: any other input would have dismissed it.
  if (d.LastMenu() && Chance(0.75)) {
    const std::string item = ChooseMenuItem();
    if (!item.empty()) return item;
  }
  d.ForgetMenu();

  struct Choice {
    double weight;
    std::string input;
  };
  std::vector<Choice> choices;
  const auto scene = d.SceneOnScreen();
  // On the road a yes mostly turns the hero home (the carriage, the end question): there the
  // soak leans to no, so that trips reach their end.
  const bool onTheRoad = scene && soak::IsTheLongWalk(*scene);
  for (Window balloon : {Window::frmMessage, Window::frmYes, Window::frmNo}) {
    if (!d.IsOpen(balloon)) continue;
    const std::string name(WindowName(balloon));
    choices.push_back({balloon == Window::frmYes && onTheRoad ? 3.0 : 12.0, "click " + name});
    choices.push_back({0.5, "click " + name + " right"});
    choices.push_back({0.5, "dblclick " + name});
  }
  if (scene) {
    const std::string name(WindowName(*scene));
    choices.push_back({8, "click " + name});
    choices.push_back({10, "click " + name + " right"});
    choices.push_back({0.5, "click " + name + " middle"});
    choices.push_back({0.5, "dblclick " + name});
    static constexpr std::array<std::pair<const char*, double>, 12> kKeys = {{
        {"Y", 1}, {"N", 2}, {"G", 2}, {"ENTER", 2}, {"S", 1}, {"T", 0.5}, {"A", 1},
        {"MENU", 3}, {"Q", 0.2}, {"27", 0.2}, {"32", 0.2}, {"13", 0.2}}};
    for (const auto& [key, weight] : kKeys) choices.push_back({weight, std::string("key ") + key});
    // The road is long: while nothing is said there, time mostly passes.
    const bool quietRoad = soak::IsTheLongWalk(*scene) && !d.IsOpen(Window::frmMessage) &&
                           !d.IsOpen(Window::frmYes);
    static constexpr std::array<int, 6> kTicks = {1, 1, 2, 5, 30, 100};
    choices.push_back({quietRoad ? 40.0 : 10.0,
                       "tick " + std::to_string(kTicks[static_cast<std::size_t>(Below(6))])});
  }
  for (int w = 0; w < kWindowCount; ++w) {
    const auto window = static_cast<Window>(w);
    const ListContent* list = d.ListOf(window);
    if (list == nullptr) continue;
    const std::string name(WindowName(window));
    const int rows = static_cast<int>(list->rows.size());
    const std::string row = std::to_string(rows == 0 || Chance(0.1) ? 0 : 1 + Below(rows));
    choices.push_back({4, "listclick " + name + ' ' + row});
    choices.push_back({3, "listclick " + name + ' ' + row + " right"});
    choices.push_back({3, "dblclick " + name});
  }
  // Another program takes the focus now and then (the watchdog raises the game's windows), and
  // gives it back.
  choices.push_back({0.5, Chance(0.5) ? std::string("foreground \"Terminal\"")
                                      : "foreground \"" + std::string(kGameCaption) + '"'});
  static constexpr std::array<int, 8> kTimes = {50, 100, 100, 250, 1000, 2000, 5000, 30000};
  choices.push_back({6, "run " + std::to_string(kTimes[static_cast<std::size_t>(Below(8))])});

  std::vector<double> weights;
  for (const Choice& c : choices) weights.push_back(c.weight);
  std::discrete_distribution<std::size_t> pick(weights.begin(), weights.end());
  return choices[pick(gen_)].input;
}

}  // namespace tolmark
