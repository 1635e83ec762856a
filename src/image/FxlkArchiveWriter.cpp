// Creating an archive, adding members and writing it out on close.
#include <cstddef>
#include <cstdint>
#include <limits>
#include <new>
#include <string>
#include <utility>

#include "image/FxlkArchive.h"
#include "image/FxlkEndian.h"
#include "image/FxlkStorage.h"
#include "image/LzariCoder.h"

namespace {

bool WriteBytes(std::FILE* file, const std::vector<uint8_t>& bytes) {
  return bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
}

}  // namespace

int CFxlkArchive::CreateForWriting(const char* path) {
  if (m_open) return FXLK_ALREADY_OPEN;
  if (!path) return FXLK_CANNOT_CREATE;
  m_output.reset(std::fopen(path, "wb"));
  if (!m_output) return FXLK_CANNOT_CREATE;
  // A failed write of the magic shows up in the stream's error state when closing.
  std::fwrite(kMagic, 1, sizeof kMagic, m_output.get());
  m_open = true;
  m_writing = true;
  m_directoryLength = 0;
  return FXLK_OK;
}

int CFxlkArchive::AddMember(const char* name, const uint8_t* data, uint32_t length) {
  if (!m_open) return FXLK_NOT_OPEN;
  if (!m_writing) return FXLK_NOT_WRITING;
  if (!name || (!data && length > 0) || length > kFxlkMaxMemberLength) return FXLK_BAD_MEMBER;
  std::string normal = NormaliseFxlkName(name);
  if (normal.size() > kFxlkMaxDirectoryLength ||
      FxlkRecordLength(normal) > kFxlkMaxDirectoryLength - m_directoryLength) {
    return FXLK_BAD_MEMBER;
  }
  FxlkMember member;
  member.name = std::move(normal);
  member.unpackedLength = length;
  member.stored = PackFxlkMember(std::span(data, length));
  member.storedLength = static_cast<uint32_t>(member.stored.size());
  m_directoryLength += FxlkRecordLength(member.name);
  m_members.push_back(std::move(member));
  return FXLK_OK;
}

int CFxlkArchive::AddFile(const char* path) {
  if (!m_open) return FXLK_NOT_OPEN;
  if (!m_writing) return FXLK_NOT_WRITING;
  const std::unique_ptr<FxlkInput> input = OpenFxlkFileInput(path);
  if (!input || input->Size() > kFxlkMaxMemberLength) return FXLK_BAD_MEMBER;
  std::vector<uint8_t> data(static_cast<std::size_t>(input->Size()));
  if (!input->Read(0, data)) return FXLK_BAD_MEMBER;
  return AddMember(path, data.data(), static_cast<uint32_t>(data.size()));
}

int CFxlkArchive::WriteOut() {
  const std::vector<uint8_t> directory = BuildFxlkDirectory(m_members);
  std::vector<uint8_t> packed;
  const std::unique_ptr<CLzariCoder> coder(new (std::nothrow) CLzariCoder);
  bool written =
      coder && coder->Compress(directory, packed, std::numeric_limits<std::size_t>::max());
  std::vector<uint8_t> header;
  AppendFxlkU32(header, static_cast<uint32_t>(directory.size()));
  AppendFxlkU32(header, static_cast<uint32_t>(packed.size()));
  std::FILE* file = m_output.release();
  written = written && WriteBytes(file, header) && WriteBytes(file, packed);
  for (const FxlkMember& member : m_members) written = written && WriteBytes(file, member.stored);
  written = !std::ferror(file) && written;
  return std::fclose(file) == 0 && written ? FXLK_OK : FXLK_WRITE_FAILED;
}
