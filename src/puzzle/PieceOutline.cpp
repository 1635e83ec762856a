// Tracing, bevelling and classifying the outline pixels, one loop per pixel depth.
#include "puzzle/PieceOutline.h"

#include <algorithm>

#include "puzzle/ChannelCodec.h"
#include "surface/PixelAccess.h"

namespace {

// How far one bevel step moves a channel: 81 for 8-bit channels, a third of the channel's
// range for the narrower channels of 16-bit formats.
struct Bevel {
  int stepRed, stepGreen, stepBlue;
  int maxRed, maxGreen, maxBlue;
};

Bevel BevelFor(const PixelFormatInfo& f) {
  const int red = static_cast<int>(f.RedMax()), green = static_cast<int>(f.GreenMax()),
            blue = static_cast<int>(f.BlueMax());
  if (f.bitsPerPixel == 16) return {red / 3, green / 3, blue / 3, red, green, blue};
  return {81, 81, 81, red, green, blue};
}

uint32_t Lighten(uint32_t c, int step, int max) {
  return static_cast<uint32_t>(std::min(static_cast<int>(c) + step, max));
}
// A result below 0 becomes 1.
uint32_t Darken(uint32_t c, int step) {
  const int v = static_cast<int>(c) - step;
  return v < 0 ? 1u : static_cast<uint32_t>(v);
}

// The light total's sign for an outline pixel from which of its neighbours are transparent:
// positive when it faces the top left (lit), negative when it faces the bottom right.
int LightTotal(bool ul, bool u, bool ur, bool l, bool r, bool dl, bool d, bool dr) {
  const int lit = (ul && (dl || ur)) + (u && l && ul) + (l && !u && !d) + (u && !l && !r);
  const int shaded = (dr && (ur || dl)) + (d && r && dr) + (r && !d && !u) + (d && !r && !l);
  return lit - shaded;
}

constexpr uint32_t FlagBits(uint32_t flags) {
  return flags << 24;
}

// The piece's bands: s the cell side, n the overlap, H = n / 2 the margin.
struct Bands {
  int w, h, s, n, half;
};

// One piece's image, opacity and overlay words while its outline is traced; `outline` collects
// the outline pixels in the order they are met.
struct OutlineJob {
  const SurfaceLock& lock;
  const PixelFormatInfo& format;
  const OpacityMap& opacity;
  Bands bands;
  uint32_t* words;  // w x h, row-major
  std::vector<EdgeOverlay::Entry>& outline;

  uint32_t& Word(int x, int y) const {
    return words[static_cast<std::size_t>(y) * static_cast<std::size_t>(bands.w) +
                 static_cast<std::size_t>(x)];
  }
};

bool TopFlagAbove(const OutlineJob& job, int x, int y) {
  for (int row = y - 1; row >= 0; --row) {
    if (job.Word(x, row) & FlagBits(kOverlayTop)) return true;
  }
  return false;
}

// The sides an outline pixel belongs to. Near the cell's corners the position alone cannot
// tell, so the words already written in the same column decide.
uint32_t SideFlags(const OutlineJob& job, int x, int y, uint32_t weight) {
  const Bands& b = job.bands;
  uint32_t flags = weight;
  if (x <= b.n) flags |= kOverlayLeft;
  if (x >= b.s - 1) flags |= kOverlayRight;
  if (x < b.half || x >= b.s + b.half) return flags;
  if (y <= b.n) {
    if (b.n < x && x < b.s - 1) {
      flags |= kOverlayTop;
    } else if (!TopFlagAbove(job, x, y)) {
      flags = (flags & ~(kOverlayLeft | kOverlayRight)) | kOverlayTop;
    }
  }
  if (y >= b.s - 1) {
    if (x <= b.n || x >= b.s - 1) {
      for (int row = y; row >= 0; --row) job.Word(x, row) &= ~FlagBits(kOverlayBottom);
    }
    flags |= kOverlayBottom;
  }
  return flags;
}

// Visits the image row by row, each row from the left. The image is both the cut image that
// decides (opacity never changes: softened pixels stay visible) and the final one; the outline
// pixels keep their colour until the whole image has been visited.
template <typename P>
class OutlineTracer {
 public:
  explicit OutlineTracer(const OutlineJob& job)
      : job_(job), codec_(job.format), bevel_(BevelFor(job.format)) {}

  void Trace() {
    for (int y = 0; y < job_.bands.h; ++y) {
      for (int x = 0; x < job_.bands.w; ++x) {
        if (job_.opacity.IsOutline(x, y)) TraceOutlinePixel(x, y);
      }
    }
  }

  // The outline pixels leave the image: painting draws them from the overlay.
  void RemoveOutline() const {
    for (const EdgeOverlay::Entry& e : job_.outline) P::Write(At(e.x, e.y), 0);
  }

