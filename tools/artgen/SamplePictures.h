// The sample pictures for the bundled packs, with the puzzle options each is packed with.
#pragma once

#include <filesystem>

// Writes every sample picture as pictures/<pack>/<options>/<name>.bmp below `dir`, where
// <options> reads "choice<N>" followed by "-rotation" and/or "-bw", and the empty user pack's
// cover as user-cover.bmp. False when a file cannot be written.
bool WriteSamplePictures(const std::filesystem::path& dir);
