// Colour-keyed copies of a piece image into a full-screen frame, in every display depth.
#include <benchmark/benchmark.h>

#include <array>
#include <cstdint>
#include <cstdlib>
#include <memory>

#include "surface/Blit.h"
#include "surface/PixelAccess.h"
#include "surface/SurfaceService.h"

namespace {

constexpr int kPieceSide = 152;
constexpr int kBody = 126;
constexpr int kMargin = (kPieceSide - kBody) / 2;
constexpr int kTabRadius = 12;

bool InCircle(int x, int y, int cx, int cy, int r) {
  return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= r * r;
}

// A jigsaw-like piece: a square body with tabs on the left and top, hollows on the right and
// bottom, transparent black around it (about a third of the image).
bool IsOpaque(int x, int y) {
  const int mid = kPieceSide / 2;
  const int lo = kMargin, hi = kPieceSide - kMargin;
  if (InCircle(x, y, lo, mid, kTabRadius) || InCircle(x, y, mid, lo, kTabRadius)) return true;
  if (InCircle(x, y, hi, mid, kTabRadius) || InCircle(x, y, mid, hi, kTabRadius)) return false;
  return x >= lo && x < hi && y >= lo && y < hi;
}

std::unique_ptr<Surface> MakePiece(SurfaceService& service) {
  auto piece = CreateOffscreenSurface(service, kPieceSide, kPieceSide, false);
  const PixelFormatInfo& f = service.Format();
  const SurfaceLock lock = piece->Lock();
  DispatchDepth(f.BytesPerPixel(), [&](auto p) {
    using P = decltype(p);
    for (int y = 0; y < kPieceSide; ++y) {
      for (int x = 0; x < kPieceSide; ++x) {
        // Opaque pixels are never black: their blue channel is at least 1.
        const uint32_t pixel = IsOpaque(x, y)
                                   ? f.Pack({static_cast<uint32_t>(x), static_cast<uint32_t>(y),
                                             1 + static_cast<uint32_t>(x + y) % f.BlueMax()})
                                   : 0;
        P::Write(lock.Row(y) + x * P::kBytes, pixel);
      }
    }
    return true;
  });
  piece->SetColourKey(0);
  return piece;
}

void BM_KeyedPieceCopy(benchmark::State& state, const char* formatName) {
  SurfaceService service(*PixelFormatInfo::FromName(formatName));
  auto frame = CreateOffscreenSurface(service, 1920, 1080, false);
  auto piece = MakePiece(service);
  // Pieces lie all over the frame, so the destination rows are not always in the cache.
  std::array<std::array<int, 2>, 64> places{};
  uint32_t seed = 12345;
  for (auto& place : places) {
    seed = seed * 1664525u + 1013904223u;
    place = {static_cast<int>((seed >> 8) % (1920 - kPieceSide)),
             static_cast<int>((seed >> 20) % (1080 - kPieceSide))};
  }
  const Rect source = piece->Bounds();
  std::size_t next = 0;
  for (auto _ : state) {
    const auto& place = places[next++ % places.size()];
    if (!BltFast(*frame, place[0], place[1], *piece, source, BlitKey::Source)) {
      state.SkipWithError("copy refused");
      break;
    }
    benchmark::ClobberMemory();
  }
  state.counters["per_pixel"] =
      benchmark::Counter(kPieceSide * kPieceSide, benchmark::Counter::kIsIterationInvariantRate |
                                                      benchmark::Counter::kInvert);
}

BENCHMARK_CAPTURE(BM_KeyedPieceCopy, 555, "555");
BENCHMARK_CAPTURE(BM_KeyedPieceCopy, 565, "565");
BENCHMARK_CAPTURE(BM_KeyedPieceCopy, 24, "24");
BENCHMARK_CAPTURE(BM_KeyedPieceCopy, 32, "32");

}  // namespace
