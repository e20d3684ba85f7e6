// The desktop as the player's language sees it: every whole text the core hands over (a balloon's
// line, a menu caption, a list's headers and cells, a label, a message) is translated on its way
// to the back end, and a picture with words painted on it (the shop's boards) is drawn as its
// English twin; everything else passes straight through. In Japanese it changes nothing.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "present/desktop.h"

namespace tolmark {

class TranslatedDesktop final : public Desktop {
 public:
  explicit TranslatedDesktop(Desktop& inner) : inner_(inner) {}

  void SetEventSink(DesktopEvents* sink) override { inner_.SetEventSink(sink); }
  void SetSceneWindows(const SceneWindows& windows) override { inner_.SetSceneWindows(windows); }

  int TwipsPerPixelX() const override { return inner_.TwipsPerPixelX(); }
  int TwipsPerPixelY() const override { return inner_.TwipsPerPixelY(); }
  int ScreenWidthPixels() const override { return inner_.ScreenWidthPixels(); }
  std::int32_t WorkAreaHeight() const override { return inner_.WorkAreaHeight(); }

  void BeginScene(Window scene, int mode) override { inner_.BeginScene(scene, mode); }
  void DrawPicture(Window scene, int picture, std::int32_t x, std::int32_t y) override;
  void ShowScene(Window scene) override { inner_.ShowScene(scene); }

  void ShowTalk(Window balloon, std::string_view text, std::int32_t x, std::int32_t y,
                int side) override;
  std::int32_t TextWidth(std::string_view text) const override;

  bool IsOpen(Window window) const override { return inner_.IsOpen(window); }
  void ShowWindow(Window window) override { inner_.ShowWindow(window); }
  void HideWindow(Window window) override { inner_.HideWindow(window); }
  void CloseWindow(Window window) override { inner_.CloseWindow(window); }
  bool Focus(Window window) override { return inner_.Focus(window); }
  void BringToFront(Window window) override { inner_.BringToFront(window); }
  std::string ForegroundCaption() override { return inner_.ForegroundCaption(); }

  void PopupMenu(Window menuWindow, const Menu& menu) override;
  void ShowList(Window window, const Placement& place, const ListContent& content) override;
  void ShowLabels(Window window, const Placement& place, const LabelContent& content) override;
  void MessageBox(std::string_view text, bool errorIcon) override;

  void SetTimer(Window scene, Timer timer, int periodMs) override {
    inner_.SetTimer(scene, timer, periodMs);
  }
  int TimerPeriod(Window scene, Timer timer) const override {
    return inner_.TimerPeriod(scene, timer);
  }
  void Pump() override { inner_.Pump(); }
  void Sleep(int ms) override { inner_.Sleep(ms); }
  bool AnotherCopyRunning() override { return inner_.AnotherCopyRunning(); }
  void EndProgram() override { inner_.EndProgram(); }

 private:
  Desktop& inner_;
};

}  // namespace tolmark
