// ReadPuzzleFile: a puzzle record from a puzzle file, with its thumbnail and saved game.
#pragma once

#include <memory>
#include <string>

#include "library/FileStatus.h"
#include "library/PuzzleFileParser.h"
#include "puzzle/PuzzleRecord.h"
#include "surface/SurfaceService.h"

// Reads the file at `path` (only its trailer, header, thumbnail, extension and piece block; the
// picture is left unread) and builds its record into `record`. A rejected file answers the
// reason and leaves `record` empty. When `droppedGame` is given it receives why a saved game
// in the file was not used (empty when none was dropped).
FileStatus ReadPuzzleFile(SurfaceService& service, const std::string& path,
                          std::unique_ptr<PuzzleRecord>& record,
                          std::string* droppedGame = nullptr);

// The record of parsed contents: header values, path, name, extension, P and B, the thumbnail
// master and its black drop-shadow master (both in system memory; the display copies are made
// when the pack becomes current), and the saved pieces and groups. A thumbnail surface that
// cannot be made is left out.
std::unique_ptr<PuzzleRecord> BuildPuzzleRecord(SurfaceService& service,
                                                const PuzzleFileContents& contents,
                                                const std::string& path);
