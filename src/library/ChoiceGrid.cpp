// Counting pieces for each choice with the fit rule.
#include "library/ChoiceGrid.h"

#include "puzzle/PictureFitting.h"
#include "puzzle/PieceSizeChoice.h"

ChoiceGrid GridForChoice(int width, int height, const Rect& playArea, int choice) {
  if (choice < 0 || choice >= kPieceSizeChoiceCount) return {};
  const FittedSize fitted = FitPictureSize(width, height, playArea);
  const int pieceSize = kPieceSizeChoices[static_cast<std::size_t>(choice)].pieceSize;
  return {fitted.width / pieceSize, fitted.height / pieceSize};
}

std::optional<int> OfferedChoiceFrom(int width, int height, const Rect& playArea, int preferred) {
  for (int choice = preferred < 0 ? 0 : preferred; choice < kPieceSizeChoiceCount; ++choice) {
    if (GridForChoice(width, height, playArea, choice).Offered()) return choice;
  }
  return std::nullopt;
}

std::array<ChoiceLabel, kPieceSizeChoiceCount> ChoiceLabels(int width, int height,
                                                            const Rect& playArea) {
  std::array<ChoiceLabel, kPieceSizeChoiceCount> labels;
  for (int choice = 0; choice < kPieceSizeChoiceCount; ++choice) {
    ChoiceLabel& label = labels[static_cast<std::size_t>(choice)];
    label.grid = GridForChoice(width, height, playArea, choice);
    label.enabled = label.grid.Offered();
    if (label.enabled) label.text = std::to_string(label.grid.PieceCount()) + " pieces";
  }
  return labels;
}
