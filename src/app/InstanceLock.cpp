// The single-instance lock over a lock file.
#include "InstanceLock.h"

#include <QDir>

InstanceLock::InstanceLock() : InstanceLock(QDir(QDir::tempPath()).filePath("Pavlemir.lock")) {}

InstanceLock::InstanceLock(const QString& filePath) : file_(filePath) {
  // By default a lock older than 30 s counts as stale, which would let a second copy in beside
  // a first one that has run for a while; only an owner that no longer runs makes it stale.
  file_.setStaleLockTime(0);
}

bool InstanceLock::TryLock() {
  return file_.isLocked() || file_.tryLock(0);
}

void InstanceLock::Unlock() {
  file_.unlock();
}
