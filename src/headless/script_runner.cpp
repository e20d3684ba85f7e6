// The script loop, the set-up commands and the input commands of tolmark-sim.
#include "headless/script_runner.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <fstream>

#include "headless/script_args.h"
#include "headless/script_error.h"
#include "model/language.h"
#include "model/state_fields.h"
#include "scene/keys.h"

namespace tolmark {
namespace {

// The most copies one `rnd V*N` queues: far more than a whole trip draws.
constexpr std::int64_t kMostQueuedCopies = 1'000'000;

int ButtonArg(const ScriptToken& arg, bool middleAllowed) {
  if (arg.text == "left") return 1;
  if (arg.text == "right") return 2;
  if (arg.text == "middle" && middleAllowed) return 3;
  throw ScriptError("no mouse button '" + arg.text + "'");
}

// Letters, ENTER, MENU or a virtual key code.
int KeyCodeArg(const ScriptToken& arg) {
  const std::string& k = arg.text;
  if (k.size() == 1 && k[0] >= 'A' && k[0] <= 'Z') return k[0];
  if (k == "ENTER") return kKeyEnter;
  if (k == "MENU") return kKeyMenu;
  if (!k.empty() && k[0] >= '0' && k[0] <= '9') {
    return static_cast<int>(IntegerArg(arg, 1, 254, "a virtual key code"));
  }
  throw ScriptError("no key '" + k + "' (A..Z, ENTER, MENU or a key code)");
}

// The item of that name and the items above it, outermost first; empty when there is none.
bool FindMenuPath(const std::vector<MenuItem>& items, std::string_view name,
                  std::vector<const MenuItem*>& path) {
  for (const MenuItem& item : items) {
    path.push_back(&item);
    if (item.name == name || FindMenuPath(item.children, name, path)) return true;
    path.pop_back();
  }
  return false;
}

// Fills an inventory with these entries in order and clears the rows after them; gives the
// count of entries in use.
template <std::size_t N>
std::int32_t ReplaceEntries(std::array<StockEntry, N>& inventory,
                            const std::vector<StockEntry>& entries) {
  inventory.fill(StockEntry{});
  std::copy(entries.begin(), entries.end(), inventory.begin());
  return static_cast<std::int32_t>(entries.size());
}

}  // namespace

ScriptRunner::ScriptRunner(std::ostream& transcript, std::ostream& errors)
    : transcript_(transcript),
      errors_(errors),
      desktop_(transcript),
      random_(1),
      game_(desktop_, random_) {
  desktop_.SetEventSink(&game_);
  UseLanguage(Language::Japanese);  // until the script asks for another
}

const std::array<ScriptRunner::Command, 21>& ScriptRunner::Commands() {
  static const std::array<Command, 21> kCommands = {{
      {"screen", &ScriptRunner::Screen},
      {"seed", &ScriptRunner::Seed},
      {"rnd", &ScriptRunner::QueueRandom},
      {"other-copy", &ScriptRunner::OtherCopy},
      {"lang", &ScriptRunner::Lang},
      {"start", &ScriptRunner::Start},
      {"set", &ScriptRunner::Set},
      {"stock", &ScriptRunner::Stock},
      {"bag", &ScriptRunner::Bag},
      {"collected", &ScriptRunner::Collected},
      {"file", &ScriptRunner::File},
      {"click", &ScriptRunner::Click},
      {"key", &ScriptRunner::Key},
      {"menu", &ScriptRunner::MenuItemChosen},
      {"listclick", &ScriptRunner::ListClick},
      {"dblclick", &ScriptRunner::DoubleClick},
      {"tick", &ScriptRunner::Tick},
      {"run", &ScriptRunner::RunFor},
      {"foreground", &ScriptRunner::Foreground},
      {"expect", &ScriptRunner::Expect},
      {"state", &ScriptRunner::State},
  }};
  return kCommands;
}

int ScriptRunner::Run(std::istream& script) {
  const int status = RunLines(script);
  // The transcript is the run's result: output lost on the way leaves nothing to trust, whatever
  // the script's own outcome was.
  if (transcript_.flush()) return status;
  errors_ << "tolmark-sim: the transcript cannot be written (line " << line_ << ")\n";
  return status == kAllHeld || status == kExpectFailed ? kScriptError : status;
}

int ScriptRunner::RunLines(std::istream& script) {
  std::string text;
  while (!stopped_ && transcript_ && std::getline(script, text)) {
    if (!text.empty() && text.back() == '\r') text.pop_back();
    if (const auto status = RunScriptLine(text)) return *status;
  }
  // A script that could not be read to its end (a folder, a read error) did not run to its end.
  if (script.bad()) {
    errors_ << "tolmark-sim: the script cannot be read past line " << line_ << '\n';
    return kScriptError;
  }
  return failed_ ? kExpectFailed : kAllHeld;
}

std::optional<int> ScriptRunner::RunScriptLine(std::string_view text) {
  ++line_;
  try {
    std::string error;
    const auto tokens = SplitScriptLine(text, &error);
    if (!tokens) throw ScriptError(error);
    if (!tokens->empty()) RunLine(*tokens);
  } catch (const ScriptError& e) {
    errors_ << "tolmark-sim: line " << line_ << ": " << e.what() << '\n';
    return kScriptError;
  } catch (const std::exception& e) {
    errors_ << "tolmark-sim: line " << line_ << ": the game failed: " << e.what() << '\n';
    return kGameFailed;
  }
  return std::nullopt;
}

void ScriptRunner::RunLine(const std::vector<ScriptToken>& tokens) {
  const ScriptToken& name = tokens.front();
  for (const Command& command : Commands()) {
    if (!name.quoted && command.name == name.text) {
      (this->*command.run)(Args(tokens).subspan(1));
      return;
    }
  }
  throw ScriptError("unknown command '" + name.text + "'");
}

void ScriptRunner::Fail(const std::string& what) {
  failed_ = true;
  desktop_.WriteLine("FAIL " + std::to_string(line_) + ": " + what);
}

void ScriptRunner::AfterInput() {
  if (desktop_.CheckEnded()) stopped_ = true;
}

void ScriptRunner::RequireRunning() const {
  if (!started_) throw ScriptError("the program has not been started (start)");
}

// ---- Set-up. ----

void ScriptRunner::Screen(Args args) {
  RequireArgs(args, 2, 3, "screen W H [U]");
  HeadlessScreen screen;
  screen.widthPixels = static_cast<int>(IntegerArg(args[0], 1, 100000, "the width"));
  screen.heightPixels = static_cast<int>(IntegerArg(args[1], 1, 100000, "the height"));
  if (args.size() == 3) {
    screen.unitsPerPixel = static_cast<int>(IntegerArg(args[2], 1, 1000, "units per pixel"));
  }
  desktop_.SetScreen(screen);
}

void ScriptRunner::Seed(Args args) {
  RequireArgs(args, 1, 1, "seed N");
  random_.Seed(static_cast<std::uint32_t>(IntegerArg(args[0], 0, 0xFFFFFFFFLL, "the seed")));
}

void ScriptRunner::QueueRandom(Args args) {
  if (args.empty()) throw ScriptError("expected: rnd V ...");
  for (const ScriptToken& arg : args) {
    // V*N queues N copies of V: a quiet road of 300 steps wants 600 rolls.
    const std::string_view whole = arg.text;
    const std::size_t star = whole.find('*');
    const std::string_view t = whole.substr(0, star);
    double value = -1;
    const auto [end, ec] = std::from_chars(t.data(), t.data() + t.size(), value);
    if (t.empty() || ec != std::errc() || end != t.data() + t.size() || !(value >= 0) ||
        !(value < 1)) {
      throw ScriptError("a random value must be a number with 0 <= V < 1, not '" +
                        std::string(t) + "'");
    }
    std::int64_t copies = 1;
    if (star != std::string_view::npos) {
      copies = IntegerArg(ScriptToken{std::string(whole.substr(star + 1)), false}, 1,
                          kMostQueuedCopies, "the number of copies");
    }
    for (std::int64_t i = 0; i < copies; ++i) random_.Queue(value);
  }
}

void ScriptRunner::OtherCopy(Args args) {
  RequireArgs(args, 1, 1, "other-copy on|off");
  if (args[0].text != "on" && args[0].text != "off") throw ScriptError("expected: on or off");
  desktop_.SetAnotherCopyRunning(args[0].text == "on");
}

void ScriptRunner::Lang(Args args) {
  RequireArgs(args, 1, 1, "lang ja|en");
  const std::optional<Language> language = LanguageNamed(args[0].text);
  if (!language) throw ScriptError("expected: ja or en");
  if (started_) throw ScriptError("the language is chosen before start");
  if (!UseLanguage(*language)) throw ScriptError("the English catalogue is not installed");
}

void ScriptRunner::Start(Args args) {
  RequireArgs(args, 0, 0, "start");
  if (started_) throw ScriptError("the program is already running");
  started_ = true;
  game_.Start();
  AfterInput();
}

void ScriptRunner::Set(Args args) {
  RequireArgs(args, 2, 2, "set FIELD VALUE");
  std::string error;
  if (!WriteField(game_.State(), args[0].text, args[1].text, &error)) throw ScriptError(error);
}

void ScriptRunner::Stock(Args args) {
  RequireArgs(args, 1, 1, "stock W:C,... or stock -");
  GameState& s = game_.State();
  s.StockCount = ReplaceEntries(s.ShopStock, EntryListArg(args[0], kWeaponCount));
}

void ScriptRunner::Bag(Args args) {
  RequireArgs(args, 1, 1, "bag W:C,... or bag -");
  const auto entries = EntryListArg(args[0], kBagSlots);
  GameState& s = game_.State();
  s.BagCount = ReplaceEntries(s.Bag, entries);
  s.BagPieces = 0;
  for (const StockEntry& e : entries) s.BagPieces += e.Count;
}

void ScriptRunner::Collected(Args args) {
  RequireArgs(args, 1, 1, "collected I,... or collected -");
  std::array<Flag, kWeaponCount> collected{};
  if (args[0].text != "-") {
    for (const std::string_view item : SplitAtCommas(args[0].text)) {
      const ScriptToken index{std::string(item), false};
      collected[static_cast<std::size_t>(IntegerArg(index, 0, kWeaponCount - 1, "an index"))] =
          kTrue;
    }
  }
  game_.State().Collected = collected;
}

void ScriptRunner::File(Args args) {
  RequireArgs(args, 2, 2, "file NAME \"BYTES\"");
  const std::string name = FileNameArg(args[0]);
  std::ofstream file(name, std::ios::binary | std::ios::trunc);
  file.write(args[1].text.data(), static_cast<std::streamsize>(args[1].text.size()));
  file.close();
  if (!file) throw ScriptError("cannot write the file " + name);
}

// ---- Input: each delivered while the game is idle, and run until it is idle again. ----

void ScriptRunner::Click(Args args) {
  RequireArgs(args, 1, 2, "click WINDOW [left|right|middle]");
  RequireRunning();
  const Window window = WindowArg(args[0]);
  if (!desktop_.IsSceneWindow(window) && !IsBalloonWindow(window)) {
    throw ScriptError(args[0].text + " takes no clicks");
  }
  if (!desktop_.IsOpen(window)) throw ScriptError(args[0].text + " is not on screen");
  const int button = args.size() == 2 ? ButtonArg(args[1], true) : 1;
  desktop_.Deliver({HeadlessInput::Kind::MouseDown, window, button, 0, {}});
  AfterInput();
}

void ScriptRunner::Key(Args args) {
  RequireArgs(args, 1, 1, "key K");
  RequireRunning();
  const int code = KeyCodeArg(args[0]);
  const auto scene = desktop_.SceneOnScreen();
  if (!scene) throw ScriptError("no scene window is on screen to take the key");
  desktop_.Deliver({HeadlessInput::Kind::KeyDown, *scene, code, 0, {}});
  AfterInput();
}

void ScriptRunner::MenuItemChosen(Args args) {
  RequireArgs(args, 1, 1, "menu ITEM");
  RequireRunning();
  const auto& menu = desktop_.LastMenu();
  if (!menu) throw ScriptError("no pop-up menu is shown");
  std::vector<const MenuItem*> path;
  if (!FindMenuPath(menu->items, args[0].text, path)) {
    throw ScriptError("the menu " + menu->name + " has no item " + args[0].text);
  }
  for (const MenuItem* item : path) {
    if (!item->visible || !item->enabled) {
      throw ScriptError(item->name + " is not visible and enabled in the menu shown");
    }
  }
  if (!path.back()->children.empty()) throw ScriptError(args[0].text + " opens a submenu");
  desktop_.ForgetMenu();
  desktop_.Deliver({HeadlessInput::Kind::MenuChosen, Window::frmMenu, 0, 0, args[0].text});
  AfterInput();
}

void ScriptRunner::ListClick(Args args) {
  RequireArgs(args, 2, 3, "listclick WINDOW ROW [left|right]");
  RequireRunning();
  const Window window = WindowArg(args[0]);
  const ListContent* list = desktop_.ListOf(window);
  if (list == nullptr) throw ScriptError(args[0].text + " is not a list on screen");
  const auto row = static_cast<int>(
      IntegerArg(args[1], 0, static_cast<std::int64_t>(list->rows.size()), "the row"));
  const int button = args.size() == 3 ? ButtonArg(args[2], false) : 1;
  desktop_.Deliver({HeadlessInput::Kind::ListMouseDown, window, button, row, {}});
  AfterInput();
}

void ScriptRunner::DoubleClick(Args args) {
  RequireArgs(args, 1, 1, "dblclick WINDOW");
  RequireRunning();
  const Window window = WindowArg(args[0]);
  if (!desktop_.IsOpen(window)) throw ScriptError(args[0].text + " is not on screen");
  desktop_.Deliver({HeadlessInput::Kind::DoubleClick, window, 0, 0, {}});
  AfterInput();
}

void ScriptRunner::Tick(Args args) {
  RequireArgs(args, 0, 1, "tick [N]");
  RequireRunning();
  const std::int64_t count = args.empty() ? 1 : IntegerArg(args[0], 0, 1000000, "the count");
  for (std::int64_t i = 0; i < count && !stopped_; ++i) {
    if (const auto scene = desktop_.SceneOnScreen()) desktop_.TickNow(*scene, Timer::Timer1);
    AfterInput();
  }
}

void ScriptRunner::RunFor(Args args) {
  RequireArgs(args, 1, 1, "run MS");
  RequireRunning();
  desktop_.RunFor(IntegerArg(args[0], 0, 1000LL * 60 * 60 * 24 * 365, "the time"));
  AfterInput();
}

void ScriptRunner::Foreground(Args args) {
  RequireArgs(args, 1, 1, "foreground \"CAPTION\"");
  desktop_.SetForegroundCaption(args[0].text);
}

}  // namespace tolmark
