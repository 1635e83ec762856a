// The picture chooser's preview: a picture file read at the size the preview needs, and where
// the preview frame and the Preview window show it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// A picture as the preview holds it: width x height pixels 0x00RRGGBB, top row first, possibly
// reduced from the file's own size.
struct PreviewPicture {
  std::vector<uint32_t> pixels;
  int width = 0;
  int height = 0;
  int pictureWidth = 0;  // the picture's own size, for the size label
  int pictureHeight = 0;
};

// Reads the picture at `path` for showing it fitted into a boxWidth x boxHeight box as
// PreviewFrameFit places it (a box of 0 x 0: at its full size). "JPG" and "JPEG" files, in any
// case, go through the JPEG decoder, which reduces by 2, 4 or 8 while the result still covers
// the fitted size; every other file through the device-bitmap reader (BMP) at its full size.
// None when the file cannot be read or decoded.
std::optional<PreviewPicture> LoadPreviewPicture(const std::string& path, int boxWidth,
                                                 int boxHeight);

struct PreviewSize {
  int width = 0;
  int height = 0;
  bool operator==(const PreviewSize&) const = default;
};

// The picture's place in the preview frame, from the frame's top-left corner: a picture wider
// than high takes the frame's width, any other its height, and the other side in proportion
// (truncated). The rest of the frame is filled with the button-face colour.
PreviewSize PreviewFrameFit(int frameWidth, int frameHeight, int pictureWidth, int pictureHeight);

// The Preview window's client area: the picture at 1:1 when it and the window's frame (the
// extra width and height) fit the screen, otherwise half its size, however large that still is.
struct PreviewWindowFit {
  PreviewSize client;
  bool halfSize = false;
};
PreviewWindowFit FitPreviewWindow(int pictureWidth, int pictureHeight, int extraWidth,
                                  int extraHeight, int screenWidth, int screenHeight);
