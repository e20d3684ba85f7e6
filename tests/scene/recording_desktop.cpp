// The recording desktop's calls written as transcript-like lines.
#include "recording_desktop.h"

namespace tolmark {

std::vector<std::string> RecordingDesktop::With(std::string_view prefix) const {
  std::vector<std::string> out;
  for (const std::string& line : lines) {
    if (line.starts_with(prefix)) out.push_back(line);
  }
  return out;
}

void RecordingDesktop::BeginScene(Window scene, int) {
  open.insert(scene);
  frame_.clear();
}

void RecordingDesktop::DrawPicture(Window, int picture, std::int32_t x, std::int32_t y) {
  frame_.push_back(std::to_string(picture) + "@" + std::to_string(x) + "," + std::to_string(y));
}

void RecordingDesktop::ShowScene(Window scene) {
  std::string line = "frame " + std::string(WindowName(scene));
  for (const std::string& p : frame_) line += " " + p;
  lines.push_back(line);
  frame_.clear();
}

void RecordingDesktop::ShowTalk(Window balloon, std::string_view text, std::int32_t x,
                                std::int32_t y, int side) {
  open.insert(balloon);
  lines.push_back("talk " + std::string(WindowName(balloon)) + " " + std::to_string(side) + " " +
                  std::to_string(x) + " " + std::to_string(y) + " \"" + std::string(text) + "\"");
}

void RecordingDesktop::ShowWindow(Window window) {
  if (open.insert(window).second) lines.push_back("open " + std::string(WindowName(window)));
}

void RecordingDesktop::CloseWindow(Window window) {
  if (open.erase(window) != 0) lines.push_back("close " + std::string(WindowName(window)));
}

void RecordingDesktop::BringToFront(Window window) {
  lines.push_back("front " + std::string(WindowName(window)));
}

void RecordingDesktop::PopupMenu(Window menuWindow, const Menu& menu) {
  lastMenu = menu;
  lines.push_back("menu " + std::string(WindowName(menuWindow)) + " " + menu.name);
}

void RecordingDesktop::MessageBox(std::string_view text, bool errorIcon) {
  lines.push_back("msgbox \"" + std::string(text) + "\"" + (errorIcon ? " error" : ""));
}

void RecordingDesktop::SetTimer(Window scene, Timer timer, int periodMs) {
  timers[{scene, timer}] = periodMs;
  lines.push_back("timer " + std::string(WindowName(scene)) + " " +
                  (timer == Timer::Timer1 ? "Timer1 " : "Timer2 ") + std::to_string(periodMs));
}

int RecordingDesktop::TimerPeriod(Window scene, Timer timer) const {
  auto it = timers.find({scene, timer});
  return it == timers.end() ? 0 : it->second;
}

void RecordingDesktop::Pump() {
  std::vector<std::function<void()>> due;
  due.swap(onPump);
  for (auto& input : due) input();
}

void RecordingDesktop::Sleep(int ms) {
  sleptMs += ms;
  lines.push_back("sleep " + std::to_string(ms));
}

void RecordingDesktop::EndProgram() {
  ended = true;
  lines.push_back("exit");
}

}  // namespace tolmark
