// Value noise on a wrapping lattice, so that textures drawn from it tile without seams.
#include "TileNoise.h"

#include <cmath>

#include "ArtRandom.h"

namespace {

double Smooth(double t) {
  return t * t * t * (t * (t * 6 - 15) + 10);
}

int Wrap(int value, int period) {
  if (period <= 0) return value;
  const int r = value % period;
  return r < 0 ? r + period : r;
}

struct Lattice {
  int periodX;
  int periodY;
  uint32_t seed;
  double At(int x, int y) const {
    return HashLattice(Wrap(x, periodX), Wrap(y, periodY), seed) * (1.0 / 4294967295.0);
  }
};

}  // namespace

double LatticeNoise(double x, double y, int periodX, int periodY, uint32_t seed) {
  const Lattice lattice{periodX, periodY, seed};
  const double fx = std::floor(x);
  const double fy = std::floor(y);
  const int ix = static_cast<int>(fx);
  const int iy = static_cast<int>(fy);
  const double tx = Smooth(x - fx);
  const double ty = Smooth(y - fy);
  const double top = lattice.At(ix, iy) + (lattice.At(ix + 1, iy) - lattice.At(ix, iy)) * tx;
  const double bottom =
      lattice.At(ix, iy + 1) + (lattice.At(ix + 1, iy + 1) - lattice.At(ix, iy + 1)) * tx;
  return top + (bottom - top) * ty;
}

double TileFbm(double u, double v, int cellsX, int cellsY, int octaves, double gain,
               uint32_t seed) {
  double sum = 0;
  double weight = 1;
  double total = 0;
  for (int octave = 0; octave < octaves; ++octave) {
    sum += weight * LatticeNoise(u * cellsX, v * cellsY, cellsX, cellsY,
                                 seed + static_cast<uint32_t>(octave));
    total += weight;
    weight *= gain;
    cellsX *= 2;
    cellsY *= 2;
  }
  return sum / total;
}
