// Copying a puzzle file's picture to a temporary file named for its type, and loading it.
#include "library/EmbeddedPicture.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <vector>

#include "library/FdWrite.h"
#include "library/FileByteSource.h"
#include "puzzle/PictureLoad.h"

namespace {

constexpr std::size_t kCopyChunk = 32768;

// A temporary file holding the picture's bytes, removed when this goes.
class PictureCopy {
 public:
  ~PictureCopy() {
    if (fd_ >= 0) close(fd_);
    if (!path_.empty()) unlink(path_.c_str());
  }

  FileStatus Make(ByteSource& source, uint64_t length, const std::string& extension) {
    std::error_code error;
    const std::string suffix = extension.empty() ? "" : "." + extension;
    std::string name =
        (std::filesystem::temp_directory_path(error) / ("pavlemir-picture-XXXXXX" + suffix))
            .string();
    fd_ = mkstemps(name.data(), static_cast<int>(suffix.size()));
    if (fd_ < 0)
      return FileStatus::Failed(std::string("cannot make a temporary picture file: ") +
                                std::strerror(errno));
    path_ = name;
    std::vector<uint8_t> buffer(kCopyChunk);
    for (uint64_t at = 0; at < length;) {
      const auto n = static_cast<std::size_t>(std::min<uint64_t>(kCopyChunk, length - at));
      const std::span chunk(buffer.data(), n);
      if (!source.ReadAt(at, chunk) || !WriteAll(fd_, chunk))
        return FileStatus::Failed("cannot copy the picture to " + path_);
      at += n;
    }
    return FileStatus::Done();
  }

  const std::string& Path() const { return path_; }

 private:
  int fd_ = -1;
  std::string path_;
};

}  // namespace

FileStatus OpenEmbeddedPicture(SurfaceService& service, const PuzzleRecord& record,
                               std::unique_ptr<Surface>& picture) {
  picture.reset();
  FileByteSource source;
  if (FileStatus status = source.Open(record.filePath); !status) return status;
  const auto pictureSize = static_cast<uint32_t>(record.pictureSize);
  if (pictureSize == 0 || pictureSize > source.Length())
    return FileStatus::Failed(record.filePath + " no longer holds its picture");
  PictureCopy copy;
  const std::string extension(record.pictureExt.data(),
                              strnlen(record.pictureExt.data(), record.pictureExt.size()));
  if (FileStatus status = copy.Make(source, pictureSize, extension); !status) return status;
  picture = LoadPictureSurface(service, copy.Path(), true);
  if (!picture)
    return FileStatus::Failed("the picture of " + record.filePath + " cannot be loaded");
  return FileStatus::Done();
}
