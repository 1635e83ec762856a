// OpenEmbeddedPicture: the picture at the start of a puzzle file as a surface.
#pragma once

#include <memory>

#include "library/FileStatus.h"
#include "puzzle/PuzzleRecord.h"
#include "surface/Surface.h"
#include "surface/SurfaceService.h"

// Loads the picture (the first pictureSize bytes of the puzzle file) as a system-memory surface
// with the picture loader, which picks its decoder by the record's pictureExt. The puzzle file
// itself is never renamed or changed: its picture bytes are copied to a temporary file that
// carries the extension, and that file is removed after loading. So a crash while a picture
// is decoded, or a pack the player cannot write to, never costs the puzzle.
FileStatus OpenEmbeddedPicture(SurfaceService& service, const PuzzleRecord& record,
                               std::unique_ptr<Surface>& picture);
