// The checks of tolmark-sim: expect in its forms, and state.
#include <algorithm>
#include <charconv>
#include <fstream>
#include <iterator>

#include "headless/entry_list.h"
#include "headless/script_args.h"
#include "headless/script_error.h"
#include "headless/script_runner.h"
#include "headless/transcript_text.h"
#include "model/inventory.h"
#include "model/state_fields.h"

namespace tolmark {

void ScriptRunner::State(Args args) {
  RequireArgs(args, 0, 0, "state");
  desktop_.WriteLine("state " + StateJson(game_.State()));
}

void ScriptRunner::Expect(Args args) {
  if (args.empty()) throw ScriptError("expected: expect WHAT ...");
  const std::string& what = args[0].quoted ? std::string() : args[0].text;
  const Args rest = args.subspan(1);
  if (what == "talk") return ExpectTalk(rest);
  if (what == "ask") return ExpectAsk(rest);
  if (what == "open") return ExpectWindow(rest, true);
  if (what == "closed") return ExpectWindow(rest, false);
  if (what == "stock") return ExpectEntries(rest, true);
  if (what == "bag") return ExpectEntries(rest, false);
  if (what == "file") return ExpectFile(rest);
  if (what == "nofile") return ExpectNoFile(rest);
  ExpectField(args);
}

void ScriptRunner::ExpectField(Args args) {
  RequireArgs(args, 2, 2, "expect FIELD VALUE");
  std::string error;
  const auto reading = ReadField(game_.State(), args[0].text, &error);
  if (!reading) throw ScriptError(error);
  const std::string& expected = args[1].text;
  // Numbers and flags compare by value: 05 holds for 5.
  const bool number = reading->kind == FieldKind::Number || reading->kind == FieldKind::Flag;
  const bool holds =
      number ? std::stoll(reading->text) ==
                   IntegerArg(args[1], INT32_MIN, INT32_MAX, "the expected value of " + args[0].text)
             : reading->text == expected;
  if (holds) return;
  const bool text = reading->kind == FieldKind::Text;
  Fail(args[0].text + " is " + (text ? QuoteText(reading->text) : reading->text) +
       ", expected " + (text ? QuoteText(expected) : expected));
}

void ScriptRunner::ExpectTalk(Args args) {
  RequireArgs(args, 1, 1, "expect talk \"TEXT\" or expect talk -");
  const bool open = desktop_.IsOpen(Window::frmMessage);
  const std::string& shown = desktop_.BalloonText(Window::frmMessage);
  const bool wantClosed = !args[0].quoted && args[0].text == "-";
  if (wantClosed) {
    if (open) Fail("talk shows " + QuoteText(shown) + ", expected it closed");
    return;
  }
  if (!open) {
    Fail("talk is closed, expected " + QuoteText(args[0].text));
  } else if (shown != args[0].text) {
    Fail("talk shows " + QuoteText(shown) + ", expected " + QuoteText(args[0].text));
  }
}

void ScriptRunner::ExpectAsk(Args args) {
  RequireArgs(args, 2, 2, "expect ask \"YES\" \"NO\"");
  const std::pair<Window, const ScriptToken*> balloons[] = {{Window::frmYes, &args[0]},
                                                            {Window::frmNo, &args[1]}};
  for (const auto& [window, expected] : balloons) {
    const std::string name(WindowName(window));
    if (!desktop_.IsOpen(window)) {
      Fail(name + " is closed, expected " + QuoteText(expected->text));
    } else if (desktop_.BalloonText(window) != expected->text) {
      Fail(name + " shows " + QuoteText(desktop_.BalloonText(window)) + ", expected " +
           QuoteText(expected->text));
    }
  }
}

void ScriptRunner::ExpectWindow(Args args, bool open) {
  RequireArgs(args, 1, 1, open ? "expect open WINDOW" : "expect closed WINDOW");
  const Window window = WindowArg(args[0]);
  if (desktop_.IsOpen(window) != open) {
    Fail(args[0].text + (open ? " is closed, expected open" : " is open, expected closed"));
  }
}

void ScriptRunner::ExpectEntries(Args args, bool stock) {
  RequireArgs(args, 1, 1, stock ? "expect stock W:C,..." : "expect bag W:C,...");
  const auto expected = EntryListArg(args[0], stock ? kWeaponCount : kBagSlots);
  const GameState& s = game_.State();
  const auto held = stock ? UsedEntriesOf(s.ShopStock, s.StockCount)
                          : UsedEntriesOf(s.Bag, s.BagCount);
  if (!std::equal(held.begin(), held.end(), expected.begin(), expected.end())) {
    Fail(std::string(stock ? "stock" : "bag") + " is " + FormatEntryList(held) + ", expected " +
         FormatEntryList(expected));
  }
}

void ScriptRunner::ExpectFile(Args args) {
  RequireArgs(args, 2, 2, "expect file NAME \"BYTES\"");
  const std::string name = FileNameArg(args[0]);
  std::ifstream file(name, std::ios::binary);
  if (!file) {
    Fail("file " + name + " does not exist");
    return;
  }
  std::string held;
  try {
    held.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
  } catch (const std::ios_base::failure&) {
    // A folder of that name opens but cannot be read: the expected file is not there.
    Fail("file " + name + " cannot be read");
    return;
  }
  if (held != args[1].text) {
    Fail("file " + name + " holds " + QuoteText(held) + ", expected " + QuoteText(args[1].text));
  }
}

void ScriptRunner::ExpectNoFile(Args args) {
  RequireArgs(args, 1, 1, "expect nofile NAME");
  const std::string name = FileNameArg(args[0]);
  if (std::ifstream(name, std::ios::binary)) Fail("file " + name + " exists, expected none");
}

}  // namespace tolmark
