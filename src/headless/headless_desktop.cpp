// The in-memory desktop: window states, frames, balloons, menus, timers and the transcript.
#include "headless/headless_desktop.h"

#include <algorithm>

#include "headless/text_measure.h"
#include "headless/transcript_text.h"

namespace tolmark {
namespace {

// The longest caption the desktop reports.
constexpr std::size_t kCaptionLimit = 128;

std::string_view TimerName(Timer timer) { return timer == Timer::Timer1 ? "Timer1" : "Timer2"; }

void AppendMenuItems(std::string& line, const std::vector<MenuItem>& items) {
  for (const MenuItem& item : items) {
    line += ' ';
    line += item.name;
    line += ':';
    if (item.visible) line += 'v';
    if (item.enabled) line += 'e';
    if (item.checked) line += 'c';
    AppendMenuItems(line, item.children);
  }
}

std::string RowsLine(Window window, const std::vector<std::vector<std::string>>& rows) {
  std::string line = "rows ";
  line += WindowName(window);
  for (const auto& row : rows) {
    std::string joined;
    for (std::size_t i = 0; i < row.size(); ++i) {
      if (i > 0) joined += '|';
      joined += row[i];
    }
    line += ' ';
    line += QuoteText(joined);
  }
  return line;
}

}  // namespace

HeadlessDesktop::HeadlessDesktop(std::ostream& transcript) : out_(transcript) {}

void HeadlessDesktop::WriteLine(std::string_view line) {
  // Line by line, so a game that crashes still leaves its transcript up to the crash.
  out_ << line << '\n';
  out_.flush();
}

void HeadlessDesktop::SetForegroundCaption(std::string_view caption) {
  caption = caption.substr(0, caption.find('\0'));
  std::size_t characters = 0;
  std::size_t end = 0;
  for (; end < caption.size(); ++end) {
    const bool startsCharacter = (static_cast<unsigned char>(caption[end]) & 0xC0) != 0x80;
    if (startsCharacter && ++characters > kCaptionLimit) break;
  }
  foregroundCaption_ = std::string(caption.substr(0, end));
}

// ---- Driving. ----

void HeadlessDesktop::Queue(const HeadlessInput& input) {
  queued_.push_back({input, now_, ++queuedSoFar_});
}

void HeadlessDesktop::Deliver(const HeadlessInput& input) {
  Queue(input);
  while (!queued_.empty() && Live()) {
    const HeadlessInput next = queued_.front().input;
    queued_.pop_front();
    DeliverInput(next);
  }
}

bool HeadlessDesktop::TickNow(Window scene, Timer timer) {
  if (!Live() || timers_.Period(scene, timer) == 0) return false;
  DeliverTick(scene, timer);
  return true;
}

void HeadlessDesktop::RunFor(std::int64_t ms) {
  const std::int64_t until = now_ + std::max<std::int64_t>(ms, 0);
  while (Live()) {
    const auto due = timers_.DueBy(until);
    if (due.empty()) break;
    now_ = std::max(now_, due.front().at);
    DeliverTick(due.front().scene, due.front().timer);
  }
  // A pause inside a handler may have carried the clock past the end already.
  now_ = std::max(now_, until);
}

bool HeadlessDesktop::CheckEnded() {
  if (ended_) return true;
  const bool anyOpen = std::any_of(windows_.begin(), windows_.end(),
                                   [](const WindowState& w) { return w.open; });
  if (endRequested_ || !anyOpen) {
    ended_ = true;
    WriteLine("exit");
  }
  return ended_;
}

void HeadlessDesktop::DeliverTick(Window scene, Timer timer) {
  // The next interval starts as the tick is handed over; a handler that sets a new period
  // starts a new count from there.
  timers_.Delivered(scene, timer, now_);
  timers_.SetHandling(scene, timer, true);
  sink_->TimerTick(scene, timer);
  timers_.SetHandling(scene, timer, false);
}

void HeadlessDesktop::DeliverInput(const HeadlessInput& input) {
  switch (input.kind) {
    case HeadlessInput::Kind::MouseDown:
      sink_->MouseDown(input.window, input.code);
      return;
    case HeadlessInput::Kind::KeyDown:
      sink_->KeyDown(input.window, input.code);
      return;
    case HeadlessInput::Kind::MenuChosen:
      sink_->MenuChosen(input.item);
      return;
    case HeadlessInput::Kind::ListMouseDown:
      sink_->ListMouseDown(input.window, input.row, input.code);
      return;
    case HeadlessInput::Kind::DoubleClick:
      sink_->DoubleClick(input.window);
      return;
  }
}

// ---- What the screen shows. ----

std::optional<Window> HeadlessDesktop::SceneOnScreen() const {
  if (focused_ && IsSceneWindow(*focused_) && IsOpen(*focused_)) return focused_;
  for (const Window scene : scenes_.scenes) {
    if (IsOpen(scene)) return scene;
  }
  return std::nullopt;
}

const std::string& HeadlessDesktop::BalloonText(Window balloon) const {
  return StateOf(balloon).balloonText;
}

const ListContent* HeadlessDesktop::ListOf(Window window) const {
  const WindowState& state = StateOf(window);
  return IsOpen(window) && state.list ? &*state.list : nullptr;
}

const std::vector<PlacedPicture>& HeadlessDesktop::ShownFrame(Window scene) const {
  return StateOf(scene).shown;
}

// ---- Desktop: metrics and drawing. ----

std::int32_t HeadlessDesktop::WorkAreaHeight() const {
  return screen_.heightPixels * screen_.unitsPerPixel;
}

void HeadlessDesktop::BeginScene(Window scene, int /*mode*/) {
  Open(scene);
  StateOf(scene).drawing.clear();
}

void HeadlessDesktop::DrawPicture(Window scene, int picture, std::int32_t x, std::int32_t y) {
  Open(scene);
  StateOf(scene).drawing.push_back({picture, x, y});
}

void HeadlessDesktop::ShowScene(Window scene) {
  Open(scene);
  WindowState& state = StateOf(scene);
  std::string line = "frame ";
  line += WindowName(scene);
  for (const PlacedPicture& p : state.drawing) {
    line += ' ' + std::to_string(p.picture) + '@' + std::to_string(p.x) + ',' +
            std::to_string(p.y);
  }
  WriteLine(line);
  state.shown = std::move(state.drawing);
  state.drawing.clear();
  Pump();
}

void HeadlessDesktop::ShowTalk(Window balloon, std::string_view text, std::int32_t x,
                               std::int32_t y, int side) {
  Open(balloon);
  WindowState& state = StateOf(balloon);
  state.hidden = false;
  state.balloonText = std::string(text);
  WriteLine("talk " + std::string(WindowName(balloon)) + ' ' + std::to_string(side) + ' ' +
            std::to_string(x) + ' ' + std::to_string(y) + ' ' + QuoteText(text));
  Pump();
}

std::int32_t HeadlessDesktop::TextWidth(std::string_view text) const {
  return HeadlessTextWidthPixels(text) * screen_.unitsPerPixel;
}

// ---- Desktop: window services. ----

void HeadlessDesktop::Open(Window window) {
  WindowState& state = StateOf(window);
  if (state.open) return;
  state.open = true;
  // A talk line stands for a balloon window's opening: balloons come and go with every line,
  // so `open` lines for them would only repeat it.
  if (!IsBalloonWindow(window)) WriteLine("open " + std::string(WindowName(window)));
}

void HeadlessDesktop::CloseWindow(Window window) {
  WindowState& state = StateOf(window);
  if (!state.open) return;
  state = WindowState{};
  timers_.StopAll(window);  // a scene window's timers go with it; other windows have none
  if (focused_ == window) focused_.reset();
  WriteLine("close " + std::string(WindowName(window)));
}

bool HeadlessDesktop::IsOpen(Window window) const {
  return StateOf(window).open && !StateOf(window).hidden;
}

void HeadlessDesktop::ShowWindow(Window window) {
  WindowState& state = StateOf(window);
  if (state.open && state.hidden) {
    state.hidden = false;
    WriteLine("show " + std::string(WindowName(window)));
  }
  Open(window);
}

// A hidden window stays loaded: it keeps its frame and its timers, and it keeps the program
// alive, as a window taken off screen for a while does on a real desktop.
void HeadlessDesktop::HideWindow(Window window) {
  WindowState& state = StateOf(window);
  if (!state.open || state.hidden) return;
  state.hidden = true;
  if (focused_ == window) focused_.reset();
  WriteLine("hide " + std::string(WindowName(window)));
}

bool HeadlessDesktop::Focus(Window window) {
  if (!IsOpen(window)) return false;
  focused_ = window;
  return true;
}

void HeadlessDesktop::BringToFront(Window window) {
  ShowWindow(window);
  WriteLine("front " + std::string(WindowName(window)));
}

void HeadlessDesktop::PopupMenu(Window /*menuWindow*/, const Menu& menu) {
  std::string line = "menu " + menu.name;
  AppendMenuItems(line, menu.items);
  WriteLine(line);
  lastMenu_ = menu;
}

void HeadlessDesktop::ShowList(Window window, const Placement& /*place*/,
                               const ListContent& content) {
  Open(window);
  StateOf(window).list = content;
  WriteLine(RowsLine(window, content.rows));
}

void HeadlessDesktop::ShowLabels(Window window, const Placement& /*place*/,
                                 const LabelContent& content) {
  Open(window);
  StateOf(window).list.reset();  // label rows take no clicks
  std::vector<std::vector<std::string>> rows;
  for (const auto& [label, value] : content.rows) rows.push_back({label, value});
  WriteLine(RowsLine(window, rows));
}

void HeadlessDesktop::MessageBox(std::string_view text, bool errorIcon) {
  WriteLine("msgbox " + QuoteText(text) + (errorIcon ? " error" : ""));
}

// ---- Desktop: time. ----

void HeadlessDesktop::SetTimer(Window scene, Timer timer, int periodMs) {
  // Setting the running period again changes nothing, so it leaves no line either.
  if (!timers_.Set(scene, timer, periodMs, now_)) return;
  WriteLine("timer " + std::string(WindowName(scene)) + ' ' + std::string(TimerName(timer)) +
            ' ' + std::to_string(timers_.Period(scene, timer)));
}

int HeadlessDesktop::TimerPeriod(Window scene, Timer timer) const {
  return timers_.Period(scene, timer);
}

void HeadlessDesktop::Pump() {
  // What waits now is handled once, in time order: input queued during a pause and every
  // tick that fell due. Ticks falling due while these run wait for the next pump.
  // A handler may pump too and take some of what waits, so the queue is asked afresh each time.
  auto due = timers_.DueBy(now_);
  const std::uint64_t lastWaiting = queuedSoFar_;
  const auto inputWaiting = [&] {
    return !queued_.empty() && queued_.front().number <= lastWaiting;
  };
  std::size_t nextTick = 0;
  while (Live() && (inputWaiting() || nextTick < due.size())) {
    const bool inputFirst =
        inputWaiting() && (nextTick == due.size() || queued_.front().at <= due[nextTick].at);
    if (inputFirst) {
      const HeadlessInput input = queued_.front().input;
      queued_.pop_front();
      DeliverInput(input);
    } else {
      const SceneTimers::Due tick = due[nextTick++];
      if (timers_.IsDue(tick.scene, tick.timer, now_)) DeliverTick(tick.scene, tick.timer);
    }
  }
}

void HeadlessDesktop::Sleep(int ms) {
  WriteLine("sleep " + std::to_string(ms));
  now_ += std::max(ms, 0);
}

}  // namespace tolmark
