// Surfaces as PPM pictures, whatever their pixel format.
#pragma once

#include <filesystem>

#include "surface/Surface.h"

// The surface as a binary PPM with 8-bit channels (a channel of b bits widened as v << (8 - b)).
bool WriteSurfacePpm(const std::filesystem::path& path, const Surface& surface);
