// The wave format record of a sound: the first 18 bytes of a wave file's format chunk.
#pragma once

#include <cstddef>
#include <cstdint>

// Laid out like the standard wave format header; format chunks longer than this keep only these
// fields, and a 14-byte chunk leaves the bits per sample and the extra size at 0.
struct WaveFormat {
  uint16_t formatTag = 0;
  uint16_t channels = 0;
  uint32_t samplesPerSecond = 0;
  uint32_t averageBytesPerSecond = 0;
  uint16_t blockAlign = 0;
  uint16_t bitsPerSample = 0;
  uint16_t extraSize = 0;
};

inline constexpr std::size_t kWaveFormatSize = 18;
// Format chunks shorter than this are refused.
inline constexpr std::size_t kMinWaveFormatSize = 14;

inline constexpr uint16_t kWaveFormatPcm = 1;
inline constexpr uint16_t kWaveFormatFloat = 3;

// The record from up to kWaveFormatSize little-endian bytes; fields past `size` stay 0.
WaveFormat DecodeWaveFormat(const uint8_t* bytes, std::size_t size);
