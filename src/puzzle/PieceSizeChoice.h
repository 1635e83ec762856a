// The eight piece sizes a player can choose, largest pieces first.
#pragma once

#include <array>

struct PieceSizeChoice {
  int pieceSize;  // side of the square cell a piece covers in the fitted picture
  int overlap;    // extra width of a piece image over its cell, half beyond each side
  int maskSet;    // the set of edge masks made for pieceSize + overlap
};

inline constexpr int kPieceSizeChoiceCount = 8;

inline constexpr std::array<PieceSizeChoice, kPieceSizeChoiceCount> kPieceSizeChoices = {{
    {126, 26, 7},
    {100, 20, 6},
    {80, 16, 5},
    {66, 14, 4},
    {54, 10, 3},
    {40, 8, 2},
    {30, 6, 1},
    {20, 4, 0},
}};
