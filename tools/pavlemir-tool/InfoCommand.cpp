// pavlemir-tool info FILE.qvx: every field of a puzzle file as one JSON object.
#include <cstdio>
#include <string>

#include "JsonText.h"
#include "Subcommand.h"
#include "library/FileByteSource.h"
#include "library/PuzzleFileParser.h"
#include "library/PuzzlePaths.h"

namespace {

// Appends `"key": value` lines, comma-separated, at one indentation.
class JsonFields {
 public:
  explicit JsonFields(std::string& out) : out_(out) {}
  void Add(const char* key, const std::string& value) {
    out_ += (first_ ? "\n  " : ",\n  ") + JsonString(key) + ": " + value;
    first_ = false;
  }
  void Add(const char* key, long long value) { Add(key, std::to_string(value)); }

 private:
  std::string& out_;
  bool first_ = true;
};

void AddHeader(JsonFields& f, const PuzzleHeader& h) {
  f.Add("cellLeft", h.cellLeft);
  f.Add("cellTop", h.cellTop);
  f.Add("pictureWidth", h.pictureWidth);
  f.Add("pictureHeight", h.pictureHeight);
  f.Add("solvedPercent", h.solvedPercent);
  f.Add("pieceCount", h.pieceCount);
  f.Add("cols", h.cols);
  f.Add("rows", h.rows);
  f.Add("hours", h.hours);
  f.Add("minutes", h.minutes);
  f.Add("seconds", h.seconds);
  f.Add("sizeChoice", h.sizeChoice);
  f.Add("rotationOn", h.rotationOn);
  f.Add("blackAndWhite", h.blackAndWhite);
  std::string boxes(1, '[');
  for (std::size_t i = 0; i < h.boxOpen.size(); ++i) {
    if (i > 0) boxes += ", ";
    boxes += std::to_string(h.boxOpen[i]);
  }
  f.Add("boxOpen", boxes + "]");
  f.Add("ghostShown", h.ghostShown);
  f.Add("thumbnailShown", h.thumbnailShown);
  f.Add("thumbLeft", h.thumbLeft);
  f.Add("thumbTop", h.thumbTop);
  f.Add("thumbWidth", h.thumbWidth);
  f.Add("thumbHeight", h.thumbHeight);
  f.Add("screenHeight", h.screenHeight);
  f.Add("screenWidth", h.screenWidth);
  f.Add("displayDepth", h.displayDepth);
  f.Add("thumbWidthPx", h.thumbWidthPx);
  f.Add("thumbHeightPx", h.thumbHeightPx);
}

std::string SavedPiecesJson(const SavedGame& game) {
  std::string out = "[";
  for (std::size_t id = 0; id < game.pieces.size(); ++id) {
    const SavedPiece& p = game.pieces[id];
    out += (id == 0 ? "\n    " : ",\n    ") + std::string("{\"id\": ") + std::to_string(id) +
           ", \"x\": " + std::to_string(p.x) + ", \"y\": " + std::to_string(p.y) +
           ", \"rotation\": " + std::to_string(p.rotation) + "}";
  }
  return out + (game.pieces.empty() ? "]" : "\n  ]");
}

std::string SavedGroupsJson(const SavedGame& game) {
  std::string out = "[";
  for (std::size_t g = 0; g < game.groups.size(); ++g) {
    const SavedGroup& group = game.groups[g];
    out += (g == 0 ? "\n    " : ",\n    ") + std::string("{\"box\": ") + std::to_string(group.box) +
           ", \"ids\": [";
    for (std::size_t i = 0; i < group.ids.size(); ++i)
      out += (i == 0 ? "" : ", ") + std::to_string(group.ids[i]);
    out += "]}";
  }
  return out + (game.groups.empty() ? "]" : "\n  ]");
}

std::string ContentsJson(const std::string& path, const PuzzleFileContents& c) {
  std::string out = "{";
  JsonFields f(out);
  f.Add("name", JsonString(PuzzleNameOf(path)));
  f.Add("pictureExt", JsonString(c.pictureExt.data()));
  f.Add("pictureSize", c.pictureSize);
  f.Add("pieceBlockOffset", c.pieceBlockOffset);
  f.Add("fileLength", static_cast<long long>(c.fileLength));
  AddHeader(f, c.header);
  f.Add("savedPieces", SavedPiecesJson(c.savedGame));
  f.Add("savedGroups", SavedGroupsJson(c.savedGame));
  return out + "\n}\n";
}

int RunInfo(std::span<char*> args) {
  if (args.size() != 1) {
    std::fprintf(stderr, "usage: pavlemir-tool info FILE.qvx\n");
    return 2;
  }
  const std::string path = args[0];
  FileByteSource source;
  PuzzleFileContents contents;
  FileStatus status = source.Open(path);
  if (status) status = ParsePuzzleFile(source, contents);
  if (!status) {
    std::fprintf(stderr, "pavlemir-tool: %s: %s\n", path.c_str(), status.Reason().c_str());
    return 1;
  }
  if (!contents.droppedGame.empty())
    std::fprintf(stderr, "pavlemir-tool: %s: saved game dropped: %s\n", path.c_str(),
                 contents.droppedGame.c_str());
  std::fputs(ContentsJson(path, contents).c_str(), stdout);
  return 0;
}

const SubcommandRegistration kInfo({"info", "FILE.qvx",
                                    "print every field of a puzzle file as JSON (exit 1 and the "
                                    "reason when the file is rejected)",
                                    RunInfo});

}  // namespace
