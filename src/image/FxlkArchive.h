// The FXLK archive: named members, each LZARI-compressed or stored scrambled, in one file.
#pragma once

#include <cstdint>
#include <cstdio>
#include <memory>
#include <span>
#include <vector>

#include "image/FxlkDirectory.h"
#include "image/FxlkInput.h"

// Answers of the archive. They are its own numbers, not codes of the picture library.
enum FxlkResult : int {
  FXLK_OK = 0,
  FXLK_CANNOT_OPEN = 5,
  FXLK_CANNOT_CREATE = 6,
  FXLK_ALREADY_OPEN = 10,
  FXLK_NOT_OPEN = 11,
  FXLK_NOT_WRITING = 12,
  FXLK_WRONG_MAGIC = 13,
  FXLK_EMPTY_DIRECTORY = 14,
  // The header or directory is cut short, inconsistent or beyond the limits.
  FXLK_DAMAGED = 15,
  // The archive file could not be written completely.
  FXLK_WRITE_FAILED = 16,
  // A member cannot be added: no name, no data, its file unreadable, or beyond the limits.
  FXLK_BAD_MEMBER = 17,
};

// A short English text for every answer above; "Unknown archive result" for anything else.
const char* FxlkResultText(int code);

// Layout: "FXLK", the directory length D and the compressed directory length P (u32 little-
// endian), the LZARI-compressed directory, then every member's stored bytes in directory
// order. Closed, open for reading, or open for writing (members collect in memory and the
// file is written on Close). Failed opens leave it closed with no file held.
class CFxlkArchive {
 public:
  CFxlkArchive() = default;
  // Closes an open archive; one being written is written out first.
  ~CFxlkArchive();
  CFxlkArchive(const CFxlkArchive&) = delete;
  CFxlkArchive& operator=(const CFxlkArchive&) = delete;

  // Opens the archive file and reads its directory.
  int OpenForReading(const char* path);
  // The same for archive bytes in memory (copied).
  int OpenForReading(std::span<const uint8_t> bytes);
  // Creates (or truncates) the archive file and writes its magic.
  int CreateForWriting(const char* path);
  // Adds a member from memory; `name` is normalised.
  int AddMember(const char* name, const uint8_t* data, uint32_t length);
  // Adds the file at `path` under the name `path`.
  int AddFile(const char* path);
  // Writes directory and members when writing, then closes the file and forgets the members.
  int Close();

  bool IsOpen() const { return m_open; }
  bool IsWriting() const { return m_writing; }
  const std::vector<FxlkMember>& Members() const { return m_members; }

  // Lengths of the first member named `name` (any spelling that normalises the same); 0 when
  // there is none.
  uint32_t MemberSize(const char* name) const;
  uint32_t MemberStoredLength(const char* name) const;
  // The unpacked bytes of the first member named `name`, in a buffer of MemberSize(name)
  // bytes owned by the caller; null when not open for reading, absent or damaged.
  std::unique_ptr<uint8_t[]> ReadMember(const char* name);

 private:
  static constexpr uint8_t kMagic[4] = {'F', 'X', 'L', 'K'};
  // Magic, D and P.
  static constexpr uint64_t kHeaderLength = 12;

  struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
  };

  int OpenInput(std::unique_ptr<FxlkInput> input);
  int ReadDirectory(FxlkInput& input);
  // The first member named `name` and where its stored bytes start; null when absent.
  const FxlkMember* Find(const char* name, uint64_t* offset) const;
  int WriteOut();
  void Forget();

  std::unique_ptr<FxlkInput> m_input;
  std::unique_ptr<std::FILE, FileCloser> m_output;
  bool m_open = false;
  bool m_writing = false;
  uint32_t m_directoryLength = 0;
  std::vector<FxlkMember> m_members;
  uint64_t m_firstMemberOffset = 0;
};
