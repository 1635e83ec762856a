// The session log: choosing the open mode, the session blocks and unbuffered writes.
#include "diag/SessionLog.h"

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <utility>

#include "diag/FaultTimeStamp.h"
#include "diag/TimeStamp.h"

namespace {

// Read by the fault handler, hence lock-free atomic rather than a plain pointer.
std::atomic<SessionLog*> currentLog{nullptr};

constexpr char kSeparator[] = "---------------------------------------------------------\n";
static_assert(sizeof kSeparator == 57 + 2);

constexpr mode_t kNewFileMode = 0666;

// A file that cannot be read (missing, or not readable for us) is appended to rather than
// emptied, so nothing already logged is thrown away by accident.
int OpenForSession(const char* path) {
  const int reader = ::open(path, O_RDONLY | O_CLOEXEC);
  int flags = O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC;
  if (reader >= 0) {
    const off_t length = ::lseek(reader, 0, SEEK_END);
    ::close(reader);
    if (length > SessionLog::kRestartSize) flags = O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC;
  }
  return ::open(path, flags, kNewFileMode);
}

}  // namespace

SessionLog::SessionLog(std::string path) : path_(std::move(path)) {}

SessionLog::~SessionLog() {
  WriteBlock("END SESSION: ");
  if (fd_ >= 0) ::close(fd_);
  SessionLog* self = this;
  currentLog.compare_exchange_strong(self, nullptr);
}

void SessionLog::Open() {
  if (fd_ >= 0) return;
  fd_ = OpenForSession(path_.c_str());
  SetCurrentSessionLog(this);
  WriteBlock("BEGIN SESSION: ");
}

SessionLog& SessionLog::Write(const char* text) {
  if (text != nullptr) Write(std::string_view(text, std::strlen(text)));
  return *this;
}

SessionLog& SessionLog::Write(std::string_view text) {
  const char* next = text.data();
  std::size_t left = text.size();
  while (fd_ >= 0 && left > 0) {
    const ssize_t written = ::write(fd_, next, left);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) break;
    next += written;
    left -= static_cast<std::size_t>(written);
  }
  return *this;
}

void SessionLog::CloseAfterFault() {
  if (fd_ >= 0) {
    char stamp[128];
    FormatFaultTimeStampNow(stamp, sizeof stamp);
    Write(kSeparator).Write("END SESSION: ").Write(stamp).Write("\n").Write(kSeparator);
    ::close(fd_);
    fd_ = -1;
  }
  SessionLog* self = this;
  currentLog.compare_exchange_strong(self, nullptr);
}

void SessionLog::WriteBlock(const char* title) {
  if (fd_ < 0) return;
  Write(kSeparator).Write(title).Write(SessionTimeStamp(true)).Write("\n").Write(kSeparator);
}

std::string SessionLogPath(const std::string& programDirectory) {
  return programDirectory + "/Exception.log";
}

SessionLog* CurrentSessionLog() {
  return currentLog.load();
}

void SetCurrentSessionLog(SessionLog* log) {
  currentLog.store(log);
}

void WriteSessionLog(const char* text) {
  if (SessionLog* log = CurrentSessionLog()) log->Write(text);
}

void WriteSessionLog(std::string_view text) {
  if (SessionLog* log = CurrentSessionLog()) log->Write(text);
}
