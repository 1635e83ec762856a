// The surface service: the display's pixel format and the one helper that creates surfaces.
#pragma once

#include <cstddef>
#include <memory>

#include "surface/PixelFormat.h"
#include "surface/Surface.h"

class SurfaceService;

// While it lives, the surfaces its service makes (records and pixels, display copies' records
// too) are carved from one block made ready in full when it was made, as long as the block has
// room; see SurfaceService::Reserve. The block goes back to the system whole once this has
// ended and the last surface carved from it is released.
class SurfaceReservation {
 public:
  SurfaceReservation(SurfaceService& service, MemoryBlock* block);
  ~SurfaceReservation();
  SurfaceReservation(const SurfaceReservation&) = delete;
  SurfaceReservation& operator=(const SurfaceReservation&) = delete;

  // True when `surface`'s pixels were carved from this reservation's block.
  bool Holds(const Surface& surface) const;

 private:
  SurfaceService& service_;
  MemoryBlock* block_;
  MemoryBlock* previous_;
};

// Creates surfaces in the display's pixel format. Display memory has a budget (unlimited unless
// a test sets one); a display change, simulated by LoseDisplaySurfaces, loses every display
// surface made so far. Large surfaces get a block of memory each; many small ones made together
// share a reserved block.
class SurfaceService {
 public:
  explicit SurfaceService(const PixelFormatInfo& format);

  const PixelFormatInfo& Format() const { return format_; }

  // A new surface or none: none for sizes outside 1..kMaxSide, when memory runs out, when the
  // display budget is spent (display memory), or while creation is made to fail.
  std::unique_ptr<Surface> Create(int width, int height, SurfaceMemory memory);
  // As Create, for a surface whose maker writes every pixel before reading any: its pixels are
  // undefined until then, so memory used before is not cleared for it.
  std::unique_ptr<Surface> CreateOverwritten(int width, int height, SurfaceMemory memory);
  // A surface sharing the pixels of `source` (see Surface), under the same rules as Create;
  // none as well when `source` has no pixels, is lost or is in another format.
  std::unique_ptr<Surface> CreateSharing(const Surface& source, SurfaceMemory memory);

  // Makes one block of `bytes` ready for the surfaces made until the answer ends, sized by the
  // caller from what it is about to make (ReservedBytes, ReservedCopyBytes). A block that
  // cannot be had raises the memory-exhaustion path (see MemoryBlock::Make).
  [[nodiscard]] std::unique_ptr<SurfaceReservation> Reserve(std::size_t bytes);
  // `bytes` of memory (not cleared: the caller writes it), 16-byte aligned, for data that goes
  // with the surfaces being made,
  // carved from the innermost live reservation; none without one or when it has no room. The
  // memory goes with the last copy of the answer.
  std::shared_ptr<void> CarveReserved(std::size_t bytes);
  // What CarveReserved takes of a reservation for `bytes`.
  static std::size_t ReservedDataBytes(std::size_t bytes);
  // What a new surface of width x height takes in a reservation; a display copy of one takes
  // ReservedCopyBytes.
  std::size_t ReservedBytes(int width, int height) const;
  static std::size_t ReservedCopyBytes() { return Surface::RecordFootprint(); }

  void LoseDisplaySurfaces() { ++display_->generation; }
  void SetDisplayMemoryLimit(std::size_t bytes) { display_->byteLimit = bytes; }
  std::size_t DisplayMemoryInUse() const { return display_->bytesInUse; }
  // Makes every creation fail, so that callers' skip-what-is-missing paths can be tested.
  void SetCreationFails(bool fails) { creationFails_ = fails; }
  // Makes the system refuse every block, so that the memory-exhaustion path can be tested.
  void SetBlocksRefused(bool refused) { blocksRefused_ = refused; }

  static constexpr int kMaxSide = 32768;

 private:
  friend class SurfaceReservation;
  bool Admits(int width, int height, SurfaceMemory memory) const;
  std::unique_ptr<Surface> Make(int width, int height, SurfaceMemory memory, bool overwritten);

  PixelFormatInfo format_;
  std::shared_ptr<DisplayMemoryState> display_;
  bool creationFails_ = false;
  bool blocksRefused_ = false;
  MemoryBlock* reservation_ = nullptr;  // the block of the innermost live reservation
};

// Masters (systemMemory) are made in system memory; everything else asks for display memory
// first and falls back to system memory when that fails.
std::unique_ptr<Surface> CreateOffscreenSurface(SurfaceService& service, int width, int height,
                                                bool systemMemory);

// A display copy of `master` with the master's colour key: display memory first, system memory
// when that fails. It shares the master's pixels until either is written or the copy is lost,
// so making it copies no pixels. None when no surface can be made.
std::unique_ptr<Surface> CreateDisplayCopy(SurfaceService& service, const Surface& master);
