// QtDesktop on Qt's off-screen platform: window shapes, balloon placement, ticks and pauses.
#include "qt/qt_desktop.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QMenu>
#include <QMouseEvent>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>
#include <chrono>
#include <thread>

#include "game/scene_list.h"
#include "present/balloon.h"
#include "present/shapes.h"
#include "qt/balloon_window.h"
#include "qt/list_window.h"
#include "qt/scene_window.h"
#include "qt/shape_region.h"

namespace tolmark {
namespace {

struct Recorder final : DesktopEvents {
  int ticks = 0;
  int ticksWhileAsleep = 0;
  bool asleep = false;
  void MouseDown(Window, int) override {}
  void KeyDown(Window, int) override {}
  void TimerTick(Window, Timer) override {
    ++ticks;
    if (asleep) ++ticksWhileAsleep;
  }
  void MenuChosen(std::string_view item) override { chosen.emplace_back(item); }
  void ListMouseDown(Window w, int row, int button) override {
    listClicks.push_back({w, row, button});
  }
  std::vector<std::string> chosen;
  struct ListClick {
    Window window;
    int row;
    int button;
    bool operator==(const ListClick&) const = default;
  };
  std::vector<ListClick> listClicks;
  void DoubleClick(Window) override {}
};

void RunEventLoopFor(int ms) {
  QEventLoop loop;
  QTimer::singleShot(ms, &loop, &QEventLoop::quit);
  loop.exec();
}

template <typename W>
W* OnlyWindowOfKind() {
  W* found = nullptr;
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (auto* match = dynamic_cast<W*>(w); match && match->isVisible()) found = match;
  }
  return found;
}

class QtDesktopTest : public ::testing::Test {
 protected:
  QtDesktopTest() : desk_(std::make_unique<SingleCopyLock>(dir_.filePath("lock"))) {
    desk_.SetSceneWindows(SceneWindowsOf(kSceneList));
    desk_.SetEventSink(&events_);
  }
  ~QtDesktopTest() override { desk_.UnloadAllExcept(Window::frmShop); desk_.CloseWindow(Window::frmShop); }

