// One piece of a cut puzzle: its cell, position, tabs, rotation and images.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "puzzle/EdgeOverlay.h"
#include "surface/Surface.h"

inline constexpr int kRotationCount = 4;

// Made by cutting; owned by its puzzle record. Index r of the image arrays holds the piece turned
// r quarter turns clockwise; only index 0 exists when the puzzle has rotation off. An absent
// surface is null and an absent overlay is not IsPresent(); every user skips what is absent.
struct Piece {
  std::array<std::unique_ptr<Surface>, kRotationCount> image;
  std::array<std::unique_ptr<Surface>, kRotationCount> shadow;
  std::array<std::unique_ptr<Surface>, kRotationCount> imageMaster;
  std::array<std::unique_ptr<Surface>, kRotationCount> shadowMaster;
  // The outline word of every image pixel: 0 off the outline, else flags << 24 | colour.
  std::array<EdgeOverlay, kRotationCount> edgeOverlay;

  int32_t cellWidth = 0;
  int32_t cellHeight = 0;
  int32_t halfCellWidth = 0;
  int32_t halfCellHeight = 0;
  int32_t col = 0;
  int32_t row = 0;
  int32_t x = 0;
  int32_t y = 0;
  int32_t prevX = 0;
  int32_t prevY = 0;
  // 1: this piece's tab reaches across that side; 0: that side takes the neighbour's tab.
  uint8_t tabTop = 0;
  uint8_t tabRight = 0;
  uint8_t tabBottom = 0;
  uint8_t tabLeft = 0;
  int32_t imageWidth = 0;
  int32_t imageHeight = 0;
  int32_t rotation = 0;
  int32_t id = 0;

  // Releases the overlays and surfaces of every rotation.
  void ReleaseImages();
};
