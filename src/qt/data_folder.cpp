#include "qt/data_folder.h"

#include <QDir>
#include <QTemporaryFile>

#include "qt/game_text.h"

namespace tolmark {

QString UseDataFolder(const QString& folder) {
  const QString shown = QDir::toNativeSeparators(QDir(folder).absolutePath());
  if (!QDir().mkpath(folder)) {
    return TranslatedText("ゲームのファイルを置くフォルダーを作れません：\n%1").arg(shown);
  }
  // Tried, not judged from permission bits: a read-only disk refuses root as well.
  QTemporaryFile probe(QDir(folder).filePath(QStringLiteral(".tolmark2-write-test")));
  if (!probe.open()) {
    return TranslatedText("このフォルダーにはゲームのファイルを書き込めません：\n%1").arg(shown);
  }
  probe.close();
  if (!QDir::setCurrent(folder)) {
    return TranslatedText("ゲームのファイルを置くフォルダーを開けません：\n%1").arg(shown);
  }
  return {};
}

}  // namespace tolmark
