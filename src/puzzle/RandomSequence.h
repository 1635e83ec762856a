// The program's one pseudo-random sequence of integers 0..32767.
#pragma once

#include <cstdint>

inline constexpr int kRandomMax = 32767;

// Seeded once at start-up from the millisecond clock; tests seed it to repeat a run exactly.
void SeedRandom(uint32_t seed);
// The next number of the sequence, 0..32767.
int NextRandom();
