// The lock records the holder's process id; a lock whose process is gone counts as stale and is
// taken over, so a crashed copy never keeps the game from starting.
#include "qt/single_copy_lock.h"

#include <QDir>
#include <QStandardPaths>
#include <unistd.h>

namespace tolmark {

SingleCopyLock::SingleCopyLock() : SingleCopyLock(DefaultPath()) {}

SingleCopyLock::SingleCopyLock(const QString& path) : lock_(std::make_unique<QLockFile>(path)) {
  // Age alone must never make a lock stale: a game runs for hours while its lock file stays as
  // old as its start. Only a holder that is no longer running releases it.
  lock_->setStaleLockTime(0);
}

QString SingleCopyLock::DefaultPath() {
  QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  if (folder.isEmpty()) {
    folder = QDir::tempPath() + QStringLiteral("/tolmark2-") + QString::number(getuid());
    QDir().mkpath(folder);
  }
  return folder + QStringLiteral("/tolmark2.lock");
}

bool SingleCopyLock::AnotherCopyRunning() {
  if (decided_) return another_;
  decided_ = true;
  if (lock_->tryLock(0)) return another_ = false;
  if (lock_->error() == QLockFile::LockFailedError) {
    // Held: tryLock already removed a lock whose process died, so this holder is alive.
    return another_ = true;
  }
  // The folder cannot hold a lock (permissions, full disk): letting the game run is kinder
  // than refusing every start.
  return another_ = false;
}

}  // namespace tolmark
