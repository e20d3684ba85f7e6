// One running copy per user: a lock file in the user's runtime folder.
#pragma once

#include <QLockFile>
#include <QString>
#include <memory>

namespace tolmark {

class SingleCopyLock {
 public:
  // The lock of this user's game in the runtime folder (a private temporary folder without one).
  SingleCopyLock();
  explicit SingleCopyLock(const QString& path);

  // True when another live copy holds the lock. The first call takes the lock when it is free
  // or left behind by a copy that died; the lock is then held until this object goes.
  bool AnotherCopyRunning();

  static QString DefaultPath();

 private:
  std::unique_ptr<QLockFile> lock_;
  bool decided_ = false;
  bool another_ = false;
};

}  // namespace tolmark
