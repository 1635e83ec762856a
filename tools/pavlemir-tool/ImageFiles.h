// Loading and decoding a picture file for the tool's image subcommands.
#pragma once

#include "image/CImg.h"

// LoadFile then Decode (the decoder chosen by the extension); answers the first non-zero
// result code, or 0.
int LoadAndDecode(const char* path, CImg& image);

// Writes the text of `code` for `path` to standard error and answers `code`, so that it
// becomes the exit status.
int ReportResult(const char* path, int code);
