// A minimal JPEG encoder for test files: flat 8x8 blocks, one Huffman table for the DC levels.
#include "JpegTestStream.h"

#include <array>

namespace {

// The usual DC code lengths for categories 0 to 11: how many codes of 1 to 16 bits.
constexpr std::array<uint8_t, 16> kDcBits = {0, 1, 5, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0};
constexpr int kDcCategories = 12;

struct Code {
  uint32_t bits = 0;
  int length = 0;
};

// Canonical Huffman codes for the DC categories, in order of length.
std::array<Code, kDcCategories> DcCodes() {
  std::array<Code, kDcCategories> codes{};
  uint32_t code = 0;
  int symbol = 0;
  for (int length = 1; length <= 16; ++length, code <<= 1) {
    for (int i = 0; i < kDcBits[static_cast<std::size_t>(length - 1)]; ++i, ++code)
      codes[static_cast<std::size_t>(symbol++)] = {code, length};
  }
  return codes;
}

// Entropy-coded bits with 0xFF bytes stuffed; the last byte is padded with ones.
class BitWriter {
 public:
  void Put(uint32_t bits, int length) {
    for (int i = length - 1; i >= 0; --i) {
      byte_ = static_cast<uint8_t>(byte_ << 1 | ((bits >> i) & 1));
      if (++count_ == 8) Flush();
    }
  }
  std::vector<uint8_t> Finish() {
    while (count_ != 0) Put(1, 1);
    return bytes_;
  }

 private:
  void Flush() {
    bytes_.push_back(byte_);
    if (byte_ == 0xFF) bytes_.push_back(0);
    byte_ = 0;
    count_ = 0;
  }
  std::vector<uint8_t> bytes_;
  uint8_t byte_ = 0;
  int count_ = 0;
};

void PutMarker(std::vector<uint8_t>& out, uint8_t marker, const std::vector<uint8_t>& body) {
  const std::size_t length = body.size() + 2;
  out.insert(out.end(),
             {0xFF, marker, static_cast<uint8_t>(length >> 8), static_cast<uint8_t>(length)});
  out.insert(out.end(), body.begin(), body.end());
}

int Level(int bx, int by, int component) {
  return (bx * 53 + by * 97 + component * 71) % 256;
}

void PutDc(BitWriter& bits, const std::array<Code, kDcCategories>& codes, int diff) {
  int category = 0;
  for (int magnitude = diff < 0 ? -diff : diff; magnitude != 0; magnitude >>= 1) ++category;
  const Code& code = codes[static_cast<std::size_t>(category)];
  bits.Put(code.bits, code.length);
  const int extra = diff < 0 ? diff + (1 << category) - 1 : diff;
  bits.Put(static_cast<uint32_t>(extra), category);
}

// One scan over all components, interleaved: every block's DC difference, and in a baseline
// file an end-of-block code (the single one-bit AC code 0) after it.
std::vector<uint8_t> ScanData(const FlatBlockJpeg& layout) {
  const auto codes = DcCodes();
  const int blocksWide = (layout.width + 7) / 8;
  const int blocksHigh = (layout.height + 7) / 8;
  std::vector<int> previous(static_cast<std::size_t>(layout.components), 0);
  BitWriter bits;
  for (int by = 0; by < blocksHigh; ++by) {
    for (int bx = 0; bx < blocksWide; ++bx) {
      for (int c = 0; c < layout.components; ++c) {
        const int dc = (Level(bx, by, c) - 128) * 8;
        PutDc(bits, codes, dc - previous[static_cast<std::size_t>(c)]);
        previous[static_cast<std::size_t>(c)] = dc;
        if (!layout.progressive) bits.Put(0, 1);
      }
    }
  }
  return bits.Finish();
}

std::vector<uint8_t> FrameHeader(const FlatBlockJpeg& layout) {
  std::vector<uint8_t> body = {
      static_cast<uint8_t>(layout.precision), static_cast<uint8_t>(layout.height >> 8),
      static_cast<uint8_t>(layout.height),    static_cast<uint8_t>(layout.width >> 8),
      static_cast<uint8_t>(layout.width),     static_cast<uint8_t>(layout.components)};
  for (int c = 1; c <= layout.components; ++c)
    body.insert(body.end(), {static_cast<uint8_t>(c), 0x11, 0});
  return body;
}

std::vector<uint8_t> ScanHeader(const FlatBlockJpeg& layout) {
  std::vector<uint8_t> body = {static_cast<uint8_t>(layout.components)};
  for (int c = 1; c <= layout.components; ++c)
    body.insert(body.end(), {static_cast<uint8_t>(c), 0});
  body.insert(body.end(), {0, static_cast<uint8_t>(layout.progressive ? 0 : 63), 0});
  return body;
}

void PutTables(std::vector<uint8_t>& out, const FlatBlockJpeg& layout) {
  if (layout.adobeTransform >= 0) {
    PutMarker(
        out, 0xEE,
        {'A', 'd', 'o', 'b', 'e', 0, 100, 0, 0, 0, 0, static_cast<uint8_t>(layout.adobeTransform)});
  }
  std::vector<uint8_t> quantiser(65, 1);
  quantiser[0] = 0;
  PutMarker(out, 0xDB, quantiser);
  std::vector<uint8_t> dcTable = {0x00};
  dcTable.insert(dcTable.end(), kDcBits.begin(), kDcBits.end());
  for (int symbol = 0; symbol < kDcCategories; ++symbol)
    dcTable.push_back(static_cast<uint8_t>(symbol));
  PutMarker(out, 0xC4, dcTable);
  std::vector<uint8_t> acTable = {0x10, 1};
  acTable.resize(17, 0);
  acTable.push_back(0x00);
  PutMarker(out, 0xC4, acTable);
}

}  // namespace

std::vector<uint8_t> MakeFlatBlockJpeg(const FlatBlockJpeg& layout) {
  std::vector<uint8_t> out = {0xFF, 0xD8};
  PutTables(out, layout);
  PutMarker(out, layout.progressive ? 0xC2 : 0xC0, FrameHeader(layout));
  if (layout.scanBytes >= 0) {
    PutMarker(out, 0xDA, ScanHeader(layout));
    out.resize(out.size() + static_cast<std::size_t>(layout.scanBytes), 0);
    return out;
  }
  const std::vector<uint8_t> data = ScanData(layout);
  for (int scan = 0; scan < (layout.progressive ? layout.scans : 1); ++scan) {
    PutMarker(out, 0xDA, ScanHeader(layout));
    out.insert(out.end(), data.begin(), data.end());
  }
  out.insert(out.end(), {0xFF, 0xD9});
  return out;
}
