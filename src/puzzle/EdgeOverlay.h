// The outline overlay of one piece image: a word for each pixel on the piece's outline.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

class SurfaceService;

// Outline-overlay word: flags in bits 24..31, the outline colour in bits 0..23 (red 16..23,
// green 8..15, blue 0..7, each at the display's channel width). Flag bits:
inline constexpr uint32_t kOverlayWeightMask = 0x07;  // 7 ordinary, 4 outer corner
inline constexpr uint32_t kOverlayTop = 0x10;
inline constexpr uint32_t kOverlayBottom = 0x20;
inline constexpr uint32_t kOverlayLeft = 0x40;
inline constexpr uint32_t kOverlayRight = 0x80;

// A width x height block of overlay words that holds only its non-zero words, the ones
// painting reads: every other pixel of the block reads as 0. A default-made overlay is absent
// (no block at all), which differs from a present block without outline pixels. Sides are at
// most 65535 pixels. The words never change once made, so copies share them. Given a surface
// service, the words are carved with the piece surfaces it is making (SurfaceService::Reserve).
class EdgeOverlay {
 public:
  struct Entry {
    uint16_t x;
    uint16_t y;
    uint32_t word;
    bool operator==(const Entry&) const = default;
  };

  EdgeOverlay() = default;
  // The non-zero words of `words`, a row-major width x height block.
  static EdgeOverlay FromWords(int width, int height, std::span<const uint32_t> words);
  // A block holding `entries`, which must lie inside it in row-major order with non-zero words;
  // otherwise the overlay is absent.
  static EdgeOverlay FromEntries(int width, int height, std::span<const Entry> entries,
                                 SurfaceService* memory = nullptr);

  bool IsPresent() const { return width_ > 0 && height_ > 0; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  // The outline pixels in row-major order.
  std::span<const Entry> Entries() const { return {entries_.get(), count_}; }
  // The outline pixels of rows top..bottom - 1, in row-major order.
  std::span<const Entry> Rows(int top, int bottom) const;
  // The word of pixel (x, y): 0 when it is not on the outline.
  uint32_t At(int x, int y) const;
  // The whole block, row-major, zeros included.
  std::vector<uint32_t> Words() const;
  // The block turned by quarter turns clockwise: the word of (x, y) goes to (height - 1 - y, x)
  // for one turn, each word unchanged.
  EdgeOverlay Turned(int quarterTurns, SurfaceService* memory = nullptr) const;
  // What the words of `count` outline pixels take of a reservation.
  static std::size_t ReservedBytes(std::size_t count);

 private:
  EdgeOverlay(int width, int height, std::size_t count, SurfaceService* memory);
  Entry Turn(const Entry& e, int turns) const;

  int width_ = 0;
  int height_ = 0;
  std::shared_ptr<Entry> entries_;
  std::size_t count_ = 0;
};
