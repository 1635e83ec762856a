// Discarding a puzzle's game so that the next play cuts and scatters it anew.
#pragma once

#include "library/FileStatus.h"
#include "puzzle/PuzzleRecord.h"

// Scatter and Play on a completed puzzle: the play data goes (the gallery data stays), the
// solved share and the time go back to 0. The file follows at once: its saved game is removed
// and its header updated in one replacement, so the old game cannot come back in the next run.
// When that fails the file is left whole as it was. Answers how the file fared; the record is
// reset either way.
FileStatus ResetPuzzle(PuzzleRecord& puzzle);
