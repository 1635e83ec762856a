// The gallery's painting, bottom to top.
#include "game/GalleryPainter.h"

#include <algorithm>
#include <cstdio>
#include <string_view>

#include "paint/PlayFieldPainter.h"

namespace {

constexpr uint32_t kWhite = 0xFFFFFF;
constexpr uint32_t kBlack = 0x000000;
constexpr uint32_t kYellow = 0xFFFF00;
constexpr int kShadowOffset = 5;
constexpr int kNameTop = 110;  // below the cell's top
constexpr int kInfoTop = 130;
constexpr int kTextLineBox = 10;  // the boxes are one nominal line high; the text runs below
// Everything a puzzle writes lies within this band around its thumbnail and cell, so rows
// outside the repainted rectangle are skipped: the count above the thumbnail, five lines of
// information below the cell (a generous margin: the font's line height is the painter's).
constexpr int kTextBandAbove = 16;
constexpr int kTextBandBelow = kPuzzleRowPitch + 30;

// A cover or thumbnail: its top-left corner when centred on the cell.
struct Placed {
  int x;
  int y;
};

template <typename Item>
Placed ThumbPosition(const Item& item, const Rect& cell) {
  return {cell.left + (kGalleryCellSize - item.thumbWidthPx) / 2,
          cell.top + (kGalleryCellSize - item.thumbHeightPx) / 2};
}

// The drop shadow and then the picture of a pack or a puzzle, and its cell stored.
template <typename Item>
PaintStatus PaintPictures(Surface& back, Item& item, const Rect& cell, const Rect& clip) {
  // The cell is kept even without a picture: a puzzle shown by its texts alone can still be
  // picked where they are.
  item.cellLeft = cell.left;
  item.cellTop = cell.top;
  const Placed at = ThumbPosition(item, cell);
  PaintStatus status = PaintStatus::Done;
  if (const Surface* shadow = item.dropShadow.get()) {
    status = CopyClipped(back, shadow, shadow->Bounds(), at.x + kShadowOffset, at.y + kShadowOffset,
                         clip, BlitKey::None);
  }
  if (const Surface* thumb = item.thumb.get())
    status = status | CopyClipped(back, thumb, thumb->Bounds(), at.x, at.y, clip, BlitKey::None);
  return status;
}

bool Meets(const Rect& a, const Rect& b) {
  return !a.Intersected(b).IsEmpty();
}

// Text in black at an offset, then in a colour over it.
void ShadowedCentred(TextPainter& text, const Rect& box, std::string_view line, FontId font,
                     int offset, uint32_t rgb) {
  text.DrawTextCentred(box.Offset(offset, offset), line, font, kBlack);
  text.DrawTextCentred(box, line, font, rgb);
}

void ShadowedAt(TextPainter& text, int x, int y, std::string_view line, FontId font, int offset,
                uint32_t rgb) {
  text.DrawTextAt(x + offset, y + offset, line, font, kBlack);
  text.DrawTextAt(x, y, line, font, rgb);
}

void DrawTitle(TextPainter& text, const Rect& area, std::string_view title) {
  text.DrawTextAt(area.left + 13, area.top + 3, title, FontId::Large, kBlack);
  text.DrawTextAt(area.left + 10, area.top, title, FontId::Large, kWhite);
}

void DrawSelectionFrame(TextPainter& text, int cellLeft, int cellTop) {
  const Rect cell = Rect::FromSize(cellLeft, cellTop, kGalleryCellSize, kGalleryCellSize);
  text.FrameRect({cell.left - kSelectionFrameGap, cell.top - kSelectionFrameGap,
                  cell.right + kSelectionFrameGap, cell.bottom + kSelectionFrameGap},
                 kYellow);
}

Rect NameBox(const Rect& cell) {
  return Rect::FromSize(cell.left, cell.top + kNameTop, kGalleryCellSize, kTextLineBox);
}

Rect InfoBox(const Rect& cell) {
  return Rect::FromSize(cell.left, cell.top + kInfoTop, kGalleryCellSize, kTextLineBox);
}

const char* YesNo(uint8_t flag) {
  return flag != 0 ? "YES" : "NO";
}

void DrawPuzzleTexts(TextPainter& text, const PuzzleRecord& puzzle, const Rect& cell) {
  ShadowedCentred(text, NameBox(cell), puzzle.name, FontId::Medium, 3, kWhite);
  char line[256];
  std::snprintf(line, sizeof line, "%d", puzzle.pieceCount);
  const Placed thumb = ThumbPosition(puzzle, cell);
  ShadowedAt(text, thumb.x - 8, thumb.y - 13, line, FontId::Large, 2, kYellow);
  std::snprintf(line, sizeof line,
                "%d pieces. Solved %d%%.\nRotation: %s\nBlack'n'White: %s\nTime %dh %dm %ds\n"
                "Picture size %dx%d",
                puzzle.pieceCount, puzzle.solvedPercent, YesNo(puzzle.rotationOn),
                YesNo(puzzle.blackAndWhite), puzzle.hours, puzzle.minutes, puzzle.seconds,
                puzzle.pictureWidth, puzzle.pictureHeight);
  ShadowedCentred(text, InfoBox(cell), line, FontId::Small, 2, kWhite);
}

void DrawPackTexts(TextPainter& text, const PuzzlePack& pack, const Rect& cell) {
  ShadowedCentred(text, NameBox(cell), pack.name, FontId::Medium, 3, kWhite);
  char line[32];
  std::snprintf(line, sizeof line, "%d puzzles", static_cast<int>(pack.puzzles.size()));
  ShadowedCentred(text, InfoBox(cell), line, FontId::Small, 2, kWhite);
}

// The band of the puzzle grid that a puzzle's texts may touch.
Rect TextBand(const GalleryLayout& layout, const PuzzleRecord& puzzle, const Rect& cell) {
  const int top = std::min(cell.top, ThumbPosition(puzzle, cell).y) - kTextBandAbove;
  return {layout.puzzlesArea.left, top, layout.puzzlesArea.right, cell.top + kTextBandBelow};
}

PaintStatus PaintPuzzlePictures(const GalleryScene& scene, const Rect& clip) {
  PaintStatus status = PaintStatus::Done;
  if (PuzzlePack* pack = scene.library.currentPack) {
    for (std::size_t i = 0; i < pack->puzzles.size(); ++i) {
      const Rect cell = PuzzleCell(scene.layout, static_cast<int>(i), scene.puzzleScroll);
      status = status | PaintPictures(scene.back, *pack->puzzles[i], cell, clip);
    }
  }
  return status;
}

PaintStatus PaintPackPictures(const GalleryScene& scene, const Rect& clip) {
  PaintStatus status = PaintStatus::Done;
  for (std::size_t j = 0; j < scene.library.packs.size(); ++j) {
    const Rect cell = PackCell(static_cast<int>(j), scene.packScroll);
    status = status | PaintPictures(scene.back, *scene.library.packs[j], cell, clip);
  }
  return status;
}

void DrawPuzzleArea(const GalleryScene& scene, TextPainter& text, const Rect& clip) {
  if (clip.IsEmpty()) return;
  text.SetClip(clip);
  // Without a current pack (no packs at all) the grid is empty but keeps its title.
  if (const PuzzlePack* pack = scene.library.currentPack) {
    for (std::size_t i = 0; i < pack->puzzles.size(); ++i) {
      const Rect cell = PuzzleCell(scene.layout, static_cast<int>(i), scene.puzzleScroll);
      const PuzzleRecord& puzzle = *pack->puzzles[i];
      if (Meets(TextBand(scene.layout, puzzle, cell), clip)) DrawPuzzleTexts(text, puzzle, cell);
    }
    if (const PuzzleRecord* current = pack->currentPuzzle)
      DrawSelectionFrame(text, current->cellLeft, current->cellTop);
  }
  DrawTitle(text, scene.layout.puzzlesArea, "Puzzles:");
}

void DrawPackArea(const GalleryScene& scene, TextPainter& text, const Rect& clip) {
  if (clip.IsEmpty()) return;
  text.SetClip(clip);
  DrawTitle(text, scene.layout.packsArea, "Puzzle packs:");
  for (std::size_t j = 0; j < scene.library.packs.size(); ++j)
    DrawPackTexts(text, *scene.library.packs[j], PackCell(static_cast<int>(j), scene.packScroll));
  if (const PuzzlePack* current = scene.library.currentPack)
    DrawSelectionFrame(text, current->cellLeft, current->cellTop);
}

}  // namespace

PaintStatus PaintGallery(const GalleryScene& scene, const Rect& rect) {
  Surface& back = scene.back;
  const Rect clip = rect.Intersected(scene.layout.client).Intersected(back.Bounds());
  if (clip.IsEmpty()) return PaintStatus::Done;
  const Rect puzzlesClip = clip.Intersected(scene.layout.puzzlesArea);
  const Rect packsClip = clip.Intersected(scene.layout.packsArea);
  PaintStatus status = TileArea(back, scene.backgroundTile, scene.layout.client, clip);
  status = status | PaintPuzzlePictures(scene, puzzlesClip);
  status = status | PaintPackPictures(scene, packsClip);
  if (scene.text == nullptr) return status;
  // The texts are clipped to the repainted rectangle as well as to their area, so that nothing
  // outside it is drawn a second time over what is already shown.
  if (!scene.text->Begin(back, clip)) return status | FailureOf(back, nullptr);
  DrawPuzzleArea(scene, *scene.text, puzzlesClip);
  DrawPackArea(scene, *scene.text, packsClip);
  scene.text->End();
  return status;
}
