// The outline overlays and final piece images: the bevelled one-pixel border of every piece.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "puzzle/CutProgress.h"
#include "puzzle/Piece.h"
#include "puzzle/PieceOpacity.h"
#include "surface/SurfaceService.h"

// Moves the outline of a piece image into its overlay. Every outline pixel (opaque, with a
// transparent direct neighbour) is lit or shaded as if lit from the top left, softens the body
// pixels around it towards that colour, is stored with its weight and side flags in
// edgeOverlay[0] and leaves the image (turns black). Then image[0] is made as the display copy
// of imageMaster[0]. A piece without image gets an overlay without outline pixels. The builder
// keeps its buffers from piece to piece.
class OutlineBuilder {
 public:
  void Build(SurfaceService& service, Piece& piece);

 private:
  OpacityMap opacity_;
  std::vector<uint32_t> words_;  // all 0 between pieces
  std::vector<EdgeOverlay::Entry> outline_;
};

// The outlines of `pieces` in order, one progress step per piece.
void MakeOutlines(SurfaceService& service, std::span<const std::unique_ptr<Piece>> pieces,
                  CutProgress& progress);
