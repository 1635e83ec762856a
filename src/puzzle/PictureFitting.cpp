// Resampling the picture to its fitted size in every pixel format.
#include "puzzle/PictureFitting.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "puzzle/ChannelCodec.h"
#include "surface/PixelAccess.h"

namespace {

constexpr int kPlayAreaBorder = 64;

// The four samples along one axis, trunc(i * ratio + k * 0.25) for k = 0..3, span less than one
// source pixel, so they fall on at most two source pixels: `first` taken `firstCount` times and
// `first + 1` the other 4 - firstCount times.
struct SampleSpan {
  int first = 0;
  int firstCount = 4;
};

std::vector<SampleSpan> SampleSpans(int destLength, int sourceLength, float ratio) {
  std::vector<SampleSpan> spans(static_cast<std::size_t>(destLength));
  for (int i = 0; i < destLength; ++i) {
    SampleSpan& span = spans[static_cast<std::size_t>(i)];
    for (int k = 0; k < 4; ++k) {
      const float at = static_cast<float>(i) * ratio + static_cast<float>(k) * 0.25f;
      const int sample = std::min(static_cast<int>(at), sourceLength - 1);
      if (k == 0) {
        span.first = sample;
      } else if (sample != span.first) {
        span.firstCount = std::min(span.firstCount, k);
      }
    }
  }
  return spans;
}

// A channel value of `from` bits brought to `to` bits by shifting.
uint32_t Rescale(uint32_t v, int from, int to) {
  return from >= to ? v >> (from - to) : v << (to - from);
}

// The mean of 16 samples from their sum: sum * 0.0625 to the nearest integer, a half down.
uint32_t Mean(uint64_t sum) {
  return static_cast<uint32_t>((sum + 7) >> 4);
}

// The locked surfaces and sample spans of one fitting.
struct FitJob {
  const ConstSurfaceLock& source;
  const SurfaceLock& dest;
  const PixelFormatInfo& format;
  const std::vector<SampleSpan>& columns;
  const std::vector<SampleSpan>& rows;
};

// Channel sums in 16-bit lanes of one word (red 32..47, green 16..31, blue 0..15): 16 samples
// of at most 8 bits never carry from one lane into the next. For grey every channel is first
// brought to the red channel's width.
template <typename P, bool Grey>
class LaneFitter {
 public:
  explicit LaneFitter(const PixelFormatInfo& f) : codec_(f), f_(f) {}

  uint64_t Lanes(const uint8_t* p) const {
    const Channels c = codec_.Unpack(P::Read(p));
    const uint64_t green = Grey ? Rescale(c.green, f_.greenBits, f_.redBits) : c.green;
    const uint64_t blue = Grey ? Rescale(c.blue, f_.blueBits, f_.redBits) : c.blue;
    return uint64_t{c.red} << 32 | green << 16 | blue;
  }

  uint32_t Pixel(uint64_t sums) const {
    const uint64_t red = sums >> 32, green = (sums >> 16) & 0xFFFF, blue = sums & 0xFFFF;
    Channels c;
    if constexpr (Grey) {
      const uint32_t level = Mean((red + green + blue) / 3);
      c = {level, Rescale(level, f_.redBits, f_.greenBits),
           Rescale(level, f_.redBits, f_.blueBits)};
    } else {
      c = {Mean(red), Mean(green), Mean(blue)};
    }
    // Pure black is the pieces' transparent colour; the darkest visible colour stands in.
    if (c.red == 0 && c.green == 0 && c.blue == 0) c = {1, 1, 1};
    return codec_.Pack(c);
  }

 private:
  ChannelCodec<P> codec_;
  const PixelFormatInfo& f_;
};

template <typename P, bool Grey>
void FitRows(const FitJob& job) {
  const LaneFitter<P, Grey> fitter(job.format);
  const int width = static_cast<int>(job.columns.size());
  for (std::size_t y = 0; y < job.rows.size(); ++y) {
    const SampleSpan rowSpan = job.rows[y];
    const uint8_t* upper = job.source.Row(rowSpan.first);
    // A second row is read only when some samples fall on it.
    const uint8_t* lower = rowSpan.firstCount < 4 ? job.source.Row(rowSpan.first + 1) : upper;
    uint8_t* out = job.dest.Row(static_cast<int>(y));
    for (int x = 0; x < width; ++x, out += P::kBytes) {
      const SampleSpan col = job.columns[static_cast<std::size_t>(x)];
      const int left = col.first * P::kBytes;
      const int right = col.firstCount < 4 ? left + P::kBytes : left;
      const auto sumRow = [&](const uint8_t* row) {
        return fitter.Lanes(row + left) * static_cast<uint64_t>(col.firstCount) +
               fitter.Lanes(row + right) * static_cast<uint64_t>(4 - col.firstCount);
      };
      const uint64_t sums = sumRow(upper) * static_cast<uint64_t>(rowSpan.firstCount) +
                            sumRow(lower) * static_cast<uint64_t>(4 - rowSpan.firstCount);
      P::Write(out, fitter.Pixel(sums));
    }
  }
}

}  // namespace

FittedSize FitPictureSize(int width, int height, const Rect& playArea) {
  const int widthMax = playArea.Width() - kPlayAreaBorder;
  const int heightMax = playArea.Height() - kPlayAreaBorder;
  if (widthMax <= 0 || heightMax <= 0) return {0, 0, true};
  if (width < widthMax && height < heightMax) return {width, height, false};
  const float factor = std::max(static_cast<float>(width) / static_cast<float>(widthMax),
                                static_cast<float>(height) / static_cast<float>(heightMax));
  return {static_cast<int>(static_cast<float>(width) / factor),
          static_cast<int>(static_cast<float>(height) / factor), true};
}

bool FitPicture(SurfaceService& service, const Rect& playArea, std::unique_ptr<Surface>& picture,
                bool blackAndWhite) {
  if (!picture || picture->Format() != service.Format()) return false;
  const int width = picture->Width(), height = picture->Height();
  const FittedSize size = FitPictureSize(width, height, playArea);
  // Every pixel is written below.
  auto fitted = service.CreateOverwritten(size.width, size.height, SurfaceMemory::System);
  if (!fitted) return false;
  const ConstSurfaceLock source = std::as_const(*picture).Lock();
  const SurfaceLock dest = fitted->Lock();
  if (!source || !dest) return false;

  const float rx = static_cast<float>(width) / static_cast<float>(size.width);
  const float ry = static_cast<float>(height) / static_cast<float>(size.height);
  const std::vector<SampleSpan> columns = SampleSpans(size.width, width, size.scaled ? rx : 1.0f);
  const std::vector<SampleSpan> rows = SampleSpans(size.height, height, size.scaled ? ry : 1.0f);
  const FitJob job{source, dest, service.Format(), columns, rows};
  DispatchDepth(service.Format().BytesPerPixel(), [&](auto pixel) {
    if (blackAndWhite) {
      FitRows<decltype(pixel), true>(job);
    } else {
      FitRows<decltype(pixel), false>(job);
    }
    return true;
  });
  picture = std::move(fitted);
  return true;
}
