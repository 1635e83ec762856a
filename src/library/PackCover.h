// Writing a pack's cover picture, "Thumb.jpg".
#pragma once

#include <string>

#include "library/FileStatus.h"
#include "surface/Surface.h"

// Scales the picture to fit 100 x 100 (as a puzzle thumbnail) and writes it as a baseline JPEG
// at `path`, beside and renamed over any file there.
FileStatus WritePackCover(const Surface& picture, const std::string& path);
