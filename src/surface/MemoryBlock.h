// Large blocks of surface memory taken from the system whole and touched in bulk.
#pragma once

#include <cstddef>
#include <cstdint>

// One block of memory whose pages are already in place: first-touch page faults one by one cost
// more than the work done on a piece, so a block asks the system for all of them at once, in
// huge pages where they fit. Pieces are carved off the front; each carved piece and the maker
// hold one reference. When the last is dropped the block goes back to the system whole, or, when
// it was made Reusable, is kept for the next reusable block of about its size (the next
// puzzle's pieces), up to a few blocks, the oldest going back beyond that. A fresh block is all
// 0; a reused one is Dirty: what is carved from it holds what was there before. One thread
// only, like the surfaces.
class MemoryBlock {
 public:
  // A block of at least `bytes`, holding one reference for the caller. When the system refuses
  // the memory this reports it as a failed operator new does: through the installed new-handler
  // (the game's memory-exhaustion path), or std::bad_alloc when there is none. With
  // `refused` the system is taken to refuse, so tests can reach that path.
  enum class Reuse { Never, Reusable };
  static MemoryBlock* Make(std::size_t bytes, Reuse reuse, bool refused = false);

  MemoryBlock(const MemoryBlock&) = delete;
  MemoryBlock& operator=(const MemoryBlock&) = delete;

  // `bytes` aligned to `alignment` (a power of two from 16 to 4096) with one more reference on
  // the block, or null when the rest of the block is too small.
  void* Carve(std::size_t bytes, std::size_t alignment);
  // The most a carve of `bytes` at `alignment` takes from a block, the gap before it included:
  // a block made for the sum of the footprints holds every one of those carves.
  static std::size_t Footprint(std::size_t bytes, std::size_t alignment);
  bool Contains(const void* p) const;
  std::size_t Free() const { return size_ - used_; }
  bool Dirty() const { return dirty_; }

  void AddReference() { ++references_; }
  // Gives the block back to the system when this was the last reference.
  void DropReference();

  // Blocks this large or larger are asked for in 2 MiB pages where the system has them.
  static constexpr std::size_t kHugePage = std::size_t{2} << 20;

 private:
  MemoryBlock(uint8_t* mapping, std::size_t mappingSize, std::size_t headerSize);
  ~MemoryBlock() = default;
  // A kept block of `mappingSize` or a little more, ready again; null when none is kept.
  static MemoryBlock* TakeKept(std::size_t mappingSize);
  // Keeps this block for reuse, giving the oldest kept blocks back beyond the limit.
  void Keep();
  void Unmap();

  uint8_t* mapping_;         // what was mapped, the block's header at its start
  std::size_t mappingSize_;  // bytes mapped
  uint8_t* base_;            // the first byte handed out
  std::size_t size_;         // bytes that can be handed out
  std::size_t used_ = 0;
  std::size_t references_ = 1;
  bool dirty_ = false;
  Reuse reuse_ = Reuse::Never;
};
