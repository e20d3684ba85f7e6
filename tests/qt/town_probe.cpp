// The real game on the real desktop, put at the gate of the town or of the castle for the
// desktop tests to play it with the mouse:
//   town-probe town     a merchant with 100,000 カリム in chapter 2 comes through the gate of
//                       アーウット: he walks in, the dealer greets him, the market's lists open
//   town-probe castle   a merchant in chapter 4 with the king's last order in his bag (five
//                       睡魔の杖) and the red dragon beaten on the way comes through the gate of
//                       モノリス城: the delivery leads into the king's story and the ending
// The game starts as it always does (a new game in the current folder, where the ending saves
// it and writes its clear report), the state of the trip is written field by field, and the
// road's last step and its gate are taken with the field's own rules. The town's day is drawn from queued
// values (choice 1, one price drawn twice), the same market as the headless scenarios'.
//
// The game drives the real desktop through a recorder that passes every call on unchanged and
// tells on standard output what the tests wait for:
//   ready                           the gate has been passed
//   talk L T R B TEXT               a balloon said TEXT; L T R B is its white body in pixels
//   ask L T R B TEXT                an answer balloon (frmYes or frmNo)
//   list NAME SEL NAME:COUNT,...    a list window filled: its selected row and its rows
//   rows NAME X Y1 Y2 ...           where the rows of a list window stand on screen now: the
//                                   pixel column of the first column's middle and each
//                                   visible row's middle, from the first row down
//   state KEY=VALUE ...             the game's state whenever what the tests look at changes
//   closed NAME                     a scene or list window closed
//   pause MS / resumed              a pause of the game begins and ends
//   ended                           the program ended by itself
#include <QApplication>
#include <QHeaderView>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "field/field_layout.h"
#include "field/gate_rules.h"
#include "game/game.h"
#include "model/language.h"
#include "model/state_fields.h"
#include "present/balloon.h"
#include "qt/qt_desktop.h"
#include "qt/whole_scale_factor.h"
#include "scene/startup.h"

namespace {

using tolmark::Window;

void Say(const std::string& line) {
  std::printf("%s\n", line.c_str());
  std::fflush(stdout);
}

int FloorDiv(int a, int b) { return a / b - (a % b != 0 && (a < 0) != (b < 0)); }

// Passes everything on to the real desktop and tells what the game shows.
class Recorder final : public tolmark::Desktop {
 public:
  explicit Recorder(tolmark::QtDesktop& desk) : d_(desk) {}

  void SetEventSink(tolmark::DesktopEvents* sink) override { d_.SetEventSink(sink); }
  void SetSceneWindows(const tolmark::SceneWindows& windows) override {
    scenes_ = windows;
    d_.SetSceneWindows(windows);
  }
  int TwipsPerPixelX() const override { return d_.TwipsPerPixelX(); }
  int TwipsPerPixelY() const override { return d_.TwipsPerPixelY(); }
  int ScreenWidthPixels() const override { return d_.ScreenWidthPixels(); }
  std::int32_t WorkAreaHeight() const override { return d_.WorkAreaHeight(); }
  void BeginScene(Window scene, int mode) override { d_.BeginScene(scene, mode); }
  void DrawPicture(Window scene, int picture, std::int32_t x, std::int32_t y) override {
    d_.DrawPicture(scene, picture, x, y);
  }
  void ShowScene(Window scene) override { d_.ShowScene(scene); }

  void ShowTalk(Window balloon, std::string_view text, std::int32_t x, std::int32_t y,
                int side) override {
    d_.ShowTalk(balloon, text, x, y, side);
    // The same arithmetic the desktop places the balloon by; the game's origin is the
    // screen's corner while the work area keeps its floor.
    const int tx = d_.TwipsPerPixelX(), ty = d_.TwipsPerPixelY();
    const tolmark::BalloonGeometry g = tolmark::ComputeBalloon(d_.TextWidth(text), side, tx, ty);
    const tolmark::UnitPoint at = tolmark::BalloonTopLeft(g, x, y, side);
    const int left = FloorDiv(at.x, tx), top = FloorDiv(at.y, ty);
    Say(std::string(balloon == Window::frmMessage ? "talk " : "ask ") +
        std::to_string(left + g.body.left) + " " + std::to_string(top + g.body.top) + " " +
        std::to_string(left + g.body.right) + " " + std::to_string(top + g.body.bottom) + " " +
        std::string(text));
  }

