// Building, reading and turning the sparse outline overlays.
#include "puzzle/EdgeOverlay.h"

#include <algorithm>

#include "surface/SurfaceService.h"

namespace {

bool RowMajorBefore(const EdgeOverlay::Entry& a, const EdgeOverlay::Entry& b) {
  return a.y != b.y ? a.y < b.y : a.x < b.x;
}

uint16_t Coordinate(int v) {
  return static_cast<uint16_t>(v);
}

}  // namespace

EdgeOverlay::EdgeOverlay(int width, int height, std::size_t count, SurfaceService* memory)
    : width_(width), height_(height), count_(count) {
  if (count == 0) return;
  if (memory != nullptr) {
    if (auto carved = memory->CarveReserved(count * sizeof(Entry))) {
      entries_ = std::shared_ptr<Entry>(carved, static_cast<Entry*>(carved.get()));
      return;
    }
  }
  entries_ = std::shared_ptr<Entry>(new Entry[count], std::default_delete<Entry[]>());
}

std::size_t EdgeOverlay::ReservedBytes(std::size_t count) {
  return SurfaceService::ReservedDataBytes(count * sizeof(Entry));
}

EdgeOverlay EdgeOverlay::FromWords(int width, int height, std::span<const uint32_t> words) {
  const auto area =
      static_cast<std::size_t>(std::max(width, 0)) * static_cast<std::size_t>(std::max(height, 0));
  if (width <= 0 || height <= 0 || width > 0xFFFF || height > 0xFFFF || words.size() < area) {
    return {};
  }
  const std::span<const uint32_t> block = words.first(area);
  EdgeOverlay overlay(width, height,
                      area - static_cast<std::size_t>(std::count(block.begin(), block.end(), 0u)),
                      nullptr);
  Entry* out = overlay.entries_.get();
  for (int y = 0; y < height; ++y) {
    const uint32_t* row =
        words.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(width);
    for (int x = 0; x < width; ++x) {
      if (row[x] != 0) *out++ = {Coordinate(x), Coordinate(y), row[x]};
    }
  }
  return overlay;
}

EdgeOverlay EdgeOverlay::FromEntries(int width, int height, std::span<const Entry> entries,
                                     SurfaceService* memory) {
  if (width <= 0 || height <= 0 || width > 0xFFFF || height > 0xFFFF) return {};
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const Entry& e = entries[i];
    if (e.x >= width || e.y >= height || e.word == 0 ||
        (i > 0 && !RowMajorBefore(entries[i - 1], e))) {
      return {};
    }
  }
  EdgeOverlay overlay(width, height, entries.size(), memory);
  std::copy(entries.begin(), entries.end(), overlay.entries_.get());
  return overlay;
}

std::span<const EdgeOverlay::Entry> EdgeOverlay::Rows(int top, int bottom) const {
  const std::span<const Entry> all = Entries();
  const auto first =
      std::lower_bound(all.begin(), all.end(), top, [](const Entry& e, int y) { return e.y < y; });
  const auto last =
      std::lower_bound(first, all.end(), bottom, [](const Entry& e, int y) { return e.y < y; });
  return {first, last};
}

uint32_t EdgeOverlay::At(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
  const Entry probe{Coordinate(x), Coordinate(y), 0};
  const std::span<const Entry> all = Entries();
  const auto it = std::lower_bound(all.begin(), all.end(), probe, RowMajorBefore);
  return it != all.end() && it->x == probe.x && it->y == probe.y ? it->word : 0;
}

std::vector<uint32_t> EdgeOverlay::Words() const {
  std::vector<uint32_t> words(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_));
  for (const Entry& e : Entries()) {
    words[static_cast<std::size_t>(e.y) * static_cast<std::size_t>(width_) + e.x] = e.word;
  }
  return words;
}

EdgeOverlay::Entry EdgeOverlay::Turn(const Entry& e, int turns) const {
  switch (turns) {
    case 1:
      return {Coordinate(height_ - 1 - e.y), e.x, e.word};
    case 2:
      return {Coordinate(width_ - 1 - e.x), Coordinate(height_ - 1 - e.y), e.word};
    default:
      return {e.y, Coordinate(width_ - 1 - e.x), e.word};
  }
}

EdgeOverlay EdgeOverlay::Turned(int quarterTurns, SurfaceService* memory) const {
  const int turns = (quarterTurns % 4 + 4) % 4;
  if (turns == 0 || !IsPresent()) return *this;
  EdgeOverlay out = turns == 2 ? EdgeOverlay(width_, height_, count_, memory)
                               : EdgeOverlay(height_, width_, count_, memory);
  const std::span<const Entry> entries = Entries();
  // A counting sort by the new row. Read backwards for one and two turns and forwards for
  // three, the entries of each new row arrive from left to right, so no further sort is needed.
  std::vector<std::size_t> next(static_cast<std::size_t>(out.height_) + 1, 0);
  for (const Entry& e : entries) ++next[Turn(e, turns).y + 1u];
  for (std::size_t row = 1; row < next.size(); ++row) next[row] += next[row - 1];
  const auto place = [&](const Entry& e) {
    const Entry turned = Turn(e, turns);
    out.entries_.get()[next[turned.y]++] = turned;
  };
  if (turns == 3) {
    std::for_each(entries.begin(), entries.end(), place);
  } else {
    std::for_each(entries.rbegin(), entries.rend(), place);
  }
  return out;
}
