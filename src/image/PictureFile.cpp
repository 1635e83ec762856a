// Picture file types and loading through the device-bitmap reader.
#include "image/PictureFile.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <new>
#include <string>

namespace {

struct PictureExtension {
  std::string_view name;
  int type;
};

// Sorted by name for the binary search.
constexpr std::array<PictureExtension, 5> kExtensions = {{{"BMP", PICTURE_BMP},
                                                          {"GIF", PICTURE_GIF},
                                                          {"JPEG", PICTURE_JPEG},
                                                          {"JPG", PICTURE_JPEG},
                                                          {"PNG", PICTURE_PNG}}};

}  // namespace

std::string_view PictureFileExtension(std::string_view path) {
  const std::size_t slash = path.find_last_of('/');
  const std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
  const std::size_t dot = name.find_last_of('.');
  if (dot == std::string_view::npos) return {};
  return name.substr(dot + 1);
}

int PictureFileType(std::string_view path) {
  std::string extension(PictureFileExtension(path));
  if (extension.empty()) return PICTURE_NONE;
  for (char& c : extension) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  const auto found = std::lower_bound(
      kExtensions.begin(), kExtensions.end(), extension,
      [](const PictureExtension& entry, const std::string& name) { return entry.name < name; });
  return found != kExtensions.end() && found->name == extension ? found->type : PICTURE_NONE;
}

bool CPictureFile::Load(std::FILE* file, int type) {
  if (!file) return false;
  DibFileSource source(file);
  return Load(source, type);
}

bool CPictureFile::Load(DibByteSource& source, int type) {
  if (type == PICTURE_NONE) return false;
  if (!m_decoder || type != m_type) {
    m_type = type;
    m_decoder.reset();
    if (type != PICTURE_BMP) return false;
    m_decoder.reset(new (std::nothrow) CDibImage);
    if (!m_decoder) return false;
  }
  return m_decoder->ReadFromFile(source);
}

std::unique_ptr<DeviceBitmap> CPictureFile::CreateBitmap() const {
  return m_decoder ? m_decoder->CreateDeviceBitmap() : nullptr;
}
