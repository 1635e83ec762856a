// Mapping blocks in huge pages where they fit, touching them in one call, and carving them.
#include "surface/MemoryBlock.h"

#include <cerrno>
#include <cstdlib>
#include <new>
#include <vector>

#if defined(__linux__)
#include <sys/mman.h>
#include <unistd.h>
#endif

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/asan_interface.h>
#define POISON_BLOCK(p, n) ASAN_POISON_MEMORY_REGION(p, n)
#define UNPOISON_BLOCK(p, n) ASAN_UNPOISON_MEMORY_REGION(p, n)
#else
#define POISON_BLOCK(p, n) ((void)(p), (void)(n))
#define UNPOISON_BLOCK(p, n) ((void)(p), (void)(n))
#endif

namespace {

constexpr std::size_t kPage = 4096;
// Under the address checker every carved piece is followed by a gap it may not touch, so that
// running over a surface's end is caught in a block as it is in the heap.
#if defined(__SANITIZE_ADDRESS__)
constexpr std::size_t kRedZone = 64;
#else
constexpr std::size_t kRedZone = 0;
#endif

// Released blocks kept for reuse: at most this many, holding at most this much in all.
constexpr std::size_t kKeptBlocks = 8;
constexpr std::size_t kKeptBytes = std::size_t{160} << 20;

// Released blocks, oldest first.
std::vector<MemoryBlock*>& KeptBlocks() {
  static std::vector<MemoryBlock*> kept;
  return kept;
}

// Every carve starts and ends on this boundary at least.
constexpr std::size_t kCarveGrain = 16;

std::size_t RoundUp(std::size_t value, std::size_t to) {
  return (value + to - 1) / to * to;
}

#if defined(__linux__)

// `bytes` (a multiple of the page) of fresh memory, starting on a 2 MiB boundary when it spans
// at least one huge page; null when the system refuses.
uint8_t* MapAligned(std::size_t bytes) {
  const bool huge = bytes >= MemoryBlock::kHugePage;
  const std::size_t slack = huge ? MemoryBlock::kHugePage : 0;
  void* p =
      mmap(nullptr, bytes + slack, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (p == MAP_FAILED) return nullptr;
  auto* start = static_cast<uint8_t*>(p);
  if (!huge) return start;
  const auto address = reinterpret_cast<std::uintptr_t>(start);
  const std::size_t head = RoundUp(address, MemoryBlock::kHugePage) - address;
  if (head > 0) munmap(start, head);
  if (slack - head > 0) munmap(start + head + bytes, slack - head);
#if defined(MADV_HUGEPAGE)
  // Only a hint: without huge pages the block works the same in small ones.
  madvise(start + head, bytes, MADV_HUGEPAGE);
#endif
  return start + head;
}

// Puts every page of the block in place at once rather than one fault at a time as it is first
// written. Kernels without the call get their pages by a write to each; false when the system
// has no memory for them.
bool Populate(uint8_t* start, std::size_t bytes) {
#if defined(MADV_POPULATE_WRITE)
  if (madvise(start, bytes, MADV_POPULATE_WRITE) == 0) return true;
  if (errno != EINVAL) return false;
#endif
  for (std::size_t at = 0; at < bytes; at += kPage) *static_cast<volatile uint8_t*>(start + at) = 0;
  return true;
}

uint8_t* MapPopulated(std::size_t bytes) {
  uint8_t* start = MapAligned(bytes);
  if (start != nullptr && !Populate(start, bytes)) {
    munmap(start, bytes);
    return nullptr;
  }
  return start;
}

void UnmapMemory(uint8_t* start, std::size_t bytes) {
  munmap(start, bytes);
}

#else

uint8_t* MapPopulated(std::size_t bytes) {
  return static_cast<uint8_t*>(std::calloc(bytes, 1));
}

void UnmapMemory(uint8_t* start, std::size_t) {
  std::free(start);
}

#endif

// What a failed operator new does: the new-handler may free memory and return, so the request
// is tried again; without a handler the failure is std::bad_alloc.
void ReportRefusal() {
  const std::new_handler handler = std::get_new_handler();
  if (handler == nullptr) throw std::bad_alloc();
  handler();
}

}  // namespace

MemoryBlock::MemoryBlock(uint8_t* mapping, std::size_t mappingSize, std::size_t headerSize)
    : mapping_(mapping),
      mappingSize_(mappingSize),
      base_(mapping + headerSize),
      size_(mappingSize - headerSize) {}

MemoryBlock* MemoryBlock::Make(std::size_t bytes, Reuse reuse, bool refused) {
  // The header is padded to a cache line, on which the first carve then starts.
  const std::size_t header = RoundUp(sizeof(MemoryBlock), 64);
  if (bytes > SIZE_MAX / 2) refused = true;
  const std::size_t mappingSize = RoundUp(header + bytes, kPage);
  if (!refused && reuse == Reuse::Reusable) {
    if (MemoryBlock* kept = TakeKept(mappingSize)) return kept;
  }
  uint8_t* mapping = nullptr;
  while ((mapping = refused ? nullptr : MapPopulated(mappingSize)) == nullptr) ReportRefusal();
  auto* block = new (mapping) MemoryBlock(mapping, mappingSize, header);
  block->reuse_ = reuse;
  POISON_BLOCK(block->base_, block->size_);
  return block;
}

void* MemoryBlock::Carve(std::size_t bytes, std::size_t alignment) {
  const std::size_t start = RoundUp(reinterpret_cast<std::uintptr_t>(base_) + used_, alignment) -
                            reinterpret_cast<std::uintptr_t>(base_);
  const std::size_t end = RoundUp(start + bytes + kRedZone, kCarveGrain);
  if (start > size_ || end > size_) return nullptr;
  used_ = end;
  ++references_;
  UNPOISON_BLOCK(base_ + start, bytes);
  return base_ + start;
}

std::size_t MemoryBlock::Footprint(std::size_t bytes, std::size_t alignment) {
  // Every carve ends on the grain, so at most alignment - grain bytes are skipped before one.
  return RoundUp(bytes + kRedZone, kCarveGrain) + alignment - kCarveGrain;
}

bool MemoryBlock::Contains(const void* p) const {
  const auto at = reinterpret_cast<std::uintptr_t>(p);
  const auto base = reinterpret_cast<std::uintptr_t>(base_);
  return at >= base && at < base + size_;
}

void MemoryBlock::DropReference() {
  if (--references_ > 0) return;
  if (reuse_ == Reuse::Reusable) {
    Keep();
  } else {
    Unmap();
  }
}

MemoryBlock* MemoryBlock::TakeKept(std::size_t mappingSize) {
  std::vector<MemoryBlock*>& kept = KeptBlocks();
  // A block much larger than asked for would hold its rest unused for as long as the new one
  // lives; fresh memory is better then.
  for (auto it = kept.begin(); it != kept.end(); ++it) {
    MemoryBlock* block = *it;
    if (block->mappingSize_ < mappingSize || block->mappingSize_ > mappingSize + mappingSize / 8) {
      continue;
    }
    kept.erase(it);
    block->used_ = 0;
    block->references_ = 1;
    block->dirty_ = true;
    return block;
  }
  return nullptr;
}

void MemoryBlock::Keep() {
  POISON_BLOCK(base_, size_);
  std::vector<MemoryBlock*>& kept = KeptBlocks();
  kept.push_back(this);
  std::size_t total = 0;
  for (const MemoryBlock* block : kept) total += block->mappingSize_;
  while (!kept.empty() && (kept.size() > kKeptBlocks || total > kKeptBytes)) {
    total -= kept.front()->mappingSize_;
    kept.front()->Unmap();
    kept.erase(kept.begin());
  }
}

void MemoryBlock::Unmap() {
  uint8_t* mapping = mapping_;
  const std::size_t mappingSize = mappingSize_;
  UNPOISON_BLOCK(base_, size_);
  this->~MemoryBlock();
  UnmapMemory(mapping, mappingSize);
}
