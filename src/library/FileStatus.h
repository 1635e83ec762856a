// The answer of a puzzle-file operation: done, or the reason it was not.
#pragma once

#include <string>
#include <utility>

// Every read, write, rename and delete of the library answers one of these; a failure is never
// reported as done. The reason is a sentence for the log or the command line.
class FileStatus {
 public:
  static FileStatus Done() { return FileStatus(); }
  static FileStatus Failed(std::string reason) { return FileStatus(std::move(reason)); }

  bool Ok() const { return !failed_; }
  explicit operator bool() const { return Ok(); }
  const std::string& Reason() const { return reason_; }

 private:
  FileStatus() = default;
  explicit FileStatus(std::string reason) : failed_(true), reason_(std::move(reason)) {}

  bool failed_ = false;
  std::string reason_;
};
