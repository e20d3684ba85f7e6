// A small recording desktop for the scene tests: every call becomes a line, input is injected
// by the test, Pump delivers what the test queued for it.
#pragma once

#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "present/desktop.h"

namespace tolmark {

class RecordingDesktop final : public Desktop {
 public:
  std::vector<std::string> lines;  // the calls, in order
  std::set<Window> open;
  std::map<std::pair<Window, Timer>, int> timers;
  std::string foreground{kGameCaption};
  bool anotherCopy = false;
  bool ended = false;
  Menu lastMenu;
  int sleptMs = 0;
  // Run once each by the next Pump, in order: input that arrives while the game pumps.
  std::vector<std::function<void()>> onPump;
  DesktopEvents* sink = nullptr;

  // Lines that start with prefix, in order.
  std::vector<std::string> With(std::string_view prefix) const;
  void Clear() { lines.clear(); }

  void SetEventSink(DesktopEvents* s) override { sink = s; }
  int TwipsPerPixelX() const override { return 15; }
  int TwipsPerPixelY() const override { return 15; }
  int ScreenWidthPixels() const override { return 1920; }
  std::int32_t WorkAreaHeight() const override { return 1080 * 15; }

  void BeginScene(Window scene, int mode) override;
  void DrawPicture(Window scene, int picture, std::int32_t x, std::int32_t y) override;
  void ShowScene(Window scene) override;
  void ShowTalk(Window balloon, std::string_view text, std::int32_t x, std::int32_t y,
                int side) override;
  std::int32_t TextWidth(std::string_view text) const override {
    return static_cast<std::int32_t>(text.size()) * 15;
  }

  bool IsOpen(Window window) const override { return open.count(window) != 0; }
  void ShowWindow(Window window) override;
  void HideWindow(Window window) override { open.erase(window); }
  void CloseWindow(Window window) override;
  bool Focus(Window window) override { return IsOpen(window); }
  void BringToFront(Window window) override;
  std::string ForegroundCaption() override { return foreground; }

  void PopupMenu(Window menuWindow, const Menu& menu) override;
  void ShowList(Window window, const Placement&, const ListContent&) override { open.insert(window); }
  void ShowLabels(Window window, const Placement&, const LabelContent&) override {
    open.insert(window);
  }
  void MessageBox(std::string_view text, bool errorIcon) override;

  void SetTimer(Window scene, Timer timer, int periodMs) override;
  int TimerPeriod(Window scene, Timer timer) const override;

  void Pump() override;
  void Sleep(int ms) override;
  bool AnotherCopyRunning() override { return anotherCopy; }
  void EndProgram() override;

 private:
  std::vector<std::string> frame_;
};

}  // namespace tolmark
