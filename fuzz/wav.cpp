// Fuzz target: reading a wave file's chunks from arbitrary bytes, and mixing what was found.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <span>

#include "sound/ClipVoice.h"
#include "sound/WaveParser.h"
#include "sound/WaveSource.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // An exact-size copy, so that a read past the end of the file shows.
  std::unique_ptr<uint8_t[]> bytes(new uint8_t[size]);
  if (size > 0) std::memcpy(bytes.get(), data, size);
  MemoryWaveSource source(std::span<const uint8_t>(bytes.get(), size));
  ParsedWave wave = ParseWave(source);
  // No chunk size may make the samples larger than the file that holds them.
  if (wave.samples.size() > size) __builtin_trap();
  if (wave.result != WaveParseResult::Found || !ClipVoice::CanPlay(wave.format)) return 0;
  ClipVoice voice(wave.format, std::move(wave.samples));
  uint8_t out[4096];
  voice.Start(false);
  voice.Render(out, sizeof out);
  voice.Start(true);
  voice.Render(out, sizeof out);
  return 0;
}
