// Building painting test scenes.
#include "PaintScene.h"

#include <algorithm>
#include <stdexcept>

#include "paint/PaintBitmaps.h"

std::optional<Bitmap> TestBitmaps::Load(int resourceId) const {
  const auto it = bitmaps_.find(resourceId);
  if (it == bitmaps_.end()) return std::nullopt;
  return it->second;
}

Bitmap SolidBitmap(int width, int height, uint32_t rgb) {
  return {width, height,
          std::vector<uint32_t>(static_cast<std::size_t>(width) * static_cast<std::size_t>(height),
                                rgb)};
}

uint32_t SparkleColour(int frame) {
  return static_cast<uint32_t>(10 * frame + 5) << 16 | 0xC864;
}

uint32_t ParticleColour(int sprite, int frame) {
  return static_cast<uint32_t>(40 * sprite + 10) << 16 |
         static_cast<uint32_t>(30 * frame + 10) << 8 | 77;
}

uint32_t BoxIconColour(int box) {
  return 0x00101000 | static_cast<uint32_t>(50 * box);
}

namespace {

// `frames` frames of frameWidth x height side by side, frame k of colour(k) with a black pixel
// at its top-left corner.
template <typename ColourOf>
Bitmap FrameStrip(int frames, int frameWidth, int height, ColourOf colour) {
  Bitmap strip = SolidBitmap(frames * frameWidth, height, 0);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < strip.width; ++x) {
      const bool corner = x % frameWidth == 0 && y == 0;
      strip.pixels[static_cast<std::size_t>(y * strip.width + x)] =
          corner ? 0 : colour(x / frameWidth);
    }
  }
  return strip;
}

uint32_t OverlayWord(uint32_t flags, Channels c) {
  return flags << 24 | c.red << 16 | c.green << 8 | c.blue;
}

uint32_t RingFlags(int x, int y) {
  uint32_t flags = 0;
  if (y == 0) flags |= kOverlayTop;
  if (y == kSide - 1) flags |= kOverlayBottom;
  if (x == 0) flags |= kOverlayLeft;
  if (x == kSide - 1) flags |= kOverlayRight;
  const bool corner = (x == 0 || x == kSide - 1) && (y == 0 || y == kSide - 1);
  return flags | (corner ? 4u : 7u);
}

}  // namespace

void SetStandardBitmaps(TestBitmaps& bitmaps) {
  bitmaps.Set(kSparkleBitmap, FrameStrip(16, 24, 23, SparkleColour));
  for (int i = 0; i < 6; ++i) {
    bitmaps.Set(kParticleFirstBitmap + i,
                FrameStrip(10, 12, 12, [i](int k) { return ParticleColour(i, k); }));
  }
  bitmaps.Set(kBoxHandleEmptyBitmap, SolidBitmap(32, 32, kHandleEmptyColour));
  bitmaps.Set(kBoxHandleFullBitmap, SolidBitmap(32, 32, kHandleFullColour));
  for (int box = 1; box <= 4; ++box)
    bitmaps.Set(kBoxIconFirstBitmap + box - 1, SolidBitmap(32, 32, BoxIconColour(box)));
}

PaintScene::PaintScene(const PixelFormatInfo& f, PaintMethod method) : format(f), service(f) {
  SetStandardBitmaps(bitmaps);
  resources = MakePaintResources(service, bitmaps, tiles, method);
  if (!CreateBackSurface(resources, service, 320, 240)) throw std::runtime_error("no back surface");
  LayOutPlayField(state, {0, 0, 320, 240});
  state.mode = ViewMode::Play;
  puzzle.sizeChoice = 3;
  puzzle.cols = 16;
  puzzle.rows = 16;
}

uint32_t PaintScene::FromRgb(uint32_t rgb) const {
  return format.FromRgb8(static_cast<uint8_t>(rgb >> 16), static_cast<uint8_t>(rgb >> 8),
                         static_cast<uint8_t>(rgb));
}

Channels PaintScene::OutlineChannels() const {
  return format.Unpack(FromRgb(kOutlineRgb));
}

Piece& PaintScene::AddPiece(int col, int row, int x, int y, uint32_t rgb) {
  auto piece = std::make_unique<Piece>();
  piece->id = static_cast<int>(puzzle.pieces.size());
  piece->col = col;
  piece->row = row;
  piece->x = x;
  piece->y = y;
  piece->imageWidth = piece->imageHeight = kSide;
  auto image = service.Create(kSide, kSide, SurfaceMemory::System);
  auto shadow = service.Create(kSide, kSide, SurfaceMemory::System);
  std::vector<uint32_t> words(kSide * kSide, 0);
  const Channels outline = OutlineChannels();
  for (int py = 0; py < kSide; ++py) {
    for (int px = 0; px < kSide; ++px) {
      const bool ring = px == 0 || py == 0 || px == kSide - 1 || py == kSide - 1;
      WritePixel(*image, px, py, ring ? 0 : FromRgb(rgb));
      WritePixel(*shadow, px, py, ring ? format.White() & format.colourMask : 0);
      if (ring)
        words[static_cast<std::size_t>(py * kSide + px)] = OverlayWord(RingFlags(px, py), outline);
    }
  }
  image->SetColourKey(0);
  shadow->SetColourKey(format.White());
  piece->imageMaster[0] = std::move(image);
  piece->shadowMaster[0] = std::move(shadow);
  piece->image[0] = CreateDisplayCopy(service, *piece->imageMaster[0]);
  piece->shadow[0] = CreateDisplayCopy(service, *piece->shadowMaster[0]);
  piece->edgeOverlay[0] = EdgeOverlay::FromWords(kSide, kSide, words);
  Piece& made = *piece;
  puzzle.pieces.push_back(std::move(piece));
  auto group = std::make_unique<PieceGroup>();
  group->pieces.push_back(&made);
  puzzle.groups.push_back(std::move(group));
  return made;
}

PieceGroup& PaintScene::GroupOf(const Piece& piece) {
  for (const auto& group : puzzle.groups) {
    if (std::find(group->pieces.begin(), group->pieces.end(), &piece) != group->pieces.end())
      return *group;
  }
  throw std::logic_error("piece without group");
}

void PaintScene::Join(const Piece& a, const Piece& b) {
  PieceGroup& into = GroupOf(a);
  PieceGroup& from = GroupOf(b);
  into.pieces.insert(into.pieces.end(), from.pieces.begin(), from.pieces.end());
  std::erase_if(puzzle.groups, [&](const auto& g) { return g.get() == &from; });
}

PaintContext PaintScene::Context() {
  return {service, bitmaps, tiles, format.bitsPerPixel};
}

FrameResult PaintScene::Compose(const Rect& rect) {
  return ComposeFrame(resources, Context(), state, &puzzle, rect);
}

std::string PaintFormatName(const ::testing::TestParamInfo<const char*>& info) {
  return std::string("Rgb") + info.param;
}
