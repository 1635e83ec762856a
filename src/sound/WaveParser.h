// Finding the format and the samples of a RIFF/WAVE file.
#pragma once

#include <cstdint>
#include <vector>

#include "sound/WaveFormat.h"
#include "sound/WaveSource.h"

enum class WaveParseResult {
  Found,        // both the format and the samples
  NotWave,      // no RIFF/WAVE header
  ShortFormat,  // a format chunk below kMinWaveFormatSize bytes
  Truncated,    // the file ends, or a chunk runs past its end, before both chunks were found
};

struct ParsedWave {
  WaveParseResult result = WaveParseResult::NotWave;
  WaveFormat format;
  std::vector<uint8_t> samples;
};

// Walks the chunks in any order: the first "fmt " chunk gives the format (its first 18 bytes),
// the first non-empty "data" chunk the samples; any other chunk and repeats are skipped, and a
// chunk of odd size is followed by one pad byte. Every size is checked against the bytes left
// before anything is allocated, read or skipped, so no size in the file can make it allocate
// more than the file holds.
ParsedWave ParseWave(WaveSource& source);

const char* WaveParseResultName(WaveParseResult result);
