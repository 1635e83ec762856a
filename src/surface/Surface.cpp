// Surface memory, locking, pixels shared by copies, and the simulated loss of display surfaces.
#include "surface/Surface.h"

#include <cstdlib>
#include <cstring>
#include <new>

namespace {

// Restored display memory holds whatever was there; this fill makes a missed redraw visible.
constexpr uint8_t kUndefinedByte = 0xCD;
// Carved pixels start where the heap's would: rows are 16 bytes apart at least, so every row
// starts on that boundary.
constexpr std::size_t kPixelAlignment = 16;
// In front of every surface record: the block it was carved from, or null for the heap.
constexpr std::size_t kRecordHeader = 16;
// What the shared count of carved pixels takes (a pointer, two counts, the deleter and the
// allocator); one that turns out larger goes to the heap.
constexpr std::size_t kPixelCountBytes = 48;

// Gives the block back the reference its carved pixels held.
struct BlockDeleter {
  MemoryBlock* block;
  void operator()(uint8_t*) const { block->DropReference(); }
};

// Keeps the shared count of carved pixels in their block too, or in the heap once it is full.
template <typename T>
struct BlockAllocator {
  using value_type = T;
  explicit BlockAllocator(MemoryBlock* b) : block(b) {}
  template <typename U>
  BlockAllocator(const BlockAllocator<U>& other) : block(other.block) {}
  T* allocate(std::size_t n) {
    if (void* p = block->Carve(n * sizeof(T), 16)) return static_cast<T*>(p);
    return static_cast<T*>(::operator new(n * sizeof(T)));
  }
  void deallocate(T* p, std::size_t) {
    if (block->Contains(p)) {
      block->DropReference();
    } else {
      ::operator delete(p);
    }
  }
  template <typename U>
  bool operator==(const BlockAllocator<U>& other) const {
    return block == other.block;
  }
  MemoryBlock* block;
};

std::size_t ByteSize(int pitch, int height) {
  return static_cast<std::size_t>(pitch) * static_cast<std::size_t>(height);
}

}  // namespace

int SurfacePitch(int width, const PixelFormatInfo& format) {
  const int bytes = width * format.BytesPerPixel();
  return (bytes + 15) & ~15;
}

void Surface::FreeDeleter::operator()(uint8_t* p) const {
  std::free(p);
}

void* Surface::operator new(std::size_t size) {
  auto* header = static_cast<uint8_t*>(::operator new(kRecordHeader + size));
  std::memset(header, 0, kRecordHeader);
  return header + kRecordHeader;
}

void* Surface::operator new(std::size_t size, MemoryBlock* block) {
  auto* header = block ? static_cast<uint8_t*>(block->Carve(kRecordHeader + size, 16)) : nullptr;
  if (header == nullptr) return operator new(size);
  std::memcpy(header, &block, sizeof block);
  return header + kRecordHeader;
}

void Surface::operator delete(void* p) {
  if (p == nullptr) return;
  uint8_t* header = static_cast<uint8_t*>(p) - kRecordHeader;
  MemoryBlock* block = nullptr;
  std::memcpy(&block, header, sizeof block);
  if (block) {
    block->DropReference();
  } else {
    ::operator delete(header);
  }
}

void Surface::operator delete(void* p, MemoryBlock*) {
  operator delete(p);
}

std::size_t Surface::RecordFootprint() {
  return MemoryBlock::Footprint(kRecordHeader + sizeof(Surface), 16);
}

std::size_t Surface::PixelFootprint(int width, int height, const PixelFormatInfo& format) {
  return SharedFootprint(ByteSize(SurfacePitch(width, format), height), kPixelAlignment);
}

std::shared_ptr<uint8_t> Surface::CarveShared(MemoryBlock& block, std::size_t bytes,
                                              std::size_t alignment) {
  auto* p = static_cast<uint8_t*>(block.Carve(bytes, alignment));
  if (p == nullptr) return nullptr;
  return std::shared_ptr<uint8_t>(p, BlockDeleter{&block}, BlockAllocator<uint8_t>{&block});
}

