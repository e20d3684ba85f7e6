// A Qt program that wakes every 100 ms and does nothing: what any frame of walk-load costs
// before it draws anything, so the bench can tell the desktop's share from Qt's own.
#include <QApplication>
#include <QTimer>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QTimer tick;
  QObject::connect(&tick, &QTimer::timeout, [] {});
  tick.start(100);
  return app.exec();
}
