// The grid a piece-count choice gives a picture: the options dialog's fit rule.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "puzzle/PieceSizeChoice.h"
#include "surface/Rect.h"

// Columns and rows of whole cells in the fitted picture. A choice is offered only when it gives
// at least 2 columns and 2 rows.
struct ChoiceGrid {
  int cols = 0;
  int rows = 0;
  bool Offered() const { return cols > 1 && rows > 1; }
  int PieceCount() const { return cols * rows; }
};

// The grid of `choice` (0..7) for a width x height picture fitted to the play area; no cells
// for a choice out of range.
ChoiceGrid GridForChoice(int width, int height, const Rect& playArea, int choice);

// The options dialog's selection: `preferred` when it is offered, else the first offered choice
// after it; none when no choice from `preferred` on is offered.
std::optional<int> OfferedChoiceFrom(int width, int height, const Rect& playArea, int preferred);

// One radio button of the options dialog: "N pieces" and enabled when the choice is offered,
// else an empty label, disabled.
struct ChoiceLabel {
  std::string text;
  bool enabled = false;
  ChoiceGrid grid;
};
std::array<ChoiceLabel, kPieceSizeChoiceCount> ChoiceLabels(int width, int height,
                                                            const Rect& playArea);