std::size_t Surface::SharedFootprint(std::size_t bytes, std::size_t alignment) {
  return MemoryBlock::Footprint(bytes, alignment) + MemoryBlock::Footprint(kPixelCountBytes, 16);
}

Surface::Surface(int width, int height, SurfaceMemory memory,
                 std::shared_ptr<DisplayMemoryState> display, const SurfaceMemorySource& source)
    : width_(width),
      height_(height),
      pitch_(SurfacePitch(width, display->format)),
      memory_(memory),
      display_(std::move(display)) {
  // Fresh blocks hold zero pages, and so does calloc for large requests: a new surface is all 0
  // without a pass of its own, unless its block is reused.
  if (ByteCount() >= SurfaceMemorySource::kOwnBlockBytes) {
    // A picture-sized block is not kept once released: the next is seldom of its size.
    MemoryBlock* own = MemoryBlock::Make(MemoryBlock::Footprint(ByteCount(), kPixelAlignment),
                                         MemoryBlock::Reuse::Never, source.blocksRefused);
    TakeBlockPixels(own, source.overwritten);
    own->DropReference();  // the pixels hold the block from here on
  } else if (source.reservation == nullptr ||
             !TakeBlockPixels(source.reservation, source.overwritten)) {
    if (auto* bytes = static_cast<uint8_t*>(std::calloc(ByteCount(), 1))) {
      pixels_.reset(bytes, FreeDeleter{});
    }
  }
  if (memory_ == SurfaceMemory::Display) {
    generation_ = display_->generation;
    if (pixels_) display_->bytesInUse += ByteCount();
  }
}

Surface::Surface(const Surface& source, SurfaceMemory memory,
                 std::shared_ptr<DisplayMemoryState> display)
    : width_(source.width_),
      height_(source.height_),
      pitch_(source.pitch_),
      memory_(memory),
      display_(std::move(display)),
      pixels_(source.IsLost() ? nullptr : source.pixels_) {
  if (memory_ == SurfaceMemory::Display) {
    generation_ = display_->generation;
    // The budget counts a shared display copy in full: it stands for memory on the display.
    if (pixels_) display_->bytesInUse += ByteCount();
  }
}

Surface::~Surface() {
  if (memory_ == SurfaceMemory::Display && pixels_) {
    display_->bytesInUse -= ByteCount();
  }
}

std::size_t Surface::ByteCount() const {
  return ByteSize(pitch_, height_);
}

bool Surface::TakeBlockPixels(MemoryBlock* block, bool overwritten) {
  pixels_ = CarveShared(*block, ByteCount(), kPixelAlignment);
  if (pixels_ == nullptr) return false;
  // Fresh blocks are 0 already; a reused one is cleared only where it will not be overwritten.
  if (block->Dirty() && !overwritten) std::memset(pixels_.get(), 0, ByteCount());
  return true;
}

bool Surface::TakeOwnPixels(bool keepContents) {
  auto* bytes = static_cast<uint8_t*>(std::malloc(ByteCount()));
  if (!bytes) return false;
  if (keepContents) std::memcpy(bytes, pixels_.get(), ByteCount());
  pixels_.reset(bytes, FreeDeleter{});
  return true;
}

bool Surface::IsLost() const {
  return memory_ == SurfaceMemory::Display && generation_ != display_->generation;
}

SurfaceLock Surface::Lock() {
  if (!pixels_ || IsLost()) return {};
  if (SharesPixels() && !TakeOwnPixels(true)) return {};
  return {pixels_.get(), pitch_};
}

ConstSurfaceLock Surface::Lock() const {
  if (!pixels_ || IsLost()) return {};
  return {pixels_.get(), pitch_};
}

void Surface::Restore() {
  if (!IsLost()) return;
  generation_ = display_->generation;
  // A lost copy gives up what it shared; its new memory is its own.
  if (SharesPixels() && !TakeOwnPixels(false)) return;
  std::memset(pixels_.get(), kUndefinedByte, ByteCount());
}