 private:
  uint8_t* At(int x, int y) const { return job_.lock.Row(y) + x * P::kBytes; }
  bool Clear(int x, int y) const { return !job_.opacity.Opaque(x, y); }

  void TraceOutlinePixel(int x, int y) {
    const bool ul = Clear(x - 1, y - 1), u = Clear(x, y - 1), ur = Clear(x + 1, y - 1);
    const bool l = Clear(x - 1, y), r = Clear(x + 1, y);
    const bool dl = Clear(x - 1, y + 1), d = Clear(x, y + 1), dr = Clear(x + 1, y + 1);
    const bool corner = (ul && u && l) || (ur && u && r) || (dr && d && r) || (dl && d && l);
    const uint32_t weight = corner ? 4 : 7;

    Channels c = codec_.Unpack(P::Read(At(x, y)));
    const int light = LightTotal(ul, u, ur, l, r, dl, d, dr);
    if (light > 0) {
      c = {Lighten(c.red, bevel_.stepRed, bevel_.maxRed),
           Lighten(c.green, bevel_.stepGreen, bevel_.maxGreen),
           Lighten(c.blue, bevel_.stepBlue, bevel_.maxBlue)};
    } else if (light < 0) {
      c = {Darken(c.red, bevel_.stepRed), Darken(c.green, bevel_.stepGreen),
           Darken(c.blue, bevel_.stepBlue)};
    }
    SoftenAround(x, y, c);
    const uint32_t flags = SideFlags(job_, x, y, weight);
    job_.Word(x, y) = FlagBits(flags) | c.red << 16 | c.green << 8 | c.blue;
    job_.outline.push_back({static_cast<uint16_t>(x), static_cast<uint16_t>(y), 0});
  }

  // The body pixels around an outline pixel move a quarter of the way to its colour; a pixel
  // next to several outline pixels is softened by each in turn.
  void SoftenAround(int x, int y, Channels outline) {
    static constexpr int kOrder[8][2] = {{-1, 0}, {1, 0},   {0, -1}, {0, 1},
                                         {-1, 1}, {-1, -1}, {1, 1},  {1, -1}};
    for (const auto& offset : kOrder) {
      const int a = x + offset[0], b = y + offset[1];
      if (a < 1 || a > job_.bands.w - 2 || b < 1 || b > job_.bands.h - 2) continue;
      if (!job_.opacity.Opaque(a, b) || job_.opacity.IsOutline(a, b)) continue;
      uint8_t* p = At(a, b);
      const Channels c = codec_.Unpack(P::Read(p));
      P::Write(p, codec_.Pack({Soften(outline.red, c.red), Soften(outline.green, c.green),
                               Soften(outline.blue, c.blue)}));
    }
  }

  static uint32_t Soften(uint32_t outline, uint32_t c) {
    const uint32_t v = (outline + 3 * c) / 4;
    return v == 0 ? 1 : v;
  }

  const OutlineJob& job_;
  ChannelCodec<P> codec_;
  Bevel bevel_;
};

// Takes the finished words of the outline pixels into their entries and leaves every word 0
// again. Words with the bottom flag keep no left or right flag.
void CollectWords(const OutlineJob& job) {
  for (EdgeOverlay::Entry& e : job.outline) {
    uint32_t& word = job.Word(e.x, e.y);
    if (word & FlagBits(kOverlayBottom)) word &= ~FlagBits(kOverlayLeft | kOverlayRight);
    e.word = word;
    word = 0;
  }
}

}  // namespace

void OutlineBuilder::Build(SurfaceService& service, Piece& piece) {
  const int w = std::max(piece.imageWidth, 0), h = std::max(piece.imageHeight, 0);
  const std::size_t area = static_cast<std::size_t>(w) * static_cast<std::size_t>(h);
  if (words_.size() < area) words_.resize(area, 0);
  outline_.clear();
  Surface* image = piece.imageMaster[0].get();
  const SurfaceLock lock = image && opacity_.Fill(*image) ? image->Lock() : SurfaceLock{};
  if (lock && image->Width() == w && image->Height() == h) {
    const int s = piece.cellWidth, n = w - s;
    const OutlineJob job{lock,          image->Format(), opacity_, {w, h, s, n, n / 2},
                         words_.data(), outline_};
    DispatchDepth(image->Format().BytesPerPixel(), [&](auto pixel) {
      OutlineTracer<decltype(pixel)> tracer(job);
      tracer.Trace();
      tracer.RemoveOutline();
      return true;
    });
    CollectWords(job);
  }
  piece.edgeOverlay[0] = EdgeOverlay::FromEntries(w, h, outline_, &service);
  if (image) piece.image[0] = CreateDisplayCopy(service, *image);
}

void MakeOutlines(SurfaceService& service, std::span<const std::unique_ptr<Piece>> pieces,
                  CutProgress& progress) {
  OutlineBuilder builder;
  for (const auto& piece : pieces) {
    builder.Build(service, *piece);
    progress.StepIt();
  }
}
