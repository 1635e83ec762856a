// The fast colour-keyed copy against a plain pixel-by-pixel reference on random images.
#include <gtest/gtest.h>

#include <random>

#include "FormatParam.h"
#include "surface/Blit.h"

namespace {

// The keyed copy in its plainest form: one pixel at a time through the test's own accessors.
void ReferenceKeyedCopy(Surface& dest, int x, int y, const Surface& src, const Rect& source) {
  const uint32_t mask = src.Format().colourMask;
  const uint32_t key = *src.ColourKey() & mask;
  for (int sy = source.top; sy < source.bottom; ++sy) {
    for (int sx = source.left; sx < source.right; ++sx) {
      const uint32_t v = ReadPixel(src, sx, sy);
      if ((v & mask) != key) WritePixel(dest, x + sx - source.left, y + sy - source.top, v);
    }
  }
}

class KeyedCopyReference : public FormatParam {
 protected:
  uint32_t Random(uint32_t bound) { return std::uniform_int_distribution<uint32_t>(0, bound)(rng); }

  uint32_t RandomPixel() {
    const uint32_t all = format.colourMask | SpareBits(format);
    return static_cast<uint32_t>(rng()) & all;
  }

  uint32_t RandomKey() {
    switch (Random(3)) {
      case 0:
        return 0;
      case 1:
        return format.White();
      default:
        return RandomPixel();
    }
  }

  // Rows of alternating runs, key and picture, of random lengths (zero to longer than a block);
  // key pixels sometimes carry spare bits, and picture pixels sometimes differ from the key by
  // a single bit.
  void FillRuns(Surface& surface, uint32_t key) {
    const uint32_t spare = SpareBits(format);
    for (int y = 0; y < surface.Height(); ++y) {
      bool keyRun = Random(1) == 0;
      for (int x = 0; x < surface.Width();) {
        const int length = static_cast<int>(Random(Random(1) == 0 ? 3 : 40));
        for (int end = std::min(surface.Width(), x + length); x < end; ++x) {
          uint32_t v = RandomPixel();
          if (keyRun) {
            v = (key & format.colourMask) | (v & spare);
          } else if (Random(7) == 0) {
            v = key ^ (1u << Random(static_cast<uint32_t>(format.bitsPerPixel - 1)));
          }
          WritePixel(surface, x, y, v);
        }
        keyRun = !keyRun;
      }
    }
  }

  std::mt19937 rng{20261208};
};

TEST_P(KeyedCopyReference, SameAsPixelByPixelOnRandomImages) {
  for (int trial = 0; trial < 300; ++trial) {
    const int width = 1 + static_cast<int>(Random(90));
    const int height = 1 + static_cast<int>(Random(6));
    auto src = service.Create(width, height, SurfaceMemory::System);
    const uint32_t key = RandomKey();
    FillRuns(*src, key);
    src->SetColourKey(key);

    const int left = static_cast<int>(Random(static_cast<uint32_t>(width - 1)));
    const int top = static_cast<int>(Random(static_cast<uint32_t>(height - 1)));
    const Rect source{left, top, left + 1 + static_cast<int>(Random(width - left - 1)),
                      top + 1 + static_cast<int>(Random(height - top - 1))};
    const int x = static_cast<int>(Random(7)), y = static_cast<int>(Random(3));
    auto dest = Make(x + source.Width() + static_cast<int>(Random(5)), y + source.Height(), trial);
    auto expected = Make(dest->Width(), dest->Height(), trial);

    ASSERT_TRUE(BltFast(*dest, x, y, *src, source, BlitKey::Source));
    ReferenceKeyedCopy(*expected, x, y, *src, source);
    ASSERT_EQ(Pixels(*dest), Pixels(*expected))
        << "trial " << trial << " key " << std::hex << key << " source " << std::dec << source.left
        << "," << source.top << " " << source.Width() << "x" << source.Height();
  }
}

INSTANTIATE_TEST_SUITE_P(AllFormats, KeyedCopyReference, ::testing::ValuesIn(kFormatNames),
                         FormatTestName);

}  // namespace
