// Loading, counting and writing a new puzzle.
#include "PuzzleMaking.h"

#include "library/PuzzleCreation.h"
#include "puzzle/PictureLoad.h"

FileStatus MakePuzzle(SurfaceService& service, PuzzlePack& pack, const PuzzleRequest& request,
                      int& choice, ChoiceGrid& grid) {
  const auto picture = LoadPictureSurface(service, request.picture, true);
  if (!picture) return FileStatus::Failed("cannot load the picture " + request.picture);
  const int w = picture->Width();
  const int h = picture->Height();
  choice = request.choice;
  if (request.advanceChoice)
    choice = OfferedChoiceFrom(w, h, request.playArea, request.choice).value_or(request.choice);
  grid = GridForChoice(w, h, request.playArea, choice);
  if (!grid.Offered())
    return FileStatus::Failed("the picture (" + std::to_string(w) + " x " + std::to_string(h) +
                              ") is too small for choice " + std::to_string(choice) +
                              " on this play area");
  NewPuzzle puzzle;
  puzzle.picturePath = request.picture;
  puzzle.picture = picture.get();
  puzzle.sizeChoice = choice;
  puzzle.rotationOn = request.rotation;
  puzzle.blackAndWhite = request.blackAndWhite;
  puzzle.cols = grid.cols;
  puzzle.rows = grid.rows;
  return WritePuzzleFile(service, pack, puzzle, request.name);
}
