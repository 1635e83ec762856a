// The lock that lets only one copy of the game run at a time.
#pragma once

#include <QLockFile>
#include <QString>

// A lock file named "Pavlemir" in the temporary folder. A copy of the game that ended without
// releasing it (a crash) leaves a stale file, which the next start takes over; a lock of a copy
// that is still running is never taken, however long it has run.
class InstanceLock {
 public:
  InstanceLock();
  // A lock file at the given path instead.
  explicit InstanceLock(const QString& filePath);

  // True when this copy now holds the lock; false at once when another running copy does.
  bool TryLock();
  void Unlock();

 private:
  QLockFile file_;
};
