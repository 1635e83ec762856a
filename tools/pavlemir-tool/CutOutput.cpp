// Surfaces to Netpbm files, overlays to little-endian words, the cut's numbers to JSON.
#include "CutOutput.h"

#include <fstream>
#include <string>
#include <vector>

#include "Netpbm.h"
#include "SurfacePpm.h"
#include "puzzle/PieceSizeChoice.h"

namespace {

namespace fs = std::filesystem;

// Shadow masks: white (every colour bit set) as 255, black as 0.
bool WriteShadowPgm(const fs::path& path, const Surface& surface) {
  const ConstSurfaceLock lock = surface.Lock();
  if (!lock) return false;
  const PixelFormatInfo& f = surface.Format();
  const int bytes = f.BytesPerPixel();
  std::vector<uint8_t> grey;
  grey.reserve(static_cast<std::size_t>(surface.Width()) * surface.Height());
  for (int y = 0; y < surface.Height(); ++y) {
    const uint8_t* row = lock.Row(y);
    for (int x = 0; x < surface.Width(); ++x) {
      uint32_t v = 0;
      for (int b = 0; b < bytes; ++b) v |= uint32_t{row[x * bytes + b]} << (8 * b);
      grey.push_back((v & f.colourMask) == f.colourMask ? 255 : 0);
    }
  }
  return WritePgm(path.string(), surface.Width(), surface.Height(), grey);
}

bool WriteOverlay(const fs::path& path, const EdgeOverlay& overlay) {
  std::vector<char> bytes;
  const std::vector<uint32_t> words = overlay.Words();
  bytes.reserve(words.size() * 4);
  for (uint32_t word : words) {
    for (int b = 0; b < 4; ++b) bytes.push_back(static_cast<char>((word >> (8 * b)) & 0xFF));
  }
  std::ofstream out(path, std::ios::binary);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out);
}

std::string Name(const char* kind, int id, int r, const char* extension) {
  return std::string(kind) + "-" + std::to_string(id) + "-r" + std::to_string(r) + extension;
}

bool WritePieceFiles(const fs::path& dir, const Piece& piece) {
  for (int r = 0; r < kRotationCount; ++r) {
    const std::size_t i = static_cast<std::size_t>(r);
    if (piece.imageMaster[i] &&
        !WriteSurfacePpm(dir / Name("piece", piece.id, r, ".ppm"), *piece.imageMaster[i])) {
      return false;
    }
    if (piece.shadowMaster[i] &&
        !WriteShadowPgm(dir / Name("shadow", piece.id, r, ".pgm"), *piece.shadowMaster[i])) {
      return false;
    }
    if (piece.edgeOverlay[i].IsPresent() &&
        !WriteOverlay(dir / Name("overlay", piece.id, r, ".bin"), piece.edgeOverlay[i])) {
      return false;
    }
  }
  return true;
}

void WriteField(std::ofstream& out, const char* name, long long value, bool last = false) {
  out << "  \"" << name << "\": " << value << (last ? "\n" : ",\n");
}

bool WriteJson(const fs::path& path, const CutOutcome& outcome, const CutOptions& options) {
  const PieceSizeChoice& size = kPieceSizeChoices[static_cast<std::size_t>(options.choice)];
  const PuzzleRecord& puzzle = outcome.puzzle;
  std::ofstream out(path);
  out << "{\n";
  WriteField(out, "cols", outcome.grid.cols);
  WriteField(out, "rows", outcome.grid.rows);
  WriteField(out, "marginX", outcome.grid.marginX);
  WriteField(out, "marginY", outcome.grid.marginY);
  WriteField(out, "pieceSize", size.pieceSize);
  WriteField(out, "overlap", size.overlap);
  WriteField(out, "maskSet", size.maskSet);
  WriteField(out, "progressRange", outcome.progressRange);
  WriteField(out, "progressSteps", outcome.progressSteps);
  WriteField(out, "ghostX", puzzle.ghostX);
  WriteField(out, "ghostY", puzzle.ghostY);
  WriteField(out, "ghostWidth", puzzle.ghostWidth);
  WriteField(out, "ghostHeight", puzzle.ghostHeight);
  out << "  \"pieces\": [";
  for (std::size_t i = 0; i < puzzle.pieces.size(); ++i) {
    const Piece& p = *puzzle.pieces[i];
    out << (i == 0 ? "\n" : ",\n") << "    {\"id\": " << p.id << ", \"col\": " << p.col
        << ", \"row\": " << p.row << ", \"x\": " << p.x << ", \"y\": " << p.y
        << ", \"rotation\": " << p.rotation << ", \"tabTop\": " << int{p.tabTop}
        << ", \"tabRight\": " << int{p.tabRight} << ", \"tabBottom\": " << int{p.tabBottom}
        << ", \"tabLeft\": " << int{p.tabLeft} << ", \"imageWidth\": " << p.imageWidth
        << ", \"imageHeight\": " << p.imageHeight << "}";
  }
  out << (puzzle.pieces.empty() ? "]\n" : "\n  ]\n") << "}\n";
  return static_cast<bool>(out);
}

}  // namespace

bool WriteCutFiles(const fs::path& dir, const CutOutcome& outcome, const CutOptions& options) {
  std::error_code error;
  fs::create_directories(dir, error);
  const PuzzleRecord& puzzle = outcome.puzzle;
  if (puzzle.picture && !WriteSurfacePpm(dir / "fitted.ppm", *puzzle.picture)) return false;
  if (puzzle.ghostMaster && !WriteSurfacePpm(dir / "ghost.ppm", *puzzle.ghostMaster)) {
    return false;
  }
  for (const auto& piece : puzzle.pieces) {
    if (!WritePieceFiles(dir, *piece)) return false;
  }
  return WriteJson(dir / "cut.json", outcome, options);
}
