// Reading and writing whole files for the picture library, from disk or an FXLK archive.
#pragma once

#include <cstdint>
#include <memory>

#include "image/FxlkArchive.h"

// Whole-file access. While an archive is open for reading through this source, GetSize and
// ReadFile take names of archive members instead of disk paths; WriteFile always writes to
// disk. Destroying the source closes its archive (one being written is written out).
class CImgFileSource {
 public:
  // Size in bytes of the file (or member), 0 when it cannot be read.
  uint32_t GetSize(const char* path);
  // The whole file (or member) in a new buffer of GetSize(path) bytes; null on failure.
  std::unique_ptr<uint8_t[]> ReadFile(const char* path);
  // Creates or truncates the file and writes the bytes: true when the file cannot be written,
  // false on success.
  bool WriteFile(const char* path, const uint8_t* data, uint32_t size);

  // The archive operations, answering the archive's codes (FxlkResult). A successful
  // OpenArchive sends reads to the archive until CloseArchive.
  int OpenArchive(const char* path);
  int CreateArchive(const char* path);
  int AddArchiveMember(const char* name, const uint8_t* data, uint32_t length);
  int AddArchiveFile(const char* path);
  int CloseArchive();
  const CFxlkArchive& Archive() const { return m_archive; }
  bool ReadsFromArchive() const { return m_readFromArchive; }

 private:
  CFxlkArchive m_archive;
  bool m_readFromArchive = false;
};
