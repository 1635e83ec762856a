// A linear congruential sequence: cutting, arranging and the fireworks all draw from this one
// state in a fixed order, so a seed repeats a whole game.
#include "puzzle/RandomSequence.h"

namespace {

uint32_t g_randomState = 1;

}  // namespace

void SeedRandom(uint32_t seed) {
  g_randomState = seed;
}

int NextRandom() {
  g_randomState = g_randomState * 214013u + 2531011u;
  return static_cast<int>((g_randomState >> 16) & 0x7FFFu);
}
