// The generator's own random numbers: a fixed-seed SplitMix64 sequence, the same on every run.
#pragma once

#include <cstdint>

// Deterministic pseudo-random numbers; every picture seeds its own sequence by name or number.
class ArtRandom {
 public:
  explicit ArtRandom(uint64_t seed) : m_state(seed) {}

  uint64_t Next() {
    uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  // Uniform in [0, 1).
  double Unit() { return static_cast<double>(Next() >> 11) * (1.0 / 9007199254740992.0); }
  double Range(double lo, double hi) { return lo + (hi - lo) * Unit(); }
  // Uniform in [0, count).
  int Below(int count) { return static_cast<int>(Next() % static_cast<uint64_t>(count)); }

 private:
  uint64_t m_state;
};

// A well-mixed hash of lattice coordinates, for noise that needs no stored table.
inline uint32_t HashLattice(int x, int y, uint32_t seed) {
  uint64_t h = static_cast<uint64_t>(static_cast<uint32_t>(x)) * 0x8DA6B343ull ^
               static_cast<uint64_t>(static_cast<uint32_t>(y)) * 0xD8163841ull ^
               static_cast<uint64_t>(seed) * 0xCB1AB31Full;
  h ^= h >> 29;
  h *= 0xBF58476D1CE4E5B9ull;
  h ^= h >> 32;
  return static_cast<uint32_t>(h);
}
