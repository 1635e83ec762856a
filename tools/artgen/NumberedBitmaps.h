// Every numbered bitmap the game loads, drawn in resource-number order.
#pragma once

#include <QImage>
#include <vector>

struct NumberedBitmap {
  int id;
  QImage image;
};

std::vector<NumberedBitmap> DrawNumberedBitmaps();
