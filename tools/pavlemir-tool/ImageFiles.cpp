// The tool's picture loading and the report of a picture library result code.
#include "ImageFiles.h"

#include <cstdio>

#include "image/CImgLoader.h"

int LoadAndDecode(const char* path, CImg& image) {
  if (const int loaded = image.LoadFile(path)) return loaded;
  return CImgLoader(&image).Decode();
}

int ReportResult(const char* path, int code) {
  const char* text = "Unknown result";
  GetErrorText(code, &text);
  std::fprintf(stderr, "%s: %s\n", path, text);
  return code;
}
