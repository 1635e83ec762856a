// File types by extension.
#include <array>
#include <cctype>
#include <cstring>
#include <string>

#include "image/CImgLoader.h"

int CImgLoader::DetectType(const char* path) {
  if (!path) return IMG_NULL_POINTER;
  if (!m_image) return IMG_NO_INSTANCE;
  struct Extension {
    const char* text;
    uint8_t type;
  };
  static constexpr std::array<Extension, 6> kExtensions = {{{".bmp", IMG_TYPE_BMP},
                                                            {".tga", IMG_TYPE_TGA},
                                                            {".iff", IMG_TYPE_IFF},
                                                            {".fix", IMG_TYPE_FIX},
                                                            {".ffc", IMG_TYPE_FFC},
                                                            {".jpg", IMG_TYPE_JPG}}};
  m_image->m_type = IMG_TYPE_UNKNOWN;
  const char* dot = std::strrchr(path, '.');
  if (!dot) return IMG_OK;
  // Lower-cased on a copy: the caller's path stays as it was.
  std::string extension(dot);
  for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  for (const Extension& e : kExtensions) {
    if (extension == e.text) {
      m_image->m_type = e.type;
      break;
    }
  }
  return IMG_OK;
}
