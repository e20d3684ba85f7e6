// The merchant walking a whole stage of the road to アーウット at the normal speed, on the real
// desktop, with nothing else on the road: the landmark and the hero, a frame every tick, until
// the step that would bring him to the town's gate.
//
// The real game plays it: a new game in chapter 2 takes the アーウット trip from the merchant's
// menu, and the road's encounter roll always lands on open road. It prints
//   walking            as the road's first tick comes
//   arrived TICKS      after the last tick before the gate, then waits to be ended
// so bench/desktop-load can read the CPU time used between the two lines.
//   road-walk [TICK_MS]   another tick period than the normal speed's, for a quick try
#include <QApplication>
#include <QTemporaryDir>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

#include "game/game.h"
#include "model/random.h"
#include "qt/qt_desktop.h"

namespace {

using tolmark::Window;

// Every roll of the road comes out past the last row of the encounter table.
class OpenRoad final : public tolmark::Random {
 public:
  double Rnd() override { return 0.999; }
  void Reseed() override {}
};

void Say(const std::string& line) {
  std::printf("%s\n", line.c_str());
  std::fflush(stdout);
}

// Hands every event to the game and counts the road's ticks; stops before the gate.
class StageWalk final : public tolmark::DesktopEvents {
 public:
  explicit StageWalk(tolmark::Game& game) : game_(game) {}

  void TimerTick(Window scene, tolmark::Timer timer) override {
    if (scene != Window::frmField || timer != tolmark::Timer::Timer1) {
      game_.TimerTick(scene, timer);
      return;
    }
    const tolmark::GameState& s = game_.State();
    // The moving half of the walk's four phases; the 300th move reaches the gate.
    const bool nextTickMoves = s.HeroFrame == 1 || s.HeroFrame == 3;
    if (s.FieldSteps >= 299 && nextTickMoves) {
      Say("arrived " + std::to_string(ticks_));
      pause();  // measured; the bench ends the program
      return;
    }
    if (ticks_++ == 0) Say("walking");
    game_.TimerTick(scene, timer);
  }
  void MouseDown(Window w, int button) override { game_.MouseDown(w, button); }
  void KeyDown(Window w, int key) override { game_.KeyDown(w, key); }
  void MenuChosen(std::string_view item) override { game_.MenuChosen(item); }
  void ListMouseDown(Window w, int row, int button) override {
    game_.ListMouseDown(w, row, button);
  }
  void DoubleClick(Window w) override { game_.DoubleClick(w); }

 private:
  tolmark::Game& game_;
  int ticks_ = 0;
};

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  app.setQuitOnLastWindowClosed(false);
  QTemporaryDir play;  // a new game's files stay out of the caller's folder
  if (!play.isValid() || chdir(play.path().toLocal8Bit().constData()) != 0) return 1;
  OpenRoad random;
  tolmark::QtDesktop desk(std::make_unique<tolmark::SingleCopyLock>(play.filePath("lock")));
  tolmark::Game game(desk, random);
  StageWalk walk(game);
  desk.SetEventSink(&walk);
  game.Start();
  game.State().Chapter = 2;  // the town trip on foot, no carriage offer on the way
  if (argc > 1) game.State().TickInterval = static_cast<std::int16_t>(std::atoi(argv[1]));
  game.MenuChosen("mstage2");
  return app.exec();
}
