// A QImage over a surface's own pixels, in the surface's format, without copying them.
#pragma once

#include <QImage>

#include "surface/Surface.h"

// The QImage format of a pixel format: 32-bit RGB, 24-bit BGR bytes, 5-6-5 or 5-5-5; Invalid
// for anything else.
QImage::Format ImageFormatOf(const PixelFormatInfo& format);

// Wraps the pixels of `lock` (a lock of `surface`); the image is valid only while the lock's
// pixels are, and null when the surface is lost or of an unknown format.
QImage WrapSurface(const Surface& surface, const SurfaceLock& lock);
QImage WrapSurface(const Surface& surface, const ConstSurfaceLock& lock);
