// Reading plain and run-length coded pixel bits.
#include "image/DibBits.h"

#include <algorithm>

#include "image/DibRle.h"

namespace {

// The code is the image size's bytes, or everything up to the end when that size is 0.
void ReadRle(DibByteSource& source, DibHeaders& headers, std::vector<uint8_t>& bits) {
  uint64_t length = source.Remaining();
  if (headers.info.sizeImage != 0) length = std::min<uint64_t>(length, headers.info.sizeImage);
  bits.assign(static_cast<std::size_t>(headers.rowSize) * headers.height, 0);
  ExpandDibRle(source, length, headers.info.compression, headers.width, headers.height,
               headers.rowSize, bits);
  headers.info.compression = DIB_RGB;
  headers.info.sizeImage = headers.rowSize * headers.height;
}

}  // namespace

bool ReadDibBits(DibByteSource& source, DibHeaders& headers, std::vector<uint8_t>& bits) {
  if (headers.info.compression == DIB_RLE8 || headers.info.compression == DIB_RLE4) {
    ReadRle(source, headers, bits);
    return true;
  }
  const uint64_t size = uint64_t{headers.rowSize} * headers.height;
  if (source.Remaining() < size) return false;
  bits.resize(static_cast<std::size_t>(size));
  return source.Read(bits.data(), bits.size());
}
