// The write-beside, flush, rename sequence on POSIX file systems.
#include "library/FileReplacement.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <utility>
#include <vector>

#include "library/FdWrite.h"
#include "library/FileTimes.h"

namespace {

constexpr std::size_t kCopyChunk = 32768;

std::string ErrorText(const char* what, const std::string& path) {
  return std::string(what) + " " + path + ": " + std::strerror(errno);
}

constexpr const char* kTemporaryMark = ".save-";

// A name beside the target that the pack loader never takes for a puzzle (it does not end in
// .qvx); the attempt number moves past names left by earlier runs, since the file is made only
// when no file of that name exists.
std::string TemporaryName(const std::string& target, int attempt) {
  const std::filesystem::path path(target);
  std::string name(1, '.');
  name += path.filename().string();
  name += kTemporaryMark + std::to_string(getpid()) + "-" + std::to_string(attempt);
  return (path.parent_path() / name).string();
}

bool AllDigits(const std::string& text) {
  return !text.empty() && text.size() <= 9 &&
         std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The process id in a name TemporaryName makes, or 0 when the name is not one of them.
pid_t TemporaryOwner(const std::string& fileName) {
  const std::size_t mark = fileName.rfind(kTemporaryMark);
  if (fileName.size() < 2 || fileName[0] != '.' || mark == std::string::npos || mark < 2) return 0;
  const std::string numbers = fileName.substr(mark + std::strlen(kTemporaryMark));
  const std::size_t dash = numbers.find('-');
  if (dash == std::string::npos) return 0;
  const std::string pid = numbers.substr(0, dash);
  if (!AllDigits(pid) || !AllDigits(numbers.substr(dash + 1))) return 0;
  return static_cast<pid_t>(std::stol(pid));
}

// The folder's entry for the renamed file reaches the disk too; file systems that cannot flush
// a folder are left as they are.
void FlushFolder(const std::string& target) {
  std::string folder = std::filesystem::path(target).parent_path().string();
  if (folder.empty()) folder.assign(1, '.');
  const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd >= 0) {
    fsync(fd);
    close(fd);
  }
}

}  // namespace

ReplacementLeftover ClassifyReplacementName(const std::string& fileName) {
  const pid_t owner = TemporaryOwner(fileName);
  if (owner <= 0) return ReplacementLeftover::NotOurs;
  // Only a process that is gone cannot still rename its file; one of another user answers EPERM.
  if (kill(owner, 0) != 0 && errno == ESRCH) return ReplacementLeftover::Stale;
  return ReplacementLeftover::InUse;
}

FileReplacement::FileReplacement(std::string target) : target_(std::move(target)) {}

FileReplacement::~FileReplacement() {
  Discard();
}

void FileReplacement::Discard() {
  if (fd_ >= 0) close(fd_);
  fd_ = -1;
  if (!temporary_.empty()) unlink(temporary_.c_str());
  temporary_.clear();
}

FileStatus FileReplacement::Begin() {
  for (int attempt = 0; attempt < 100; ++attempt) {
    const std::string name = TemporaryName(target_, attempt);
    fd_ = open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd_ >= 0) {
      temporary_ = name;
      return FileStatus::Done();
    }
    if (errno != EEXIST)
      return FileStatus::Failed(ErrorText("cannot create a file beside", target_));
  }
  return FileStatus::Failed("cannot create a file beside " + target_);
}

FileStatus FileReplacement::Write(std::span<const uint8_t> bytes) {
  if (fd_ < 0) return FileStatus::Failed("cannot write " + target_ + ": no file begun");
  if (!WriteAll(fd_, bytes)) return FileStatus::Failed(ErrorText("cannot write", target_));
  return FileStatus::Done();
}

FileStatus FileReplacement::CopyFrom(ByteSource& source, uint64_t length) {
  return CopyRange(source, 0, length);
}

FileStatus FileReplacement::CopyRange(ByteSource& source, uint64_t from, uint64_t length) {
  std::vector<uint8_t> buffer(kCopyChunk);
  for (uint64_t at = 0; at < length;) {
    const std::size_t n = static_cast<std::size_t>(std::min<uint64_t>(kCopyChunk, length - at));
    if (!source.ReadAt(from + at, std::span(buffer.data(), n)))
      return FileStatus::Failed("cannot read the bytes to keep for " + target_);
    if (FileStatus status = Write(std::span(buffer.data(), n)); !status) return status;
    at += n;
  }
  return FileStatus::Done();
}

FileStatus FileReplacement::Commit(int likeFd) {
  if (fd_ < 0) return FileStatus::Failed("cannot write " + target_ + ": no file begun");
  if (likeFd >= 0) {
    struct stat like {};
    KeptFileTimes times;
    if (fstat(likeFd, &like) != 0 || fchmod(fd_, like.st_mode & 07777) != 0 ||
        !times.Take(likeFd) || !times.PutBack(fd_)) {
      return FileStatus::Failed(ErrorText("cannot keep the attributes of", target_));
    }
  }
  if (fsync(fd_) != 0) return FileStatus::Failed(ErrorText("cannot flush", target_));
  const int fd = std::exchange(fd_, -1);
  if (close(fd) != 0) return FileStatus::Failed(ErrorText("cannot write", target_));
  if (rename(temporary_.c_str(), target_.c_str()) != 0)
    return FileStatus::Failed(ErrorText("cannot replace", target_));
  temporary_.clear();
  FlushFolder(target_);
  return FileStatus::Done();
}