  std::int32_t TextWidth(std::string_view text) const override { return d_.TextWidth(text); }
  bool IsOpen(Window window) const override { return d_.IsOpen(window); }
  void ShowWindow(Window window) override { d_.ShowWindow(window); }
  void HideWindow(Window window) override { d_.HideWindow(window); }
  void CloseWindow(Window window) override {
    const bool told = d_.IsOpen(window) &&
                      (scenes_.IsScene(window) || window == Window::frmASell ||
                       window == Window::frmABuy);
    d_.CloseWindow(window);
    if (told) Say("closed " + std::string(tolmark::WindowName(window)));
  }
  bool Focus(Window window) override { return d_.Focus(window); }
  void BringToFront(Window window) override { d_.BringToFront(window); }
  std::string ForegroundCaption() override { return d_.ForegroundCaption(); }
  void PopupMenu(Window menuWindow, const tolmark::Menu& menu) override {
    d_.PopupMenu(menuWindow, menu);
  }

  void ShowList(Window window, const tolmark::Placement& place,
                const tolmark::ListContent& content) override {
    d_.ShowList(window, place, content);
    std::string rows;
    for (const auto& row : content.rows) {
      rows += (rows.empty() ? "" : ",") + row.at(0) + ":" + row.at(1);
    }
    Say("list " + std::string(tolmark::WindowName(window)) + " " +
        std::to_string(content.selectedRow) + " " + (rows.empty() ? "-" : rows));
  }

  void ShowLabels(Window window, const tolmark::Placement& place,
                  const tolmark::LabelContent& content) override {
    d_.ShowLabels(window, place, content);
  }
  void MessageBox(std::string_view text, bool errorIcon) override {
    Say("message " + std::string(text));
    d_.MessageBox(text, errorIcon);
  }
  void SetTimer(Window scene, tolmark::Timer timer, int periodMs) override {
    d_.SetTimer(scene, timer, periodMs);
  }
  int TimerPeriod(Window scene, tolmark::Timer timer) const override {
    return d_.TimerPeriod(scene, timer);
  }
  void Pump() override { d_.Pump(); }
  void Sleep(int ms) override {
    Say("pause " + std::to_string(ms));
    d_.Sleep(ms);
    Say("resumed");
  }
  bool AnotherCopyRunning() override { return d_.AnotherCopyRunning(); }
  void EndProgram() override { d_.EndProgram(); }

 private:
  tolmark::QtDesktop& d_;
  tolmark::SceneWindows scenes_;
};

void Set(tolmark::GameState& s, std::string_view path, std::string_view value) {
  std::string error;
  if (!tolmark::WriteField(s, path, value, &error)) {
    std::fprintf(stderr, "town-probe: %s\n", error.c_str());
    std::exit(2);
  }
}

// What the tests look at in the game's state, in one line.
std::string StateLine(const tolmark::GameState& s) {
  std::string market, bought;
  for (const auto& row : s.MarketGoods) market += (market.empty() ? "" : ",") + std::to_string(row.Count);
  for (int i = 0; i < s.TownPurchaseCount && i < static_cast<int>(s.TownPurchases.size()); ++i) {
    const auto& row = s.TownPurchases[static_cast<std::size_t>(i)];
    bought += (bought.empty() ? "" : ",") + row.Name + ":" + std::to_string(row.Count);
  }
  return "state scene=" + s.SceneName + " phase=" + std::to_string(s.ScenePhase) +
         " action=" + std::to_string(s.PendingAction) + " gold=" + std::to_string(s.Gold) +
         " purchases=" + std::to_string(s.TownPurchaseCount) + " market=" + market +
         " bought=" + (bought.empty() ? "-" : bought) +
         " cleared=" + std::to_string(s.GameCleared);
}

// Where the rows of the market's list windows stand, told by their column titles.
std::string RowsLine(QTreeWidget& list) {
  const QString title = list.headerItem()->text(0);
  const char* name = title == QStringLiteral("売物名称")     ? "frmASell"
                     : title == QStringLiteral("買物リスト") ? "frmABuy"
                                                             : nullptr;
  if (name == nullptr || !list.isVisible()) return {};
  QWidget* view = list.viewport();
  const int x = view->mapToGlobal(QPoint(list.columnWidth(0) / 2, 0)).x();
  std::string line = std::string("rows ") + name + " " + std::to_string(x);
  for (int i = 0; i < list.topLevelItemCount(); ++i) {
    const QRect r = list.visualItemRect(list.topLevelItem(i));
    if (r.top() < 0 || r.bottom() >= view->height()) break;
    line += " " + std::to_string(view->mapToGlobal(r.center()).y());
  }
  return line;
}

}  // namespace

