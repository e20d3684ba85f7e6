// The small rules that put the game's windows on a real desktop: whole scale factors, the floor
// from the work area, the mapping that keeps the game's coordinates when the floor moves, the
// windows following the floor from their places, and the folder the game keeps its files in.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QWidget>
#include <ostream>

#include "qt/data_folder.h"
#include "qt/desktop_floor.h"
#include "qt/floor_mapping.h"
#include "qt/frame_placement.h"
#include "qt/panel_struts.h"
#include "qt/whole_scale_factor.h"

// Rectangles in failure messages as x, y, width and height.
void PrintTo(const QRect& r, std::ostream* os) {
  *os << r.x() << ", " << r.y() << ", " << r.width() << " x " << r.height();
}

namespace tolmark {
namespace {

TEST(WholeScaleFactor, RoundsToTheNearestWholeFactorOfAtLeastOne) {
  struct Case {
    double given;
    int whole;
  };
  for (const Case& c : {Case{1, 1}, Case{1.25, 1}, Case{1.49, 1}, Case{1.5, 2}, Case{1.75, 2},
                        Case{2, 2}, Case{2.5, 3}, Case{3, 3}, Case{0.5, 1}, Case{0, 1},
                        Case{-2, 1}, Case{1e300, 64}}) {
    EXPECT_EQ(WholeScaleFactor(c.given), c.whole) << c.given;
  }
  EXPECT_EQ(WholeScaleFactor(std::numeric_limits<double>::quiet_NaN()), 1);
}

TEST(WholeScaleFactor, ListsOfScreenFactorsKeepTheirNamesAndUnreadableEntries) {
  struct Case {
    const char* given;
    const char* whole;
  };
  for (const Case& c : {Case{"1.5", "2"}, Case{"1.25;2", "1;2"},
                        Case{"HDMI-1=1.5;DP-1=1", "HDMI-1=2;DP-1=1"}, Case{" 2.6 ", "3"},
                        Case{"big", "big"}, Case{"", ""}}) {
    EXPECT_EQ(WholeScaleFactors(c.given), QByteArray(c.whole)) << c.given;
  }
}

TEST(DesktopFloor, IsTheBottomOfTheWorkAreaOnTheScreenAndItsTopTheCeiling) {
  struct Case {
    const char* what;
    QRect screen, area;
    int ceiling, floor;
  };
  const QRect screen(0, 0, 800, 600);
  const Case cases[] = {
      {"panel at the bottom", screen, QRect(0, 0, 800, 570), 0, 570},
      {"panel at the top", screen, QRect(0, 30, 800, 570), 30, 600},
      {"panels at both edges", screen, QRect(0, 24, 800, 546), 24, 570},
      {"no work area known", screen, QRect(), 0, 600},
      {"work area below the screen", screen, QRect(0, 0, 800, 900), 0, 600},
      {"work area above the screen", screen, QRect(0, -40, 800, 640), 0, 600},
      {"second monitor to the right", QRect(800, 0, 1024, 768), QRect(800, 0, 1024, 740), 0, 740},
      {"second monitor below", QRect(0, 600, 800, 600), QRect(0, 630, 800, 530), 30, 560},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FloorOf(c.screen, c.area), c.floor) << c.what;
    const DesktopBand band = BandOf(c.screen, c.area);
    EXPECT_EQ(band.ceiling, c.ceiling) << c.what;
    EXPECT_EQ(band.floor, c.floor) << c.what;
  }
}

TEST(FloorMapping, KeepsTheGamesFloorAndShiftsItsWindowsByEachMove) {
  FloorMapping floor(570);
  EXPECT_EQ(floor.Shift(), 0);
  EXPECT_EQ(floor.Follow(600), 30);  // the panel moved to the top
  EXPECT_EQ(floor.Follow(600), 0);   // told again: nothing moves
  EXPECT_EQ(floor.Follow(500), -100);
  EXPECT_EQ(floor.GameFloor(), 570);
  EXPECT_EQ(floor.Shift(), -70);
  EXPECT_EQ(floor.Follow(570), 70);
  EXPECT_EQ(floor.Shift(), 0);
}

// As a panel comes, goes or moves, a window manager may move the game's frameless windows
// itself (KWin keeps a window that touched the work area's top edge on it, and fits one as large
// as the work area to the new one) before the game hears of the new floor.
TEST(WindowPlacement, FramelessWindowsFollowTheFloorFromTheirPlacesWhereverTheManagerMovedThem) {
  struct Case {
    const char* what;
    QRect place;      // where the game put the window
    QRect byManager;  // where the window manager put it meanwhile; empty: nowhere else
    int shift;        // how far the floor moved
  };
  const QRect belowTopPanel(0, 30, 800, 570), aboveBottomPanel(0, 0, 800, 570);
  const Case cases[] = {
      {"left alone, the floor moved up", belowTopPanel, QRect(), -30},
      {"kept on the top edge as the top panel went, the floor stayed", belowTopPanel,
       QRect(0, 0, 800, 570), 0},
      {"pushed inside the work area as the panel came at the bottom, the floor moved up",
       belowTopPanel, QRect(0, 1, 800, 570), -30},
      {"fitted to the whole screen as the bottom panel went, the floor moved down",
       aboveBottomPanel, QRect(0, 0, 800, 600), 30},
  };
  for (const Case& c : cases) {
    QWidget window(nullptr, Qt::FramelessWindowHint);
    PlaceWindow(window, c.place);
    window.show();
    if (!c.byManager.isEmpty()) window.setGeometry(c.byManager);
    MoveWithFloor(window, c.shift);
    EXPECT_EQ(window.geometry(), c.place.translated(0, c.shift)) << c.what;
  }
}

TEST(WindowPlacement, EachMoveOfTheFloorCountsFromTheGamesLastPlace) {
  QWidget balloon(nullptr, Qt::FramelessWindowHint);
  const QRect place(120, 400, 90, 40);
  PlaceWindow(balloon, place);
  balloon.show();
  MoveWithFloor(balloon, 30);   // the panel went to the top
  balloon.move(120, 380);       // the window manager's own idea
  MoveWithFloor(balloon, -30);  // and back to the bottom
  EXPECT_EQ(balloon.geometry(), place);
  PlaceWindow(balloon, place.translated(50, 0));  // the game places it anew: that place counts
  balloon.move(0, 0);
  MoveWithFloor(balloon, 10);
  EXPECT_EQ(balloon.geometry(), place.translated(50, 10));
}

class DataFolderTest : public ::testing::Test {
 protected:
  ~DataFolderTest() override { QDir::setCurrent(before_); }
  QTemporaryDir dir_;
  QString before_ = QDir::currentPath();
};

TEST_F(DataFolderTest, AMissingFolderIsCreatedAndBecomesTheCurrentOne) {
  const QString folder = dir_.filePath("share/tolmark2");
  EXPECT_EQ(UseDataFolder(folder), QString());
  EXPECT_EQ(QDir::currentPath(), QDir(folder).canonicalPath());
  EXPECT_TRUE(QDir(folder).entryList(QDir::Files | QDir::Hidden).isEmpty())
      << "the write test leaves nothing behind";
}

TEST_F(DataFolderTest, AFolderThatCannotBeMadeIsReportedAndTheCurrentFolderStays) {
  QFile file(dir_.filePath("a-file"));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.close();
  for (const QString& folder : {dir_.filePath("a-file/tolmark2"), QStringLiteral("/proc/tolmark2")}) {
    const QString problem = UseDataFolder(folder);
    EXPECT_TRUE(problem.contains(QDir(folder).absolutePath())) << problem.toStdString();
    EXPECT_EQ(QDir::currentPath(), before_);
  }
}

}  // namespace
}  // namespace tolmark
