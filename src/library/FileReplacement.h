// Writing a file beside its target and renaming it over the target, so a save is all or nothing.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "library/ByteSource.h"
#include "library/FileStatus.h"

// Begin() creates a new file in the target's folder; Write() and CopyFrom() fill it; Commit()
// flushes it to the disk and renames it over the target. Until the rename the target is
// untouched, and the rename replaces it whole, so a crash, a full disk or a failed write at any
// moment leaves either the old or the new file, never a cut one. A replacement that is not
// committed removes its new file when destroyed.
class FileReplacement {
 public:
  explicit FileReplacement(std::string target);
  ~FileReplacement();
  FileReplacement(const FileReplacement&) = delete;
  FileReplacement& operator=(const FileReplacement&) = delete;

  FileStatus Begin();
  FileStatus Write(std::span<const uint8_t> bytes);
  // Copies `length` bytes from the start of `source` in 32768-byte pieces.
  FileStatus CopyFrom(ByteSource& source, uint64_t length);
  // Copies `length` bytes of `source` from offset `from` on.
  FileStatus CopyRange(ByteSource& source, uint64_t from, uint64_t length);
  // Gives the new file the permissions and times of the open file `likeFd` (the file being
  // replaced; -1 for a new file, which keeps the permissions the process gives new files).
  FileStatus Commit(int likeFd);

 private:
  void Discard();

  std::string target_;
  std::string temporary_;
  int fd_ = -1;
};

// What a file name in a folder is to the replacements: not a name they make, the new file of a
// replacement whose process still runs (or may run: it is kept), or one left by a process that
// was killed before its rename.
enum class ReplacementLeftover { NotOurs, InUse, Stale };
ReplacementLeftover ClassifyReplacementName(const std::string& fileName);
