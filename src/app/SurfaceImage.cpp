// Surface pixels seen as a QImage.
#include "SurfaceImage.h"

QImage::Format ImageFormatOf(const PixelFormatInfo& format) {
  if (format == PixelFormatInfo::Rgb32()) return QImage::Format_RGB32;
  if (format == PixelFormatInfo::Rgb24()) return QImage::Format_BGR888;
  if (format == PixelFormatInfo::Rgb565()) return QImage::Format_RGB16;
  if (format == PixelFormatInfo::Rgb555()) return QImage::Format_RGB555;
  return QImage::Format_Invalid;
}

QImage WrapSurface(const Surface& surface, const SurfaceLock& lock) {
  const QImage::Format format = ImageFormatOf(surface.Format());
  if (!lock || format == QImage::Format_Invalid) return {};
  return QImage(lock.bits, surface.Width(), surface.Height(), lock.pitch, format);
}

QImage WrapSurface(const Surface& surface, const ConstSurfaceLock& lock) {
  const QImage::Format format = ImageFormatOf(surface.Format());
  if (!lock || format == QImage::Format_Invalid) return {};
  return QImage(lock.bits, surface.Width(), surface.Height(), lock.pitch, format);
}
