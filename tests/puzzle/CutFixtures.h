// Test fixtures for cutting: random pictures and whole cuts in any pixel format.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "puzzle/CutProgress.h"
#include "puzzle/EdgeMasks.h"
#include "puzzle/Piece.h"
#include "puzzle/PieceGrid.h"
#include "surface/SurfaceService.h"

// A system-memory picture of random colours (never pure black) in the service's format.
std::unique_ptr<Surface> RandomPicture(SurfaceService& service, int width, int height,
                                       uint32_t seed);

// The channels of one pixel, each at its own width.
Channels PixelChannels(const Surface& surface, int x, int y);

// A picture cut with one size choice: the fitted picture is used as it is.
struct CutResult {
  std::unique_ptr<Surface> picture;
  EdgeMaskSurfaces masks;
  CutGrid grid;
  CountingProgress progress;
  int pieceSize = 0;
  int overlap = 0;
  int count = 0;
  std::vector<std::unique_ptr<Piece>> pieces;
};

std::unique_ptr<CutResult> CutRandomPicture(SurfaceService& service, int width, int height,
                                            int choice, bool rotationOn, uint32_t seed);

// True when the piece covers the pixel (x, y) of its image: opaque there or on its outline.
bool Covers(const Piece& piece, int x, int y);
