// Fuzz target: the ILBM decoder on arbitrary bytes.
#include "ImgFuzzDecode.h"
#include "image/CIffDecoder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  CImg image;
  FuzzDecode<CIffDecoder>(data, size, image);
  return 0;
}
