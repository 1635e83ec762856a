// Unscaled copies between surfaces: exact plain copies, colour keys and the refused copies.
#include "surface/Blit.h"

#include <gtest/gtest.h>

#include <optional>
#include <utility>

#include "FormatParam.h"

namespace {

class BltFastEach : public FormatParam {
 protected:
  // Checks that dest holds `before` everywhere except the copy of `source` from src at (x, y),
  // where key pixels (if `key` is set) keep `before` too.
  void ExpectCopied(const std::vector<uint32_t>& before, const Surface& dest, const Surface& src,
                    const Rect& source, int x, int y, std::optional<uint32_t> key) {
    const uint32_t mask = format.colourMask;
    for (int py = 0; py < dest.Height(); ++py) {
      for (int px = 0; px < dest.Width(); ++px) {
        uint32_t expected = before[static_cast<std::size_t>(py * dest.Width() + px)];
        const int sx = px - x + source.left, sy = py - y + source.top;
        if (source.Contains(sx, sy)) {
          const uint32_t v = ReadPixel(src, sx, sy);
          if (!key || (v & mask) != (*key & mask)) expected = v;
        }
        ASSERT_EQ(ReadPixel(dest, px, py), expected) << "at " << px << "," << py;
      }
    }
  }

  // A format of the same depth but another layout where there is one, else another depth.
  PixelFormatInfo OtherFormat() const {
    if (format == PixelFormatInfo::Rgb555()) return PixelFormatInfo::Rgb565();
    if (format == PixelFormatInfo::Rgb565()) return PixelFormatInfo::Rgb555();
    if (format == PixelFormatInfo::Rgb24()) return PixelFormatInfo::Rgb32();
    return PixelFormatInfo::Rgb24();
  }
};

TEST_P(BltFastEach, PlainCopyIsExactIncludingSpareBits) {
  auto src = Make(37, 23, 1);
  // Spare bits are copied as they are by a plain copy.
  for (int x = 0; x < 37; ++x) WritePixel(*src, x, 6, ReadPixel(*src, x, 6) | SpareBits(format));
  // Odd widths leave padding at the end of each row: rows are a pitch apart, not a width.
  for (const auto& [x, y] : {std::pair{11, 9}, std::pair{50 - 29, 40 - 17}, std::pair{0, 0}}) {
    auto dest = Make(50, 40, 2);
    const auto before = Pixels(*dest);
    const Rect source{3, 4, 3 + 29, 4 + 17};
    ASSERT_TRUE(BltFast(*dest, x, y, *src, source));
    ExpectCopied(before, *dest, *src, source, x, y, std::nullopt);
  }
}

TEST_P(BltFastEach, WholeSurfaceToWholeSurface) {
  auto src = Make(33, 17, 3);
  auto dest = Make(33, 17, 4);
  ASSERT_TRUE(BltFast(*dest, 0, 0, *src, src->Bounds()));
  EXPECT_EQ(Pixels(*dest), Pixels(*src));
}

TEST_P(BltFastEach, KeyedCopyLeavesKeyPixelsOnColourBitsOnly) {
  const uint32_t spare = SpareBits(format);
  for (const uint32_t key : {uint32_t{0}, format.White()}) {
    auto src = Make(41, 19, 5);
    const uint32_t colourKey = key & format.colourMask;
    for (int y = 0; y < 19; ++y) {
      for (int x = 0; x < 41; ++x) {
        const uint32_t v = ReadPixel(*src, x, y);
        if ((x + 2 * y) % 3 == 0) {
          // Key in its colour bits, with and without spare bits set.
          WritePixel(*src, x, y, colourKey | (x % 2 == 0 ? spare : 0));
        } else if ((x + 2 * y) % 3 == 1) {
          // One bit away from the key in a single channel: a colour, so it is copied.
          const uint32_t lowBits[] = {1u << format.blueShift, 1u << format.greenShift,
                                      1u << format.redShift};
          WritePixel(*src, x, y, colourKey ^ lowBits[(x + y) % 3]);
        } else if ((v & format.colourMask) == colourKey) {
          WritePixel(*src, x, y, v ^ 1u);
        }
      }
    }
    src->SetColourKey(key);
    auto dest = Make(60, 30, 6);
    const auto before = Pixels(*dest);
    const Rect source{1, 2, 40, 19};
    ASSERT_TRUE(BltFast(*dest, 13, 7, *src, source, BlitKey::Source));
    ExpectCopied(before, *dest, *src, source, 13, 7, key);
    // Every third pixel stayed behind.
    EXPECT_EQ(ReadPixel(*dest, 13 + 1, 7), before[7 * 60 + 14]);
  }
}

TEST_P(BltFastEach, KeyWithSpareBitsMatchesOnColourBits) {
  auto src = Make(20, 4, 7);
  WritePixel(*src, 5, 1, 0);
  src->SetColourKey(SpareBits(format));  // black, written with the spare bits set
  auto dest = Make(20, 4, 8);
  const uint32_t under = ReadPixel(*dest, 5, 1);
  ASSERT_TRUE(BltFast(*dest, 0, 0, *src, src->Bounds(), BlitKey::Source));
  EXPECT_EQ(ReadPixel(*dest, 5, 1), under);
  EXPECT_EQ(ReadPixel(*dest, 6, 1), ReadPixel(*src, 6, 1));
}

TEST_P(BltFastEach, KeyIsIgnoredByAPlainCopy) {
  auto src = Make(16, 8, 9);
  WritePixel(*src, 3, 3, 0);
  src->SetColourKey(0);
  auto dest = Make(16, 8, 10);
  ASSERT_TRUE(BltFast(*dest, 0, 0, *src, src->Bounds(), BlitKey::None));
  EXPECT_EQ(Pixels(*dest), Pixels(*src));
}

TEST_P(BltFastEach, RefusedCopiesWriteNothing) {
  auto src = Make(20, 20, 11);
  auto dest = Make(30, 30, 12);
  const auto before = Pixels(*dest);
  const Rect all = src->Bounds();
  EXPECT_FALSE(BltFast(*dest, 0, 0, *src, {-1, 0, 10, 10}));
  EXPECT_FALSE(BltFast(*dest, 0, 0, *src, {10, 10, 21, 20}));
  EXPECT_FALSE(BltFast(*dest, 0, 0, *src, {5, 5, 5, 10}));
  EXPECT_FALSE(BltFast(*dest, 0, 0, *src, {5, 5, 4, 10}));
  EXPECT_FALSE(BltFast(*dest, -1, 0, *src, all));
  EXPECT_FALSE(BltFast(*dest, 0, -1, *src, all));
  EXPECT_FALSE(BltFast(*dest, 11, 0, *src, all));
  EXPECT_FALSE(BltFast(*dest, 0, 11, *src, all));
  // Keyed without a key.
  EXPECT_FALSE(BltFast(*dest, 0, 0, *src, all, BlitKey::Source));
  // Another format, even of the same depth.
  SurfaceService other(OtherFormat());
  auto foreign = other.Create(20, 20, SurfaceMemory::System);
  FillPattern(*foreign, 13);
  foreign->SetColourKey(0);
  EXPECT_FALSE(BltFast(*dest, 0, 0, *foreign, all));
  EXPECT_FALSE(BltFast(*dest, 0, 0, *foreign, all, BlitKey::Source));
  EXPECT_EQ(Pixels(*dest), before);
}

TEST_P(BltFastEach, LostSurfacesRefuseUntilRestored) {
  auto display = CreateOffscreenSurface(service, 20, 20, false);
  ASSERT_EQ(display->Memory(), SurfaceMemory::Display);
  FillPattern(*display, 14);
  auto master = Make(20, 20, 15);
  const auto before = Pixels(*master);
  service.LoseDisplaySurfaces();
  EXPECT_FALSE(BltFast(*master, 0, 0, *display, display->Bounds()));
  EXPECT_FALSE(BltFast(*display, 0, 0, *master, master->Bounds()));
  EXPECT_EQ(Pixels(*master), before);
  display->Restore();
  ASSERT_TRUE(BltFast(*display, 0, 0, *master, master->Bounds()));
  EXPECT_EQ(Pixels(*display), before);
}

// Copies within one surface read every source pixel before it is overwritten: the result is
// that of a copy from an untouched twin of the surface.
TEST_P(BltFastEach, OverlappingCopyWithinOneSurface) {
  const auto makeKeyed = [this] {
    auto surface = Make(40, 30, 16);
    for (int x = 0; x < 40; x += 3) WritePixel(*surface, x, x % 30, 0);
    surface->SetColourKey(0);
    return surface;
  };
  const Rect source{8, 6, 32, 24};
  for (const BlitKey key : {BlitKey::None, BlitKey::Source}) {
    for (int dy = -3; dy <= 3; dy += 3) {
      for (int dx = -5; dx <= 5; dx += 5) {
        auto surface = makeKeyed();
        auto expected = makeKeyed();
        ASSERT_TRUE(BltFast(*surface, 8 + dx, 6 + dy, *surface, source, key));
        ASSERT_TRUE(BltFast(*expected, 8 + dx, 6 + dy, *makeKeyed(), source, key));
        ASSERT_EQ(Pixels(*surface), Pixels(*expected)) << dx << "," << dy;
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(AllFormats, BltFastEach, ::testing::ValuesIn(kFormatNames),
                         FormatTestName);

}  // namespace