int main(int argc, char** argv) {
  tolmark::UseWholeScaleFactors();
  QApplication app(argc, argv);
  app.setQuitOnLastWindowClosed(false);  // the game decides when it ends
  tolmark::UseLanguage(tolmark::LanguageOfEnvironment());  // as the game does without --lang
  const std::string place = argc == 2 ? argv[1] : "";
  if (place != "town" && place != "castle") {
    std::fprintf(stderr, "usage: town-probe town|castle\n");
    return 2;
  }
  QTemporaryDir lockFolder;
  tolmark::QtDesktop desk(std::make_unique<tolmark::SingleCopyLock>(lockFolder.filePath("lock")));
  Recorder recorder(desk);
  tolmark::ScriptedRandom random(1);
  tolmark::Game game(recorder, random);
  game.Start();

  tolmark::GameState& s = game.State();
  if (place == "town") {
    Set(s, "Chapter", "2");
    Set(s, "Destination", "2");
    Set(s, "Gold", "100000");
    // The day's market: choice 1, the first price below half its base and drawn again.
    for (double value : {0.9, 0.1}) random.Queue(value);
    for (int i = 0; i < 10; ++i) random.Queue(0.75);
  } else {
    Set(s, "Chapter", "4");
    Set(s, "Destination", "3");
    Set(s, "DemonsDefeated", "-1");
    for (const char* row : {"RoyalOrder[1].Wanted", "RoyalOrder[2].Wanted", "RoyalOrder[3].Wanted"}) {
      Set(s, row, "0");
    }
    Set(s, "RoyalOrder[0].Wanted", "5");
    Set(s, "Bag[0].WeaponId", "23");
    Set(s, "Bag[0].Count", "5");
    Set(s, "BagCount", "1");
    Set(s, "BagPieces", "5");
    Set(s, "BossBeatenThisTrip", "-1");
  }
  // The road laid out on this screen as the field lays it out, the merchant at its last step
  // before the gate, and through the gate by the gate's own rule: it keeps where he stood for
  // the way home. The shop's window goes as it goes when he sets out, and the entered scene
  // starts up as the gate starts it.
  const tolmark::ScreenMetrics metrics = tolmark::ScreenMetrics::Of(recorder);
  tolmark::field::EnterOutward(s, metrics);
  Set(s, "FieldSteps", std::to_string(tolmark::field::kStageSteps));
  Set(s, "HeroX", std::to_string(s.FieldStartX + tolmark::field::kStageSteps * s.FieldStepX));
  tolmark::field::GoThroughTheGate(s);
  tolmark::Scenes& c = game.Context();
  recorder.CloseWindow(Window::frmMessage);
  tolmark::CloseSceneWindow(c, Window::frmShop);
  tolmark::StartEnteredScene(c);
  Say("ready");

  std::string lastState, lastRows[2];
  QTimer watch;
  QObject::connect(&watch, &QTimer::timeout, [&] {
    const std::string state = StateLine(s);
    if (state != lastState) Say(lastState = state);
    for (QWidget* w : QApplication::topLevelWidgets()) {
      auto* list = dynamic_cast<QTreeWidget*>(w);
      if (list == nullptr) continue;
      const std::string rows = RowsLine(*list);
      if (rows.empty()) continue;
      std::string& last = lastRows[rows.rfind("rows frmASell", 0) == 0 ? 0 : 1];
      if (rows != last) Say(last = rows);
    }
  });
  watch.start(50);
  const int status = app.exec();
  Say("ended");
  return status;
}