  QTemporaryDir dir_;
  Recorder events_;
  QtDesktop desk_;
};

TEST_F(QtDesktopTest, SceneTakesExactlyTheShapesOfItsFrameAndLosesThemWhenEmpty) {
  const int p = desk_.TwipsPerPixelX();
  const std::int32_t floor = desk_.WorkAreaHeight();
  const std::int32_t heroX = 100 * p, heroY = floor - PictureHeight(57);
  desk_.BeginScene(Window::frmShop, 1);
  desk_.DrawPicture(Window::frmShop, 57, heroX, heroY);
  desk_.DrawPicture(Window::frmShop, 44, heroX - 15 * p, heroY - 5 * p);
  desk_.DrawPicture(Window::frmShop, 20, -32, heroY);  // a visitor entering past the left edge
  desk_.DrawPicture(Window::frmShop, 9999, heroX, heroY);  // "nobody": draws nothing
  desk_.ShowScene(Window::frmShop);

  auto* scene = OnlyWindowOfKind<SceneWindow>();
  ASSERT_NE(scene, nullptr);
  EXPECT_EQ(scene->geometry(), QRect(0, 0, desk_.ScreenWidthPixels(), floor / p));
  const QRegion expected = RegionOf(PictureShape(57, heroX, heroY, p, p)) +
                           RegionOf(PictureShape(44, heroX - 15 * p, heroY - 5 * p, p, p)) +
                           RegionOf(PictureShape(20, -32, heroY, p, p));
  EXPECT_EQ(scene->windowHandle()->mask(), expected);

  // The next frame replaces the shape rather than adding to it.
  desk_.DrawPicture(Window::frmShop, 57, heroX, heroY);
  desk_.ShowScene(Window::frmShop);
  EXPECT_EQ(scene->windowHandle()->mask(), RegionOf(PictureShape(57, heroX, heroY, p, p)));

  desk_.BeginScene(Window::frmShop, 1);
  desk_.ShowScene(Window::frmShop);
  EXPECT_TRUE(scene->windowHandle()->mask().isEmpty()) << "an empty frame removes the window's shape";
}

TEST_F(QtDesktopTest, BalloonStandsWhereItsGeometryPutsItWithItsShape) {
  for (int side : {0, 1}) {
    const std::string text = "いらっしゃいませ！";
    const std::int32_t x = 3000, y = 6000;
    desk_.ShowTalk(Window::frmMessage, text, x, y, side);
    auto* balloon = OnlyWindowOfKind<BalloonWindow>();
    ASSERT_NE(balloon, nullptr);
    const int p = desk_.TwipsPerPixelX();
    const BalloonGeometry g = ComputeBalloon(desk_.TextWidth(text), side, p, p);
    const UnitPoint at = BalloonTopLeft(g, x, y, side);
    EXPECT_EQ(balloon->geometry(), QRect(at.x / p, at.y / p, g.widthPixels, g.heightPixels))
        << "side " << side;
    EXPECT_EQ(balloon->mask(), RegionOf(g.shape)) << "side " << side;
    EXPECT_GT(desk_.TextWidth(text), 0);
    EXPECT_EQ(desk_.TextWidth(text) % p, 0) << "text widths are whole pixels";
    desk_.CloseWindow(Window::frmMessage);
    EXPECT_FALSE(desk_.IsOpen(Window::frmMessage));
  }
}

TEST_F(QtDesktopTest, MenuShowsTheStatesTheGamePreparedAndReportsTheChoiceByName) {
  Menu menu{"menu",
            {{"mopen", "開店", true, true, false, {}},
             {"mclose", "閉店", false, true, false, {}},
             {"msleep", "寝る", true, false, false, {}},
             {"mSpeed", "速度(S)", true, true, false,
              {{"mSpeed1", "速い", true, true, false, {}},
               {"mSpeed2", "普通", true, true, true, {}}}},
             {"mtest", "A&B", true, true, false, {}}}};
  desk_.PopupMenu(Window::frmMenu, menu);
  auto* popup = OnlyWindowOfKind<QMenu>();
  ASSERT_NE(popup, nullptr);
  const QList<QAction*> actions = popup->actions();
  ASSERT_EQ(actions.size(), 5);
  EXPECT_EQ(actions[0]->text(), QString::fromUtf8("開店"));
  EXPECT_FALSE(actions[1]->isVisible());
  EXPECT_FALSE(actions[2]->isEnabled());
  EXPECT_EQ(actions[4]->text(), "A&&B") << "an ampersand is shown, not taken as a shortcut";
  QMenu* speed = actions[3]->menu();
  ASSERT_NE(speed, nullptr);
  EXPECT_FALSE(speed->actions()[0]->isChecked());
  EXPECT_TRUE(speed->actions()[1]->isChecked());

  speed->actions()[0]->trigger();
  actions[0]->trigger();
  EXPECT_EQ(events_.chosen, (std::vector<std::string>{"mSpeed1", "mopen"}));
  popup->hide();
}

TEST_F(QtDesktopTest, ListWindowStandsAtItsPlaceWithItsColumnsAndReportsRowClicks) {
  const ListContent content{{{"名前", 2000}, {"個数", 1000}, {"売値", 1000}},
                            {{"木刀", "3", "10"}, {"ブーメラン", "3", "20"}, {"こん棒", "3", "30"}},
                            2};
  desk_.ShowList(Window::frmShopItem, Placement{1905, 4500, 4350, 1335}, content);
  auto* list = OnlyWindowOfKind<ListWindow>();
  ASSERT_NE(list, nullptr);
  // The size is the list's own area inside the frame; the frame's left edge stands at the
  // place's, and the whole frame ends where the place ends.
  EXPECT_EQ(list->frameGeometry().left(), 127);
  EXPECT_EQ(list->frameGeometry().bottom() + 1, 300 + 89);
  EXPECT_EQ(list->size(), QSize(290, 89));
  EXPECT_EQ(list->windowTitle(), "+++ Tolmark2 +++");
  EXPECT_EQ(list->headerItem()->text(1), QString::fromUtf8("個数"));
  EXPECT_EQ(list->header()->sectionSize(0), 2000 / 15);
  EXPECT_EQ(list->indexOfTopLevelItem(list->currentItem()), 1);

  auto press = [&](QPoint at, Qt::MouseButton button) {
    QMouseEvent event(QEvent::MouseButtonPress, at, list->viewport()->mapToGlobal(at), button,
                      button, Qt::NoModifier);
    QCoreApplication::sendEvent(list->viewport(), &event);
  };
  press(list->visualItemRect(list->topLevelItem(2)).center(), Qt::RightButton);
  press(QPoint(5, list->viewport()->height() - 2), Qt::LeftButton);  // below the last row
  using Click = Recorder::ListClick;
  EXPECT_EQ(events_.listClicks, (std::vector<Click>{{Window::frmShopItem, 3, 2},
                                                    {Window::frmShopItem, 0, 1}}));
}

TEST_F(QtDesktopTest, TicksWaitOutAPauseAndComeOnceItEnds) {
  desk_.SetTimer(Window::frmShop, Timer::Timer1, 5);
  EXPECT_EQ(desk_.TimerPeriod(Window::frmShop, Timer::Timer1), 5);
  events_.asleep = true;
  desk_.Sleep(60);
  events_.asleep = false;
  EXPECT_EQ(events_.ticksWhileAsleep, 0);
  RunEventLoopFor(40);
  EXPECT_GT(events_.ticks, 0) << "ticks resume after the pause";
}

TEST_F(QtDesktopTest, PumpDeliversDueTicksAndClosingTheSceneStopsThem) {
  desk_.SetTimer(Window::frmShop, Timer::Timer2, 1);
  std::this_thread::sleep_for(std::chrono::milliseconds(20));
  desk_.Pump();
  EXPECT_GT(events_.ticks, 0);

  desk_.BeginScene(Window::frmShop, 1);
  desk_.CloseWindow(Window::frmShop);
  EXPECT_EQ(desk_.TimerPeriod(Window::frmShop, Timer::Timer2), 0);
  const int before = events_.ticks;
  RunEventLoopFor(30);
  EXPECT_EQ(events_.ticks, before);
}

}  // namespace
}  // namespace tolmark
