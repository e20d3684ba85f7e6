#include "qt/data_folder.h"

#include <QDir>
#include <QTemporaryFile>

namespace tolmark {

QString UseDataFolder(const QString& folder) {
  const QString shown = QDir::toNativeSeparators(QDir(folder).absolutePath());
  if (!QDir().mkpath(folder)) {
    return QStringLiteral("The folder for the game's files cannot be created:\n%1").arg(shown);
  }
  // Tried, not judged from permission bits: a read-only disk refuses root as well.
  QTemporaryFile probe(QDir(folder).filePath(QStringLiteral(".tolmark2-write-test")));
  if (!probe.open()) {
    return QStringLiteral("The game cannot write its files into the folder:\n%1").arg(shown);
  }
  probe.close();
  if (!QDir::setCurrent(folder)) {
    return QStringLiteral("The folder for the game's files cannot be opened:\n%1").arg(shown);
  }
  return {};
}

}  // namespace tolmark
