// Writing a played puzzle back into its file: the header alone in place, the saved game together
// with the header by replacement.
#pragma once

#include "library/FileStatus.h"
#include "puzzle/PuzzleRecord.h"

// Rewrites the header fields at offsets 4..11 and 16..64 from the record, in place, leaving
// every other byte of the file as it was. A header whose bytes would not change is not
// written at all, so unchanged and read-only files are not touched. Fails, without writing,
// when the file cannot be opened or its trailer no longer gives the record's P and B. A record
// that holds no game (neither live nor saved pieces) for a file that still holds one, as after
// a reset the file could not follow, has the game removed with the header written, as
// DiscardPieceBlock does, so the header never goes without it.
FileStatus UpdatePuzzleHeader(const PuzzleRecord& record);

// Writes the record's live pieces (x, y and rotation in id order) and groups (box and member
// ids in drawing order) as the piece block at the unchanged offset B, followed by the trailer,
// and the record's header fields as UpdatePuzzleHeader would. The new file is made beside the
// old one from its first B bytes and renamed over it, keeping its permissions and times, so one
// rename commits the header and the game together; the old file stays whole until then, and a
// failed save leaves it as it was. A file the process may not write is not replaced, even where
// its folder would allow the rename. Fails for a puzzle that has not been played, and like
// UpdatePuzzleHeader for a file that no longer matches its record.
FileStatus SavePieceBlock(const PuzzleRecord& record);

// Removes the saved game (the piece block) from the file and writes the record's header with it,
// by replacement as SavePieceBlock does, so a scattered puzzle starts anew in the next run too.
// A file without a piece block only has its header updated in place.
FileStatus DiscardPieceBlock(const PuzzleRecord& record);
