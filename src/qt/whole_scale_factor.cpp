#include "qt/whole_scale_factor.h"

#include <QGuiApplication>
#include <QList>
#include <cmath>

namespace tolmark {

int WholeScaleFactor(double factor) {
  if (!std::isfinite(factor) || factor < 1.5) return 1;
  if (factor > 64) return 64;  // far beyond any screen; keeps the conversion defined
  return static_cast<int>(std::floor(factor + 0.5));
}

QByteArray WholeScaleFactors(const QByteArray& factors) {
  QList<QByteArray> entries = factors.split(';');
  for (QByteArray& entry : entries) {
    const qsizetype equals = entry.indexOf('=');
    const QByteArray name = equals < 0 ? QByteArray() : entry.left(equals + 1);
    bool number = false;
    const double factor = entry.mid(equals + 1).trimmed().toDouble(&number);
    if (number) entry = name + QByteArray::number(WholeScaleFactor(factor));
  }
  return entries.join(';');
}

void UseScaleFactor(int factor) {
  // The screens' own factors step aside; the one factor left is the player's.
  qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
  qunsetenv("QT_SCREEN_SCALE_FACTORS");
  qunsetenv("QT_USE_PHYSICAL_DPI");
  qputenv("QT_SCALE_FACTOR", QByteArray::number(WholeScaleFactor(factor)));
}

void UseWholeScaleFactors() {
  for (const char* variable : {"QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS"}) {
    if (qEnvironmentVariableIsSet(variable)) {
      qputenv(variable, WholeScaleFactors(qgetenv(variable)));
    }
  }
  // The screen's own factor (its dots per inch) is rounded by Qt itself; the variable that
  // would choose another rounding is overruled for the game.
  qunsetenv("QT_SCALE_FACTOR_ROUNDING_POLICY");
  QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::Round);
}

}  // namespace tolmark
