// Another copy is refused only while it really runs, however long it has been running.
#include "qt/single_copy_lock.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QDateTime>

namespace tolmark {
namespace {

class SingleCopyLockTest : public ::testing::Test {
 protected:
  QTemporaryDir dir_;
  QString path_ = dir_.filePath("tolmark2.lock");
};

TEST_F(SingleCopyLockTest, FirstCopyRunsAndAnotherIsRefusedWhileItLives) {
  SingleCopyLock first(path_);
  EXPECT_FALSE(first.AnotherCopyRunning());
  EXPECT_FALSE(first.AnotherCopyRunning()) << "asking again must not change the answer";

  // A separate process, like a second start of the game.
  const pid_t child = fork();
  if (child == 0) {
    SingleCopyLock second(path_);
    _exit(second.AnotherCopyRunning() ? 1 : 0);
  }
  int status = 0;
  waitpid(child, &status, 0);
  EXPECT_EQ(WEXITSTATUS(status), 1);
}

TEST_F(SingleCopyLockTest, CopyRunningForHoursIsStillRefused) {
  SingleCopyLock first(path_);
  ASSERT_FALSE(first.AnotherCopyRunning());
  QFile file(path_);
  ASSERT_TRUE(file.open(QIODevice::ReadWrite));
  ASSERT_TRUE(file.setFileTime(QDateTime::currentDateTime().addSecs(-3 * 3600),
                               QFileDevice::FileModificationTime));
  file.close();
  SingleCopyLock second(path_);
  EXPECT_TRUE(second.AnotherCopyRunning());
}

TEST_F(SingleCopyLockTest, LockLeftByACrashedCopyIsTakenOver) {
  const pid_t child = fork();
  if (child == 0) {
    SingleCopyLock crashed(path_);
    const bool another = crashed.AnotherCopyRunning();
    _exit(another ? 1 : 0);  // ends without releasing, as a crash would
  }
  int status = 0;
  waitpid(child, &status, 0);
  ASSERT_EQ(WEXITSTATUS(status), 0);
  ASSERT_TRUE(QFile::exists(path_)) << "the crashed copy should have left its lock behind";
  SingleCopyLock next(path_);
  EXPECT_FALSE(next.AnotherCopyRunning());
}

}  // namespace
}  // namespace tolmark
