// Making the shadow masks from the opacity of the piece images, one loop per pixel depth.
#include "puzzle/PieceShadow.h"

#include "surface/PixelAccess.h"

namespace {

template <typename P>
void WriteShadow(const SurfaceLock& lock, const OpacityMap& opacity) {
  // White is every bit of the pixel set; the colour key compares only the colour bits.
  constexpr uint32_t white = P::kBytes == 2 ? 0xFFFFu : 0xFFFFFFu;
  for (int y = 0; y < opacity.Height(); ++y) {
    uint8_t* out = lock.Row(y);
    for (int x = 0; x < opacity.Width(); ++x, out += P::kBytes) {
      P::Write(out, opacity.IsInner(x, y) ? 0 : white);
    }
  }
}

}  // namespace

void MakeShadowMask(SurfaceService& service, Piece& piece, OpacityMap& opacity) {
  const Surface* image = piece.imageMaster[0].get();
  if (!image || !opacity.Fill(*image)) return;
  // Every pixel is written below.
  auto mask = service.CreateOverwritten(image->Width(), image->Height(), SurfaceMemory::System);
  if (!mask) return;
  const SurfaceLock lock = mask->Lock();
  if (!lock) return;
  DispatchDepth(mask->Format().BytesPerPixel(), [&](auto pixel) {
    WriteShadow<decltype(pixel)>(lock, opacity);
    return true;
  });
  mask->SetColourKey(mask->Format().White());
  piece.shadow[0] = CreateDisplayCopy(service, *mask);
  piece.shadowMaster[0] = std::move(mask);
}

void MakeShadowMasks(SurfaceService& service, std::span<const std::unique_ptr<Piece>> pieces,
                     CutProgress& progress) {
  OpacityMap opacity;
  for (const auto& piece : pieces) {
    MakeShadowMask(service, *piece, opacity);
    progress.StepIt();
  }
}
