// Per-depth pixel access: the pixel loops are templates on these, chosen once per call.
#pragma once

#include <cstdint>
#include <cstring>
#include <utility>

struct Pixel16 {
  static constexpr int kBytes = 2;
  static uint32_t Read(const uint8_t* p) {
    uint16_t v;
    std::memcpy(&v, p, 2);
    return v;
  }
  static void Write(uint8_t* p, uint32_t v) {
    const auto w = static_cast<uint16_t>(v);
    std::memcpy(p, &w, 2);
  }
};

// 24-bit pixels are three bytes in the order blue, green, red.
struct Pixel24 {
  static constexpr int kBytes = 3;
  static uint32_t Read(const uint8_t* p) {
    return uint32_t{p[0]} | (uint32_t{p[1]} << 8) | (uint32_t{p[2]} << 16);
  }
  static void Write(uint8_t* p, uint32_t v) {
    p[0] = static_cast<uint8_t>(v);
    p[1] = static_cast<uint8_t>(v >> 8);
    p[2] = static_cast<uint8_t>(v >> 16);
  }
};

struct Pixel32 {
  static constexpr int kBytes = 4;
  static uint32_t Read(const uint8_t* p) {
    uint32_t v;
    std::memcpy(&v, p, 4);
    return v;
  }
  static void Write(uint8_t* p, uint32_t v) { std::memcpy(p, &v, 4); }
};

// Calls f with the pixel type of the depth (2, 3 or 4 bytes a pixel); other depths return a
// default-constructed result.
template <typename F>
auto DispatchDepth(int bytesPerPixel, F&& f) {
  switch (bytesPerPixel) {
    case 2:
      return std::forward<F>(f)(Pixel16{});
    case 3:
      return std::forward<F>(f)(Pixel24{});
    case 4:
      return std::forward<F>(f)(Pixel32{});
    default:
      return decltype(std::forward<F>(f)(Pixel32{})){};
  }
}
