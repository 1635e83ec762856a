// Writing what the cut subcommand made: pictures, piece images, shadows, overlays and cut.json.
#pragma once

#include <filesystem>

#include "CutStages.h"

// Writes into `dir` (made if missing) fitted.ppm, ghost.ppm, for every piece and existing
// rotation r piece-<id>-r<r>.ppm, shadow-<id>-r<r>.pgm and overlay-<id>-r<r>.bin, and cut.json.
// Answers false when a file cannot be written.
bool WriteCutFiles(const std::filesystem::path& dir, const CutOutcome& outcome,
                   const CutOptions& options);
