// Copying and fading the ghost picture, one loop per pixel depth.
#include "puzzle/Ghost.h"

#include "puzzle/ChannelCodec.h"
#include "puzzle/PieceGrid.h"
#include "puzzle/PieceSizeChoice.h"
#include "surface/PixelAccess.h"

namespace {

// c / 3 + a third of the channel's range: 8-bit channels end up between 86 and 171.
struct Fade {
  uint32_t red, green, blue;
};

Fade FadeFor(const PixelFormatInfo& f) {
  if (f.bitsPerPixel == 16) return {f.RedMax() / 3, f.GreenMax() / 3, f.BlueMax() / 3};
  return {86, 86, 86};
}

// Copies the rectangle `source` of `from` faded into `to` at (0, 0).
template <typename P>
void FadePixels(const ConstSurfaceLock& from, const Rect& source, const SurfaceLock& to,
                const PixelFormatInfo& format) {
  const Fade fade = FadeFor(format);
  const ChannelCodec<P> codec(format);
  for (int y = 0; y < source.Height(); ++y) {
    const uint8_t* in = from.Row(source.top + y) + source.left * P::kBytes;
    uint8_t* out = to.Row(y);
    for (int x = 0; x < source.Width(); ++x, in += P::kBytes, out += P::kBytes) {
      const Channels c = codec.Unpack(P::Read(in));
      P::Write(out, codec.Pack(
                        {c.red / 3 + fade.red, c.green / 3 + fade.green, c.blue / 3 + fade.blue}));
    }
  }
}

}  // namespace

void MakeGhost(SurfaceService& service, const Rect& playArea, const Surface& picture,
               PuzzleRecord& puzzle) {
  puzzle.ghostMaster.reset();
  if (puzzle.sizeChoice < 0 || puzzle.sizeChoice >= kPieceSizeChoiceCount) return;
  const int pieceSize = kPieceSizeChoices[static_cast<std::size_t>(puzzle.sizeChoice)].pieceSize;
  const CutGrid grid = PlanCutGrid(picture.Width(), picture.Height(), pieceSize);
  const int w = grid.cols * pieceSize, h = grid.rows * pieceSize;
  puzzle.ghostSrcX = 0;
  puzzle.ghostSrcY = 0;
  puzzle.ghostWidth = w;
  puzzle.ghostHeight = h;
  puzzle.ghostX = playArea.left + (playArea.Width() - w) / 2;
  puzzle.ghostY = playArea.top + (playArea.Height() - h) / 2;

  // Every pixel is written below.
  auto ghost = service.CreateOverwritten(w, h, SurfaceMemory::System);
  if (!ghost || ghost->Format().bitsPerPixel != picture.Format().bitsPerPixel) return;
  const ConstSurfaceLock from = picture.Lock();
  const SurfaceLock to = ghost->Lock();
  if (!from || !to) return;
  DispatchDepth(ghost->Format().BytesPerPixel(), [&](auto pixel) {
    FadePixels<decltype(pixel)>(from, Rect::FromSize(grid.marginX, grid.marginY, w, h), to,
                                ghost->Format());
    return true;
  });
  puzzle.ghostMaster = std::move(ghost);
}
