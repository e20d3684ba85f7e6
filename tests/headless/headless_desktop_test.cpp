// The headless desktop: virtual clock and coalesced ticks, pumping, windows and transcript lines.
#include "headless/headless_desktop.h"

#include <gtest/gtest.h>

#include <functional>
#include <sstream>

#include "headless/text_measure.h"

namespace tolmark {
namespace {

// Records what the desktop delivers, with the virtual time, and can act inside a handler.
class Recorder final : public DesktopEvents {
 public:
  explicit Recorder(HeadlessDesktop& desk) : desk_(desk) { desk.SetEventSink(this); }
  void MouseDown(Window w, int button) override {
    Log(std::string(WindowName(w)) + " down " + std::to_string(button));
    if (onMouseDown) onMouseDown(w, button);
  }
  void KeyDown(Window w, int key) override {
    Log(std::string(WindowName(w)) + " key " + std::to_string(key));
  }
  void TimerTick(Window scene, Timer timer) override {
    Log(std::string(WindowName(scene)) + (timer == Timer::Timer1 ? " t1" : " t2"));
    if (onTick) onTick(scene, timer);
  }
  void MenuChosen(std::string_view item) override { Log("menu " + std::string(item)); }
  void ListMouseDown(Window w, int row, int button) override {
    Log(std::string(WindowName(w)) + " row " + std::to_string(row) + " " + std::to_string(button));
  }
  void DoubleClick(Window w) override { Log(std::string(WindowName(w)) + " dbl"); }

  std::vector<std::string> log;
  std::function<void(Window, Timer)> onTick;
  std::function<void(Window, int)> onMouseDown;

