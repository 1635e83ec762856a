// Making a surface from a numbered bitmap resource.
#pragma once

#include <memory>

#include "surface/BitmapProvider.h"
#include "surface/Surface.h"
#include "surface/SurfaceService.h"

// A surface of the bitmap's size holding the bitmap, in system memory when asked, else display
// memory first. None when the resource is unknown or the surface cannot be made. The caller
// sets the colour key.
std::unique_ptr<Surface> LoadBitmapSurface(SurfaceService& service, const BitmapProvider& provider,
                                           int resourceId, bool systemMemory);
