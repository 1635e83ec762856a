// Opening an archive, looking members up and reading them; closing in either mode.
#include "image/FxlkArchive.h"

#include <array>
#include <cstring>
#include <new>
#include <string>
#include <utility>

#include "image/FxlkEndian.h"
#include "image/FxlkStorage.h"
#include "image/LzariCoder.h"

const char* FxlkResultText(int code) {
  switch (code) {
    case FXLK_OK:
      return "No error";
    case FXLK_CANNOT_OPEN:
      return "Archive cannot be opened";
    case FXLK_CANNOT_CREATE:
      return "Archive cannot be created";
    case FXLK_ALREADY_OPEN:
      return "Archive already open";
    case FXLK_NOT_OPEN:
      return "Archive not open";
    case FXLK_NOT_WRITING:
      return "Archive not opened for writing";
    case FXLK_WRONG_MAGIC:
      return "Not an archive";
    case FXLK_EMPTY_DIRECTORY:
      return "Archive has no members";
    case FXLK_DAMAGED:
      return "Archive is damaged";
    case FXLK_WRITE_FAILED:
      return "Archive could not be written";
    case FXLK_BAD_MEMBER:
      return "Member cannot be added";
    default:
      return "Unknown archive result";
  }
}

CFxlkArchive::~CFxlkArchive() {
  if (m_open) Close();
}

int CFxlkArchive::OpenForReading(const char* path) {
  if (m_open) return FXLK_ALREADY_OPEN;
  std::unique_ptr<FxlkInput> input = OpenFxlkFileInput(path);
  if (!input) return FXLK_CANNOT_OPEN;
  return OpenInput(std::move(input));
}

int CFxlkArchive::OpenForReading(std::span<const uint8_t> bytes) {
  if (m_open) return FXLK_ALREADY_OPEN;
  return OpenInput(MakeFxlkMemoryInput(bytes));
}

int CFxlkArchive::OpenInput(std::unique_ptr<FxlkInput> input) {
  const int result = ReadDirectory(*input);
  if (result != FXLK_OK) {
    // `input` goes out of scope here, which closes the file.
    Forget();
    return result;
  }
  m_input = std::move(input);
  m_open = true;
  m_writing = false;
  return FXLK_OK;
}

int CFxlkArchive::ReadDirectory(FxlkInput& input) {
  std::array<uint8_t, kHeaderLength> header{};
  if (!input.Read(0, std::span(header).first(4)) ||
      std::memcmp(header.data(), kMagic, sizeof kMagic) != 0) {
    return FXLK_WRONG_MAGIC;
  }
  uint32_t directoryLength = 0;
  uint32_t packedLength = 0;
  if (!input.Read(0, header) || !ReadFxlkU32(header, 4, directoryLength) ||
      !ReadFxlkU32(header, 8, packedLength)) {
    return FXLK_DAMAGED;
  }
  if (directoryLength == 0) return FXLK_EMPTY_DIRECTORY;
  if (directoryLength > kFxlkMaxDirectoryLength || packedLength > input.Size() - kHeaderLength) {
    return FXLK_DAMAGED;
  }
  std::vector<uint8_t> packed(packedLength);
  if (!input.Read(kHeaderLength, packed)) return FXLK_DAMAGED;
  // Left uninitialised: a damaged D may ask for megabytes the stream never fills.
  const std::unique_ptr<uint8_t[]> directory(new (std::nothrow) uint8_t[directoryLength]);
  const std::unique_ptr<CLzariCoder> coder(new (std::nothrow) CLzariCoder);
  if (!directory || !coder) return FXLK_DAMAGED;
  const std::span<uint8_t> unpacked(directory.get(), directoryLength);
  if (!coder->Decompress(packed, unpacked)) return FXLK_DAMAGED;
  m_members = ParseFxlkDirectory(unpacked);
  m_directoryLength = directoryLength;
  m_firstMemberOffset = kHeaderLength + packedLength;
  return FXLK_OK;
}

const FxlkMember* CFxlkArchive::Find(const char* name, uint64_t* offset) const {
  if (!name) return nullptr;
  const std::string wanted = NormaliseFxlkName(name);
  uint64_t at = m_firstMemberOffset;
  for (const FxlkMember& member : m_members) {
    if (member.name == wanted) {
      if (offset) *offset = at;
      return &member;
    }
    at += member.storedLength;
  }
  return nullptr;
}

uint32_t CFxlkArchive::MemberSize(const char* name) const {
  const FxlkMember* member = Find(name, nullptr);
  return member ? member->unpackedLength : 0;
}

uint32_t CFxlkArchive::MemberStoredLength(const char* name) const {
  const FxlkMember* member = Find(name, nullptr);
  return member ? member->storedLength : 0;
}

std::unique_ptr<uint8_t[]> CFxlkArchive::ReadMember(const char* name) {
  if (!m_open || m_writing || !m_input) return nullptr;
  uint64_t offset = 0;
  const FxlkMember* member = Find(name, &offset);
  if (!member || member->unpackedLength > kFxlkMaxMemberLength ||
      member->storedLength > member->unpackedLength) {
    return nullptr;
  }
  // Checked before allocating, so a damaged directory cannot ask for memory it has no data for.
  const uint64_t size = m_input->Size();
  if (offset > size || member->storedLength > size - offset) return nullptr;
  std::vector<uint8_t> stored(member->storedLength);
  if (!m_input->Read(offset, stored)) return nullptr;
  return UnpackFxlkMember(stored, member->unpackedLength);
}

int CFxlkArchive::Close() {
  if (!m_open) return FXLK_NOT_OPEN;
  const int result = m_writing ? WriteOut() : FXLK_OK;
  Forget();
  return result;
}

void CFxlkArchive::Forget() {
  m_input.reset();
  m_output.reset();
  m_open = false;
  m_writing = false;
  m_directoryLength = 0;
  m_members.clear();
  m_firstMemberOffset = 0;
}
