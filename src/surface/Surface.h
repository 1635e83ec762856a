// Off-screen pixel surfaces in the display's format: masters in system memory, display copies.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>

#include "surface/MemoryBlock.h"
#include "surface/PixelFormat.h"
#include "surface/Rect.h"

enum class SurfaceMemory { System, Display };

// Pixels of a locked surface: the top-left pixel and the byte distance between rows.
template <typename Byte>
struct BasicSurfaceLock {
  Byte* bits = nullptr;
  int pitch = 0;
  explicit operator bool() const { return bits != nullptr; }
  Byte* Row(int y) const { return bits + static_cast<std::ptrdiff_t>(y) * pitch; }
};
using SurfaceLock = BasicSurfaceLock<uint8_t>;
using ConstSurfaceLock = BasicSurfaceLock<const uint8_t>;

// What the surfaces of one SurfaceService share: their pixel format (kept here once rather than
// in each of tens of thousands of surfaces), the display generation that a display change
// advances (display surfaces of an older generation are lost) and the display-memory budget.
struct DisplayMemoryState {
  PixelFormatInfo format;
  uint32_t generation = 0;
  std::size_t bytesInUse = 0;
  std::size_t byteLimit = SIZE_MAX;
};

// Where a new surface's memory comes from: a surface of kOwnBlockBytes or more gets a block of
// its own; a smaller one is carved, record and pixels, from `reservation` while it has room,
// and otherwise comes from the heap. With `blocksRefused` every block is taken as refused. With
// `overwritten` the maker writes every pixel before any is read, so reused memory is not
// cleared for it.
struct SurfaceMemorySource {
  MemoryBlock* reservation = nullptr;
  bool blocksRefused = false;
  bool overwritten = false;
  static constexpr std::size_t kOwnBlockBytes = std::size_t{1} << 20;
};

// A width x height block of pixels in one pixel format, rows `Pitch()` bytes apart; a new
// surface's pixels are all 0 unless it was made to be overwritten. A display
// surface can be lost (as after a display change): it then refuses locks and copies until
// Restore(), which gives it memory back with undefined contents for its owner to redraw.
// Masters in system memory are never lost. A surface made as a copy of another shares that
// surface's pixels until either of them is locked for writing (the writer then takes a copy
// of its own) or the copy is lost; a read-only lock never copies.
class Surface {
 public:
  // A block that cannot be had raises the memory-exhaustion path (see MemoryBlock::Make); a
  // heap that has no room leaves the surface without pixels.
  Surface(int width, int height, SurfaceMemory memory, std::shared_ptr<DisplayMemoryState> display,
          const SurfaceMemorySource& source = {});
  // A copy of `source` (size, format and pixels; not its colour key) that shares the pixels.
  // Pixels written through a lock taken before the copy was made reach both surfaces.
  Surface(const Surface& source, SurfaceMemory memory, std::shared_ptr<DisplayMemoryState> display);
  ~Surface();
  Surface(const Surface&) = delete;
  Surface& operator=(const Surface&) = delete;

  // A surface record lives in the heap, or in `block` when it has room; either way it is
  // deleted as usual, the block getting its reference back.
  static void* operator new(std::size_t size);
  static void* operator new(std::size_t size, MemoryBlock* block);
  static void operator delete(void* p);
  static void operator delete(void* p, MemoryBlock* block);
  // Bytes a surface record takes in a block.
  static std::size_t RecordFootprint();
  // Bytes the pixels of a carved surface and their bookkeeping take in a block.
  static std::size_t PixelFootprint(int width, int height, const PixelFormatInfo& format);
  // `bytes` carved from `block` with the shared count kept there too, holding what a reused
  // block held there; none when it is full.
  static std::shared_ptr<uint8_t> CarveShared(MemoryBlock& block, std::size_t bytes,
                                              std::size_t alignment);
  // What CarveShared takes of a block for `bytes`.
  static std::size_t SharedFootprint(std::size_t bytes, std::size_t alignment);

  bool HasPixels() const { return pixels_ != nullptr; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  int Pitch() const { return pitch_; }
  Rect Bounds() const { return {0, 0, width_, height_}; }
  const PixelFormatInfo& Format() const { return display_->format; }
  SurfaceMemory Memory() const { return memory_; }

  // The source colour key: pixels equal to it in their colour bits are not copied by keyed copies.
  void SetColourKey(uint32_t key) { colourKey_ = key; }
  void ClearColourKey() { colourKey_.reset(); }
  std::optional<uint32_t> ColourKey() const { return colourKey_; }

  // Empty when the surface is lost.
  SurfaceLock Lock();
  ConstSurfaceLock Lock() const;

  bool IsLost() const;
  // Gives a lost surface its memory back; the pixels are then undefined until redrawn.
  void Restore();
  // True while another surface shares these pixels.
  bool SharesPixels() const { return pixels_.use_count() > 1; }

 private:
  struct FreeDeleter {
    void operator()(uint8_t* p) const;
  };
  // Pixels carved from `block`, all 0 unless `overwritten`; false when it is full.
  bool TakeBlockPixels(MemoryBlock* block, bool overwritten);
  std::size_t ByteCount() const;
  // Gives this surface pixels of its own (a copy when `keepContents`); false without memory.
  bool TakeOwnPixels(bool keepContents);

  int width_;
  int height_;
  int pitch_;
  SurfaceMemory memory_;
  std::shared_ptr<DisplayMemoryState> display_;
  uint32_t generation_ = 0;
  std::optional<uint32_t> colourKey_;
  std::shared_ptr<uint8_t> pixels_;
};

// Row pitch for a width in a format: rows start on 16-byte boundaries.
int SurfacePitch(int width, const PixelFormatInfo& format);
