// The fixed sizes of the LZARI coder: window, match lengths, symbols and coder precision.
#pragma once

#include <cstdint>

// The sliding window holds the last kLzariWindow bytes; matches are kLzariMinMatch to
// kLzariMaxMatch bytes long. Before coding, the window holds spaces up to kLzariStart.
inline constexpr int kLzariWindow = 4096;
inline constexpr int kLzariMaxMatch = 60;
inline constexpr int kLzariThreshold = 2;
inline constexpr int kLzariMinMatch = kLzariThreshold + 1;
inline constexpr int kLzariStart = kLzariWindow - kLzariMaxMatch;
inline constexpr uint8_t kLzariFill = 0x20;

// Symbols 0..255 are literal bytes, 256..313 matches of 3..60 bytes (symbol = 253 + length).
inline constexpr int kLzariSymbols = 256 - kLzariThreshold + kLzariMaxMatch;
inline constexpr int kLzariMatchSymbolBase = 255 - kLzariThreshold;

// The adaptive symbol counts are halved when their total reaches this.
inline constexpr uint32_t kLzariMaxTotal = 0x7FFF;

// Arithmetic coder with 17-bit registers.
inline constexpr uint32_t kLzariQuarter = 0x8000;
inline constexpr uint32_t kLzariHalf = 2 * kLzariQuarter;
inline constexpr uint32_t kLzariThreeQuarters = 3 * kLzariQuarter;
inline constexpr uint32_t kLzariTop = 4 * kLzariQuarter;
inline constexpr int kLzariRegisterBits = 17;
