// Pixel buffers, with the huge-page hint on Linux.
#include "image/ImgPixelBuffer.h"

#include <new>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace {

// Asks for huge pages over the whole 2 MB stretches inside the buffer. Only a hint: the system
// may ignore it, and the buffer works the same either way.
void AdviseHugePages([[maybe_unused]] void* data, [[maybe_unused]] std::size_t bytes) {
#if defined(__linux__) && defined(MADV_HUGEPAGE)
  constexpr std::uintptr_t kHugePage = std::uintptr_t{2} << 20;
  const auto begin = reinterpret_cast<std::uintptr_t>(data);
  const std::uintptr_t first = (begin + kHugePage - 1) & ~(kHugePage - 1);
  const std::uintptr_t last = (begin + bytes) & ~(kHugePage - 1);
  if (last > first) madvise(reinterpret_cast<void*>(first), last - first, MADV_HUGEPAGE);
#endif
}

}  // namespace

std::unique_ptr<uint32_t[]> NewPixelBuffer(std::size_t count) {
  std::unique_ptr<uint32_t[]> pixels(new (std::nothrow) uint32_t[count]);
  if (pixels) AdviseHugePages(pixels.get(), count * sizeof(uint32_t));
  return pixels;
}
