// Value noise on a wrapping lattice, so that textures drawn from it tile without seams.
#pragma once

#include <cstdint>

// Smooth noise in [0, 1]. Coordinates are in lattice cells; the lattice repeats every
// periodX cells across and periodY cells down (no wrap for a period of 0).
double LatticeNoise(double x, double y, int periodX, int periodY, uint32_t seed);

// Sum of `octaves` layers of LatticeNoise, each at twice the frequency and `gain` times the
// weight of the one before, normalised to [0, 1]. u and v run over [0, 1) for one tile of
// cellsX x cellsY cells at the first octave; every octave repeats at u + 1 and v + 1.
double TileFbm(double u, double v, int cellsX, int cellsY, int octaves, double gain, uint32_t seed);
// The same with square cells.
inline double TileFbm(double u, double v, int cells, int octaves, double gain, uint32_t seed) {
  return TileFbm(u, v, cells, cells, octaves, gain, seed);
}
