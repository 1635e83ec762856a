// Whole-file reads and writes with every length checked, routed to the archive when one is open.
#include "image/CImgFileSource.h"

#include <cstdio>

namespace {

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

long FileLength(std::FILE* f) {
  if (std::fseek(f, 0, SEEK_END) != 0) return 0;
  const long length = std::ftell(f);
  std::rewind(f);
  return length < 0 ? 0 : length;
}

}  // namespace

uint32_t CImgFileSource::GetSize(const char* path) {
  if (!path) return 0;
  if (m_readFromArchive) return m_archive.MemberSize(path);
  const File f(std::fopen(path, "rb"));
  if (!f) return 0;
  const long length = FileLength(f.get());
  return length > 0xFFFFFFFFL ? 0 : static_cast<uint32_t>(length);
}

std::unique_ptr<uint8_t[]> CImgFileSource::ReadFile(const char* path) {
  if (!path) return nullptr;
  if (m_readFromArchive) return m_archive.ReadMember(path);
  const File f(std::fopen(path, "rb"));
  if (!f) return nullptr;
  const long length = FileLength(f.get());
  if (length <= 0 || length > 0xFFFFFFFFL) return nullptr;
  const auto size = static_cast<std::size_t>(length);
  std::unique_ptr<uint8_t[]> data(new (std::nothrow) uint8_t[size]);
  if (!data || std::fread(data.get(), 1, size, f.get()) != size) return nullptr;
  return data;
}

bool CImgFileSource::WriteFile(const char* path, const uint8_t* data, uint32_t size) {
  if (!path) return true;
  const File f(std::fopen(path, "wb"));
  if (!f) return true;
  if (size > 0 && std::fwrite(data, 1, size, f.get()) != size) return true;
  return std::fflush(f.get()) != 0;
}

int CImgFileSource::OpenArchive(const char* path) {
  const int result = m_archive.OpenForReading(path);
  if (result == FXLK_OK) m_readFromArchive = true;
  return result;
}

int CImgFileSource::CreateArchive(const char* path) {
  return m_archive.CreateForWriting(path);
}

int CImgFileSource::AddArchiveMember(const char* name, const uint8_t* data, uint32_t length) {
  return m_archive.AddMember(name, data, length);
}

int CImgFileSource::AddArchiveFile(const char* path) {
  return m_archive.AddFile(path);
}

int CImgFileSource::CloseArchive() {
  m_readFromArchive = false;
  return m_archive.Close();
}