 private:
  void Log(const std::string& what) { log.push_back(std::to_string(desk_.Now()) + " " + what); }
  HeadlessDesktop& desk_;
};

struct Fixture {
  std::ostringstream out;
  HeadlessDesktop desk{out};
  Recorder events{desk};
  std::vector<std::string> Lines() const {
    std::vector<std::string> lines;
    std::istringstream in(out.str());
    for (std::string l; std::getline(in, l);) lines.push_back(l);
    return lines;
  }
};

using Lines = std::vector<std::string>;

TEST(HeadlessClock, TicksFallDueAsVirtualTimePassesInTimeOrder) {
  Fixture f;
  f.desk.ShowWindow(Window::frmShop);
  f.desk.SetTimer(Window::frmShop, Timer::Timer1, 1000);
  f.desk.SetTimer(Window::frmShop, Timer::Timer2, 400);
  f.desk.RunFor(2100);
  EXPECT_EQ(f.events.log, (Lines{"400 frmShop t2", "800 frmShop t2", "1000 frmShop t1",
                                 "1200 frmShop t2", "1600 frmShop t2", "2000 frmShop t1",
                                 "2000 frmShop t2"}));
  EXPECT_EQ(f.desk.Now(), 2100);
}

TEST(HeadlessClock, ALongPauseLeavesOneTickPendingPerTimer) {
  Fixture f;
  f.desk.ShowWindow(Window::frmShop);
  f.desk.SetTimer(Window::frmShop, Timer::Timer1, 100);
  f.desk.Sleep(1050);  // ten periods pass; nothing is delivered during a pause
  EXPECT_TRUE(f.events.log.empty());
  f.desk.Pump();
  f.desk.Pump();
  EXPECT_EQ(f.events.log, (Lines{"1050 frmShop t1"}));
  f.desk.RunFor(100);  // the next falls a whole period after the late one
  EXPECT_EQ(f.events.log, (Lines{"1050 frmShop t1", "1150 frmShop t1"}));
}

TEST(HeadlessClock, ATimerIsNotReenteredFromItsOwnHandler) {
  Fixture f;
  f.desk.ShowWindow(Window::frmShop);
  f.desk.SetTimer(Window::frmShop, Timer::Timer1, 100);
  f.desk.SetTimer(Window::frmShop, Timer::Timer2, 100);
  int depth = 0;
  f.events.onTick = [&](Window, Timer timer) {
    if (timer != Timer::Timer1 || depth++ > 0) return;
    f.desk.Sleep(500);
    f.desk.Pump();  // Timer2 may run in here, Timer1 may not
  };
  f.desk.TickNow(Window::frmShop, Timer::Timer1);
  EXPECT_EQ(f.events.log, (Lines{"0 frmShop t1", "500 frmShop t2"}));
}

TEST(HeadlessClock, StoppedAndClosedTimersDoNotTick) {
  Fixture f;
  f.desk.ShowWindow(Window::frmShop);
  f.desk.ShowWindow(Window::frmField);
  f.desk.SetTimer(Window::frmShop, Timer::Timer1, 100);
  f.desk.SetTimer(Window::frmField, Timer::Timer1, 100);
  f.desk.SetTimer(Window::frmField, Timer::Timer1, 0);
  EXPECT_FALSE(f.desk.TickNow(Window::frmField, Timer::Timer1));
  f.desk.CloseWindow(Window::frmShop);
  f.desk.RunFor(1000);
  EXPECT_TRUE(f.events.log.empty());
  EXPECT_EQ(f.desk.TimerPeriod(Window::frmShop, Timer::Timer1), 0);
}

TEST(HeadlessClock, InputQueuedDuringAPauseArrivesAtTheNextPump) {
  Fixture f;
  f.desk.ShowWindow(Window::frmShop);
  f.desk.SetTimer(Window::frmShop, Timer::Timer1, 300);
  f.desk.Queue({HeadlessInput::Kind::MouseDown, Window::frmShop, 1, 0, {}});
  f.desk.Sleep(1000);
  f.desk.Pump();
  // The click was made at 0, the tick fell due at 300: the click comes first.
  EXPECT_EQ(f.events.log, (Lines{"1000 frmShop down 1", "1000 frmShop t1"}));
}

// A handler that pumps takes the inputs still waiting; the outer pump must not hand them out
// again, nor reach for one that is no longer there. Input queued while a pump runs waits for
// the next one.
TEST(HeadlessClock, InputTakenByAPumpInsideAHandlerIsDeliveredOnce) {
  Fixture f;
  f.desk.ShowWindow(Window::frmShop);
  f.desk.Queue({HeadlessInput::Kind::MouseDown, Window::frmShop, 1, 0, {}});
  f.desk.Queue({HeadlessInput::Kind::MouseDown, Window::frmShop, 2, 0, {}});
  f.events.onMouseDown = [&](Window, int button) {
    if (button == 1) f.desk.Pump();
    if (button == 2) f.desk.Queue({HeadlessInput::Kind::MouseDown, Window::frmShop, 3, 0, {}});
  };
  f.desk.Pump();
  EXPECT_EQ(f.events.log, (Lines{"0 frmShop down 1", "0 frmShop down 2"}));
  f.desk.Pump();
  EXPECT_EQ(f.events.log, (Lines{"0 frmShop down 1", "0 frmShop down 2", "0 frmShop down 3"}));
}

TEST(HeadlessTranscript, WritesTheFixedLineFormats) {
  Fixture f;
  f.desk.BeginScene(Window::frmShop, 1);
  f.desk.DrawPicture(Window::frmShop, 57, 1500, 15690);
  f.desk.DrawPicture(Window::frmShop, 44, -32, 15615);
  f.desk.ShowScene(Window::frmShop);
  f.desk.ShowScene(Window::frmShop);  // nothing drawn since: an empty frame
  f.desk.ShowTalk(Window::frmMessage, "「はい」\"ok\"\\\r\n\x01", 1800, 15615, 0);
  f.desk.SetTimer(Window::frmShop, Timer::Timer1, 100);
  f.desk.SetTimer(Window::frmShop, Timer::Timer1, 100);  // unchanged: no line
  f.desk.SetTimer(Window::frmShop, Timer::Timer1, 0);
  f.desk.SetTimer(Window::frmShop, Timer::Timer1, 200);
  f.desk.SetTimer(Window::frmShop, Timer::Timer1, -1);  // stops it, and reads as stopped
  f.desk.SetTimer(Window::frmShop, Timer::Timer1, 0);   // already stopped: no line
  f.desk.Sleep(2000);
  f.desk.MessageBox("二行\r\nです", true);
  f.desk.MessageBox("plain", false);
  Menu menu{"menu", {}};
  menu.items.push_back({"mopen", "開店", true, true, false, {}});
  menu.items.push_back({"mclose", "閉店", false, false, false, {}});
  menu.items.push_back({"mSpeed", "速度", true, true, false,
                        {{"mSpeed1", "速い", true, true, true, {}},
                         {"mSpeed2", "普通", true, false, false, {}}}});
  f.desk.PopupMenu(Window::frmMenu, menu);
  ListContent list;
  list.rows = {{"ダガー", "3", "1,200"}, {"a|b", "", ""}};
  f.desk.ShowList(Window::frmShopItem, {}, list);
  f.desk.ShowList(Window::frmShopItem, {}, ListContent{});
  LabelContent labels;
  labels.rows = {{"ＨＰ", "35"}};
  f.desk.ShowLabels(Window::frmStatus, {}, labels);
  f.desk.BringToFront(Window::frmStatus);
  f.desk.HideWindow(Window::frmStatus);
  f.desk.UnloadAllExcept(Window::frmShop);
  EXPECT_EQ(f.Lines(),
            (Lines{"open frmShop",
                   "frame frmShop 57@1500,15690 44@-32,15615",
                   "frame frmShop",
                   R"(talk frmMessage 0 1800 15615 "「はい」\"ok\"\\\r\n\x01")",
                   "timer frmShop Timer1 100",
                   "timer frmShop Timer1 0",
                   "timer frmShop Timer1 200",
                   "timer frmShop Timer1 0",
                   "sleep 2000",
                   R"(msgbox "二行\r\nです" error)",
                   R"(msgbox "plain")",
                   "menu menu mopen:ve mclose: mSpeed:ve mSpeed1:vec mSpeed2:v",
                   "open frmShopItem",
                   R"(rows frmShopItem "ダガー|3|1,200" "a|b||")",
                   "rows frmShopItem",
                   "open frmStatus",
                   R"(rows frmStatus "ＨＰ|35")",
                   "front frmStatus",
                   "hide frmStatus",
                   "close frmMessage",
                   "close frmShopItem",
                   "close frmStatus"}));
  EXPECT_EQ(f.desk.ShownFrame(Window::frmShop).size(), 0u);
  EXPECT_TRUE(f.desk.IsOpen(Window::frmShop));
}

TEST(HeadlessWindows, AHiddenWindowIsOffScreenButKeepsItsTimersAndTheProgramAlive) {
  Fixture f;
  f.desk.ShowWindow(Window::frmShop);
  f.desk.SetTimer(Window::frmShop, Timer::Timer1, 1000);
  f.desk.HideWindow(Window::frmShop);
  EXPECT_FALSE(f.desk.IsOpen(Window::frmShop));
  EXPECT_FALSE(f.desk.Focus(Window::frmShop));
  EXPECT_FALSE(f.desk.CheckEnded());
  f.desk.RunFor(1000);
  f.desk.ShowWindow(Window::frmShop);
  EXPECT_TRUE(f.desk.IsOpen(Window::frmShop));
  EXPECT_EQ(f.events.log, (Lines{"1000 frmShop t1"}));
  EXPECT_EQ(f.Lines(), (Lines{"open frmShop", "timer frmShop Timer1 1000", "hide frmShop",
                              "show frmShop"}));
}

TEST(HeadlessTranscript, TheProgramEndsOnRequestOrWhenNoWindowIsLeft) {
  Fixture a;
  a.desk.ShowWindow(Window::frmShop);
  EXPECT_FALSE(a.desk.CheckEnded());
  a.desk.EndProgram();
  EXPECT_TRUE(a.desk.CheckEnded());
  EXPECT_TRUE(a.desk.CheckEnded());  // `exit` is written once
  EXPECT_EQ(a.Lines(), (Lines{"open frmShop", "exit"}));

  Fixture b;
  b.desk.ShowWindow(Window::frmShop);
  b.desk.CloseWindow(Window::frmShop);
  EXPECT_TRUE(b.desk.CheckEnded());
  b.desk.Deliver({HeadlessInput::Kind::MouseDown, Window::frmShop, 1, 0, {}});
  EXPECT_TRUE(b.events.log.empty());  // nothing reaches an ended program
}

TEST(HeadlessWindows, TheForegroundCaptionIsCutAsADesktopReportsIt) {
  Fixture f;
  EXPECT_EQ(f.desk.ForegroundCaption(), "+++ Tolmark2 +++");
  f.desk.SetForegroundCaption(std::string("Term\0inal", 9));
  EXPECT_EQ(f.desk.ForegroundCaption(), "Term");
  std::string wide;
  for (int i = 0; i < 130; ++i) wide += "端";
  f.desk.SetForegroundCaption(wide);
  EXPECT_EQ(f.desk.ForegroundCaption(), wide.substr(0, 128 * 3));
}

TEST(HeadlessMetrics, ScreenUnitsAndTheStandInFontWidth) {
  Fixture f;
  EXPECT_EQ(f.desk.WorkAreaHeight(), 1080 * 15);
  EXPECT_EQ(f.desk.ScreenWidthPixels(), 1920);
  f.desk.SetScreen({1024, 768, 12});
  EXPECT_EQ(f.desk.WorkAreaHeight(), 768 * 12);
  EXPECT_EQ(f.desk.UnitsFromPixelsX(100), 1200);
  // 12 px for each full-width character, 6 px for each ASCII one, times the units per pixel.
  EXPECT_EQ(f.desk.TextWidth("する(Y)"), (2 * 12 + 3 * 6) * 12);
  EXPECT_EQ(HeadlessTextWidthPixels(""), 0);
  // Bytes that are not UTF-8 count byte by byte: a cut sequence, a surrogate, an overlong one.
  EXPECT_EQ(HeadlessTextWidthPixels("\xE3\x81"), 2 * 6);
  EXPECT_EQ(HeadlessTextWidthPixels("\xED\xA0\x80"), 3 * 6);
  EXPECT_EQ(HeadlessTextWidthPixels("\xF5\x80\x80\x80"), 4 * 6);
  EXPECT_EQ(HeadlessTextWidthPixels("\xF0\x9F\x97\xA1"), 12);  // a whole four-byte character
}

}  // namespace
}  // namespace tolmark
