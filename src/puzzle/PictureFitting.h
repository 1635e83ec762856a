// Fitting a loaded picture to the play field: scaled to fit, grey when asked, no pure black.
#pragma once

#include <memory>

#include "surface/Rect.h"
#include "surface/Surface.h"
#include "surface/SurfaceService.h"

// The size a picture takes on the play field.
struct FittedSize {
  int width = 0;
  int height = 0;
  bool scaled = false;  // the picture is resampled (also when the factor comes out as 1)
};

// The size a width x height picture takes on the play area: unchanged when it is narrower and
// lower than the play area less 64 pixels each way, else scaled by one single-precision factor
// so that it fits. The options dialog counts pieces by the same rule. A play area without room
// (64 pixels or less either way) gives 0 x 0.
FittedSize FitPictureSize(int width, int height, const Rect& playArea);

// Replaces `picture` by a new system-memory surface of the fitted size: each pixel the rounded
// mean of 16 samples, grey for a black-and-white puzzle, and never pure black (the piece images'
// transparent colour). Answers false and leaves `picture` as it is when no fitted surface can be
// made or a surface cannot be locked.
bool FitPicture(SurfaceService& service, const Rect& playArea, std::unique_ptr<Surface>& picture,
                bool blackAndWhite);
