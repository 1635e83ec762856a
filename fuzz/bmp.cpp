// Fuzz target: the BMP decoder on arbitrary bytes.
#include "ImgFuzzDecode.h"
#include "image/CBmpDecoder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  CImg image;
  FuzzDecode<CBmpDecoder>(data, size, image);
  return 0;
}
