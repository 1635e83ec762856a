// The shadow masks of the pieces: black under the piece body, white (transparent) elsewhere.
#pragma once

#include <memory>
#include <span>

#include "puzzle/CutProgress.h"
#include "puzzle/Piece.h"
#include "puzzle/PieceOpacity.h"
#include "surface/SurfaceService.h"

// Makes shadowMaster[0] from imageMaster[0], keyed white: white where the image is transparent
// or on its outline, black on the body inside it; then shadow[0], its display copy. A piece
// without image, or whose mask cannot be made, gets no shadow. `opacity` is scratch.
void MakeShadowMask(SurfaceService& service, Piece& piece, OpacityMap& opacity);

// The shadow masks of `pieces` in order, one progress step per piece.
void MakeShadowMasks(SurfaceService& service, std::span<const std::unique_ptr<Piece>> pieces,
                     CutProgress& progress);
