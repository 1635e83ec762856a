// The single-instance lock between copies of the game: held, released, and left behind by a
// copy that died.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>
#include <QFileInfo>
#include <QTemporaryDir>
#include <chrono>
#include <filesystem>
#include <string>

#include "InstanceLock.h"

namespace {

// Another copy of the game in a child process: it takes the lock, reports through `ready`,
// waits until the parent closes `release` and then dies without unlocking, as a crashed copy
// would. Each side closes the other's ends of the pipes.
pid_t StartCopyThatDies(const QString& path, int ready[2], int release[2]) {
  const pid_t pid = fork();
  if (pid != 0) {
    close(ready[1]);
    close(release[0]);
    return pid;
  }
  close(ready[0]);
  close(release[1]);
  InstanceLock lock(path);
  const char result = lock.TryLock() ? 'y' : 'n';
  if (write(ready[1], &result, 1) != 1 || result != 'y') _exit(2);
  char unused = 0;
  while (read(release[0], &unused, 1) > 0) {
  }
  _exit(0);
}

TEST(InstanceLockTest, OneCopyAtATimeWithinTheProcess) {
  QTemporaryDir dir;
  const QString path = dir.filePath("Pavlemir.lock");
  InstanceLock first(path);
  InstanceLock second(path);
  ASSERT_TRUE(first.TryLock());
  EXPECT_TRUE(QFileInfo::exists(path));
  EXPECT_FALSE(second.TryLock());
  first.Unlock();
  EXPECT_FALSE(QFileInfo::exists(path));
  EXPECT_TRUE(second.TryLock());
  EXPECT_FALSE(first.TryLock());
}

TEST(InstanceLockTest, RunningOwnerRefusesAndDeadOwnerIsTakenOver) {
  QTemporaryDir dir;
  const QString path = dir.filePath("Pavlemir.lock");
  int ready[2];
  int release[2];
  ASSERT_EQ(pipe(ready), 0);
  ASSERT_EQ(pipe(release), 0);
  const pid_t child = StartCopyThatDies(path, ready, release);
  ASSERT_GT(child, 0);
  char childLocked = 0;
  ASSERT_EQ(read(ready[0], &childLocked, 1), 1);
  ASSERT_EQ(childLocked, 'y');

  InstanceLock lock(path);
  EXPECT_FALSE(lock.TryLock());
  // However long the first copy has been running.
  const std::string file = path.toStdString();
  std::filesystem::last_write_time(file,
                                   std::filesystem::last_write_time(file) - std::chrono::hours(2));
  EXPECT_FALSE(lock.TryLock());

  close(release[1]);
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  close(ready[0]);
  // The dead copy's file is still there; the next start takes it over.
  ASSERT_TRUE(QFileInfo::exists(path));
  EXPECT_TRUE(lock.TryLock());
}

}  // namespace
