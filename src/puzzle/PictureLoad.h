// Loading a picture file (JPEG or BMP) into a surface in the display's pixel format.
#pragma once

#include <memory>
#include <string>

#include "surface/Surface.h"
#include "surface/SurfaceService.h"

// The picture at `path` as a new surface without colour key, or none. The extension picks the
// decoder: "JPG" and "JPEG" (in any case) go through the picture library's JPEG decoder, every
// other extension through the device-bitmap reader, which reads BMP files. With systemMemory
// the surface is a master in system memory, otherwise a display copy is asked for first. Every
// failure (missing or unreadable file, a picture the decoder refuses, no surface) answers none
// without a message; callers decide what to tell the player.
std::unique_ptr<Surface> LoadPictureSurface(SurfaceService& service, const std::string& path,
                                            bool systemMemory);
