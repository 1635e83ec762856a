// The game's state as one JSON object, for the checks of play scripts.
#include <array>
#include <fstream>
#include <sstream>
#include <string>

#include "JsonText.h"
#include "PlayOutput.h"
#include "puzzle/PieceSizeChoice.h"

namespace {

// The values that come from the play state in play and from the record in the gallery.
struct ShownState {
  const char* viewMode = "Gallery";
  ClockReading clock;
  bool paused = false;
  bool ghost = false;
  bool thumbnail = false;
  std::array<bool, kCornerBoxCount> boxOpen = {};
};

ShownState FromPlay(const PlayState& state) {
  ShownState shown;
  shown.viewMode = state.mode == ViewMode::Play ? "Play" : "Celebration";
  shown.clock = state.clock.shown;
  shown.paused = state.flags.paused;
  shown.ghost = state.flags.ghost;
  shown.thumbnail = state.flags.thumbnail;
  for (std::size_t i = 0; i < shown.boxOpen.size(); ++i) shown.boxOpen[i] = state.boxes[i].open;
  return shown;
}

ShownState FromRecord(const PuzzleRecord& puzzle) {
  ShownState shown;
  shown.clock = {puzzle.hours, puzzle.minutes, puzzle.seconds};
  shown.ghost = puzzle.ghostShown != 0;
  shown.thumbnail = puzzle.thumbnailShown != 0;
  for (std::size_t i = 0; i < shown.boxOpen.size(); ++i) shown.boxOpen[i] = puzzle.boxOpen[i] != 0;
  return shown;
}

const char* Bool(bool value) {
  return value ? "true" : "false";
}

int PieceSize(const PuzzleRecord& puzzle) {
  if (!puzzle.pieces.empty()) return puzzle.pieces.front()->cellWidth;
  if (puzzle.sizeChoice < 0 || puzzle.sizeChoice >= kPieceSizeChoiceCount) return 0;
  return kPieceSizeChoices[static_cast<std::size_t>(puzzle.sizeChoice)].pieceSize;
}

void WriteGroups(std::ostream& out, const PuzzleRecord& puzzle) {
  out << "  \"groups\": [";
  const char* groupSeparator = "\n";
  for (const auto& group : puzzle.groups) {
    out << groupSeparator << "    {\"box\": " << group->box << ", \"pieces\": [";
    const char* pieceSeparator = "";
    for (const Piece* p : group->pieces) {
      out << pieceSeparator << "\n      {\"id\": " << p->id << ", \"col\": " << p->col
          << ", \"row\": " << p->row << ", \"x\": " << p->x << ", \"y\": " << p->y
          << ", \"rotation\": " << p->rotation << "}";
      pieceSeparator = ",";
    }
    out << "]}";
    groupSeparator = ",\n";
  }
  out << (puzzle.groups.empty() ? "]\n" : "\n  ]\n");
}

// A name as a JSON string, or null for none.
template <typename Item>
std::string NameOf(const Item* item) {
  return item != nullptr ? JsonString(item->name) : "null";
}

// The gallery's selection and scroll positions, which hold in every mode.
void WriteGallery(std::ostream& out, Game& game) {
  const PuzzlePack* pack = game.Library().currentPack;
  out << "  \"currentPack\": " << NameOf(pack)
      << ",\n  \"currentPuzzle\": " << NameOf(pack != nullptr ? pack->currentPuzzle : nullptr)
      << ",\n  \"packScroll\": " << game.ScrollBar(GalleryBar::Packs).position
      << ",\n  \"puzzleScroll\": " << game.ScrollBar(GalleryBar::Puzzles).position;
  out << ",\n  \"puzzles\": [";
  if (pack != nullptr) {
    for (std::size_t i = 0; i < pack->puzzles.size(); ++i)
      out << (i == 0 ? "" : ", ") << JsonString(pack->puzzles[i]->name);
  }
  const TileSettings& background = game.Background();
  out << "],\n  \"backgroundColour\": " << background.colour
      << ",\n  \"textureEnabled\": " << Bool(background.textureEnabled)
      << ",\n  \"texture\": " << background.textureIndex;
}

void WritePuzzle(std::ostream& out, const ShownState& shown, const PuzzleRecord& puzzle) {
  out << "  \"solvedPercent\": " << int{puzzle.solvedPercent} << ",\n";
  out << "  \"hours\": " << shown.clock.hours << ",\n  \"minutes\": " << shown.clock.minutes
      << ",\n  \"seconds\": " << shown.clock.seconds << ",\n";
  out << "  \"paused\": " << Bool(shown.paused) << ",\n  \"ghostShown\": " << Bool(shown.ghost)
      << ",\n  \"thumbnailShown\": " << Bool(shown.thumbnail) << ",\n  \"boxOpen\": [";
  for (std::size_t i = 0; i < shown.boxOpen.size(); ++i)
    out << (i == 0 ? "" : ", ") << Bool(shown.boxOpen[i]);
  out << "],\n  \"ghostX\": " << puzzle.ghostX << ",\n  \"ghostY\": " << puzzle.ghostY
      << ",\n  \"pieceSize\": " << PieceSize(puzzle) << ",\n  \"cols\": " << puzzle.cols
      << ",\n  \"rows\": " << puzzle.rows << ",\n  \"sizeChoice\": " << puzzle.sizeChoice
      << ",\n  \"rotationOn\": " << Bool(puzzle.rotationOn != 0)
      << ",\n  \"blackAndWhite\": " << Bool(puzzle.blackAndWhite != 0) << ",\n";
  WriteGroups(out, puzzle);
}

std::string StateText(Game& game, const ShownState& shown, const PuzzleRecord* puzzle) {
  std::ostringstream out;
  out << "{\n  \"viewMode\": \"" << shown.viewMode << "\",\n";
  WriteGallery(out, game);
  if (puzzle == nullptr) {
    out << "\n}\n";
  } else {
    out << ",\n";
    WritePuzzle(out, shown, *puzzle);
    out << "}\n";
  }
  return out.str();
}

}  // namespace

bool WriteStateJson(const std::filesystem::path& path, Game& game) {
  const PuzzleRecord* puzzle = nullptr;
  ShownState shown;
  if (game.Mode() != ViewMode::Gallery && game.OpenPuzzle() != nullptr) {
    puzzle = game.OpenPuzzle();
    shown = FromPlay(game.State());
  } else if (const PuzzlePack* pack = game.Library().currentPack) {
    puzzle = pack->currentPuzzle;
    if (puzzle != nullptr) shown = FromRecord(*puzzle);
  }
  std::ofstream file(path, std::ios::binary);
  file << StateText(game, shown, puzzle);
  return static_cast<bool>(file);
}
