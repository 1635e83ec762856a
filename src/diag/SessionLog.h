// The session log "Exception.log": begin and end blocks of each run and the failures between.
#pragma once

#include <string>
#include <string_view>

// One run's log file. Open() picks the open mode (new file, start afresh above kRestartSize
// bytes, otherwise append), makes this log the current log and writes the begin block; the
// destructor writes the end block. Writes go straight to the file descriptor with no buffer in
// between, so text is never lost to a crash that follows and Write() may be called from the
// fault handler. A log that could not be opened skips every write.
class SessionLog {
 public:
  explicit SessionLog(std::string path);
  ~SessionLog();
  SessionLog(const SessionLog&) = delete;
  SessionLog& operator=(const SessionLog&) = delete;

  // Does nothing when the log is already open.
  void Open();
  bool IsOpen() const { return fd_ >= 0; }

  // Writes the text verbatim; a null text or a closed log writes nothing. Returns the log so
  // that a message and its line end can be chained.
  SessionLog& Write(const char* text);
  SessionLog& Write(std::string_view text);

  // After a fault: writes the end block with a stamp that needs neither memory nor the locale
  // (see FaultTimeStamp.h), closes the file and clears the current log. Safe inside a signal
  // handler; the destructor then writes nothing more.
  void CloseAfterFault();

  // A log longer than this is started afresh by Open(); one of exactly this size is appended to.
  static constexpr long long kRestartSize = 100000;

 private:
  void WriteBlock(const char* title);

  std::string path_;
  int fd_ = -1;
};

// The log's file in the program directory.
std::string SessionLogPath(const std::string& programDirectory);

// The one log of the run, or null before it is opened and after it is destroyed. Destroying
// the current log clears the pointer itself, so it never dangles.
SessionLog* CurrentSessionLog();
void SetCurrentSessionLog(SessionLog* log);

// Writes through the current log; does nothing while there is none.
void WriteSessionLog(const char* text);
void WriteSessionLog(std::string_view text);
