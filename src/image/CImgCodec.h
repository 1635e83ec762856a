// The binding every codec object of the picture library shares.
#pragma once

#include "image/CImg.h"

// A codec works on one CImg it does not own. Operations of an unbound codec answer 4.
class CImgCodec {
 public:
  explicit CImgCodec(CImg* image = nullptr) : m_image(image) {}

  // Binds the codec to `image`; a null pointer leaves it unbound and answers 6.
  int Bind(CImg* image) {
    m_image = image;
    return image ? IMG_OK : IMG_NO_BUFFER;
  }

 protected:
  CImg* m_image;
};
