// The chunk walk of a wave file.
#include "sound/WaveParser.h"

#include <algorithm>

namespace {

constexpr uint32_t kRiffId = 0x46464952;    // "RIFF"
constexpr uint32_t kWaveId = 0x45564157;    // "WAVE"
constexpr uint32_t kFormatId = 0x20746D66;  // "fmt "
constexpr uint32_t kDataId = 0x61746164;    // "data"

bool ReadWord(WaveSource& source, uint32_t& word) {
  uint8_t bytes[4];
  if (!source.Read(bytes, sizeof bytes)) return false;
  word = uint32_t{bytes[0]} | uint32_t{bytes[1]} << 8 | uint32_t{bytes[2]} << 16 |
         uint32_t{bytes[3]} << 24;
  return true;
}

bool ReadFormat(WaveSource& source, uint32_t size, WaveFormat& format) {
  uint8_t body[kWaveFormatSize];
  const std::size_t kept = std::min<std::size_t>(size, kWaveFormatSize);
  if (!source.Read(body, kept) || !source.Skip(size - kept)) return false;
  format = DecodeWaveFormat(body, kept);
  return true;
}

bool ReadSamples(WaveSource& source, uint32_t size, std::vector<uint8_t>& samples) {
  if (size > source.Remaining()) return false;
  samples.resize(size);
  return source.Read(samples.data(), size);
}

}  // namespace

WaveFormat DecodeWaveFormat(const uint8_t* bytes, std::size_t size) {
  uint8_t body[kWaveFormatSize] = {};
  std::copy_n(bytes, std::min(size, kWaveFormatSize), body);
  const auto half = [&body](int at) { return static_cast<uint16_t>(body[at] | body[at + 1] << 8); };
  const auto word = [&half](int at) { return uint32_t{half(at)} | uint32_t{half(at + 2)} << 16; };
  return {half(0), half(2), word(4), word(8), half(12), half(14), half(16)};
}

ParsedWave ParseWave(WaveSource& source) {
  ParsedWave wave;
  uint32_t riff = 0, riffSize = 0, form = 0;
  if (!ReadWord(source, riff) || !ReadWord(source, riffSize) || !ReadWord(source, form) ||
      riff != kRiffId || form != kWaveId) {
    return wave;
  }
  bool formatRead = false;
  for (;;) {
    uint32_t id = 0, size = 0;
    if (!ReadWord(source, id) || !ReadWord(source, size) || size > source.Remaining()) {
      wave.result = WaveParseResult::Truncated;
      return wave;
    }
    bool read = true;
    if (id == kFormatId && !formatRead) {
      if (size < kMinWaveFormatSize) {
        wave.result = WaveParseResult::ShortFormat;
        return wave;
      }
      read = ReadFormat(source, size, wave.format);
      formatRead = true;
      if (read && !wave.samples.empty()) break;
    } else if (id == kDataId && wave.samples.empty()) {
      read = ReadSamples(source, size, wave.samples);
      if (read && formatRead) break;
    } else {
      read = source.Skip(size);
    }
    // The pad byte may be missing at the very end of a file; nothing follows it anyway.
    if (!read) {
      wave.result = WaveParseResult::Truncated;
      return wave;
    }
    if (size % 2 != 0) source.Skip(1);
  }
  wave.result = WaveParseResult::Found;
  return wave;
}

const char* WaveParseResultName(WaveParseResult result) {
  switch (result) {
    case WaveParseResult::Found:
      return "found";
    case WaveParseResult::NotWave:
      return "not a RIFF/WAVE file";
    case WaveParseResult::ShortFormat:
      return "format chunk shorter than 14 bytes";
    case WaveParseResult::Truncated:
      return "ends before both the format and the data chunk";
  }
  return "";
}
