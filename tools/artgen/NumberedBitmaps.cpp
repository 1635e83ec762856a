// Every numbered bitmap the game loads, drawn in resource-number order.
#include "NumberedBitmaps.h"

#include <algorithm>

#include "BoxIcons.h"
#include "Controls.h"
#include "Sprites.h"
#include "Textures.h"
#include "TitleArt.h"

std::vector<NumberedBitmap> DrawNumberedBitmaps() {
  std::vector<NumberedBitmap> bitmaps{
      {128, DrawIcon()},           {215, DrawAboutPicture()},     {216, DrawSplash()},
      {238, DrawBoxIcon(1)},       {239, DrawBoxIcon(2)},         {240, DrawBoxIcon(3)},
      {241, DrawBoxIcon(4)},       {246, DrawDigits()},           {247, DrawTimePanel()},
      {260, DrawButtonFaces(90)},  {265, DrawBoxHandle(false)},   {266, DrawBoxHandle(true)},
      {268, DrawSparkle()},        {270, DrawProgressBar(false)}, {271, DrawProgressBar(true)},
      {280, DrawButtonFaces(181)},
  };
  for (int i = 0; i < kTextureCount; ++i) bitmaps.push_back({217 + i, DrawTexture(i)});
  for (int i = 0; i < 6; ++i) bitmaps.push_back({272 + i, DrawParticles(i)});
  std::sort(bitmaps.begin(), bitmaps.end(),
            [](const NumberedBitmap& a, const NumberedBitmap& b) { return a.id < b.id; });
  return bitmaps;
}
