// The numbered bitmaps the windows draw (button faces, digits, time panel, bars, splash), as
// QImages, and the numbers themselves.
#pragma once

#include <QImage>

#include "surface/BitmapProvider.h"

inline constexpr int kIconBitmap = 128;
inline constexpr int kSplashBitmap = 216;
inline constexpr int kDigitsBitmap = 246;           // ten 19 x 28 digits side by side
inline constexpr int kTimePanelBitmap = 247;        // 180 x 32
inline constexpr int kButtonFacesBitmap = 260;      // two 90 x 23 faces: released, pressed
inline constexpr int kWideButtonFacesBitmap = 280;  // two 181 x 23 faces
inline constexpr int kEmptyBarBitmapId = 270;
inline constexpr int kFilledBarBitmapId = 271;

// The bitmap as a 32-bit image; a null image when the number is unknown.
QImage BitmapImage(const BitmapProvider& bitmaps, int id);
