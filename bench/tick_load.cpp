// A Qt program that wakes every 100 ms and does nothing: what any frame of walk-load costs
// before it draws anything, so the bench can tell the desktop's share from Qt's own.
//   tick-load [PERIOD_MS]   another period than 100 ms
#include <QApplication>
#include <QTimer>
#include <cstdlib>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QTimer tick;
  QObject::connect(&tick, &QTimer::timeout, [] {});
  tick.start(argc > 1 ? std::atoi(argv[1]) : 100);
  return app.exec();
}
