// Reading wave files: chunks in any order, pad bytes, long and short format chunks, and sizes
// that the file cannot hold.
#include "sound/WaveParser.h"

#include <gtest/gtest.h>

#include "WaveBytes.h"

namespace {

const Bytes kSamples{1, 2, 3, 4, 5, 6};

ParsedWave Parse(const Bytes& file) {
  MemoryWaveSource source(file);
  return ParseWave(source);
}

void ExpectPcm16(const ParsedWave& wave, const Bytes& samples) {
  EXPECT_EQ(wave.result, WaveParseResult::Found);
  EXPECT_EQ(wave.format.formatTag, 1);
  EXPECT_EQ(wave.format.channels, 1);
  EXPECT_EQ(wave.format.samplesPerSecond, 22050u);
  EXPECT_EQ(wave.format.averageBytesPerSecond, 44100u);
  EXPECT_EQ(wave.format.blockAlign, 2);
  EXPECT_EQ(wave.format.bitsPerSample, 16);
  EXPECT_EQ(wave.samples, samples);
}

TEST(WaveParser, ChunksInAnyOrderWithOddSizesPadded) {
  const Bytes format = Chunk("fmt ", PcmFormat(1, 22050, 16));
  const Bytes data = Chunk("data", kSamples);
  const Bytes list = Chunk("LIST", {'I', 'N', 'F', 'O', 'x'});  // odd: one pad byte follows
  ExpectPcm16(Parse(Riff({format, data})), kSamples);
  ExpectPcm16(Parse(Riff({list, format, Chunk("junk", {7}), data})), kSamples);
  ExpectPcm16(Parse(Riff({data, list, format})), kSamples);
  // Repeats are skipped: the first format and the first non-empty samples count.
  const Bytes other = Chunk("fmt ", PcmFormat(2, 8000, 8));
  ExpectPcm16(Parse(Riff({Chunk("data", {}), format, other, data, Chunk("data", {9, 9})})),
              kSamples);
  // An odd data chunk: its pad byte is not a sample.
  ExpectPcm16(Parse(Riff({Chunk("data", {1, 2, 3}), list, format})), (Bytes{1, 2, 3}));
}

TEST(WaveParser, FormatChunkLongerOrShorter) {
  // 22 bytes: the extra size and more; only the first 18 are kept and the rest skipped.
  const Bytes longFormat = PcmFormat(1, 22050, 16) + Bytes{2, 0, 0xAA, 0xBB};
  const ParsedWave wave = Parse(Riff({Chunk("fmt ", longFormat), Chunk("data", kSamples)}));
  ExpectPcm16(wave, kSamples);
  EXPECT_EQ(wave.format.extraSize, 2);

  // 14 bytes are enough; the bits per sample stay 0.
  Bytes shortest = PcmFormat(1, 22050, 16);
  shortest.resize(14);
  const ParsedWave fourteen = Parse(Riff({Chunk("fmt ", shortest), Chunk("data", kSamples)}));
  EXPECT_EQ(fourteen.result, WaveParseResult::Found);
  EXPECT_EQ(fourteen.format.blockAlign, 2);
  EXPECT_EQ(fourteen.format.bitsPerSample, 0);

  shortest.resize(13);
  EXPECT_EQ(Parse(Riff({Chunk("fmt ", shortest), Chunk("data", kSamples)})).result,
            WaveParseResult::ShortFormat);
}

TEST(WaveParser, RefusedFilesMakeNoSamples) {
  const Bytes format = Chunk("fmt ", PcmFormat(1, 22050, 16));
  Bytes notWave = Riff({format, Chunk("data", kSamples)});
  notWave[8] = 'A';
  EXPECT_EQ(Parse(notWave).result, WaveParseResult::NotWave);
  EXPECT_EQ(Parse(Bytes{'R', 'I', 'F'}).result, WaveParseResult::NotWave);
  EXPECT_EQ(Parse(Riff({format})).result, WaveParseResult::Truncated);
  EXPECT_EQ(Parse(Riff({Chunk("data", kSamples)})).result, WaveParseResult::Truncated);

  // A data chunk claiming gigabytes in a small file: refused before anything is allocated.
  Bytes huge = Riff({format}) + Bytes{'d', 'a', 't', 'a', 0, 0, 0, 0xC0} + kSamples;
  ParsedWave wave = Parse(huge);
  EXPECT_EQ(wave.result, WaveParseResult::Truncated);
  EXPECT_EQ(wave.samples.capacity(), 0u);
  // So is a format or other chunk running past the end, and a file cut inside the samples.
  EXPECT_EQ(Parse(Riff({}) + Bytes{'f', 'm', 't', ' ', 0xFF, 0xFF, 0xFF, 0xFF}).result,
            WaveParseResult::Truncated);
  EXPECT_EQ(Parse(Riff({format}) + Bytes{'L', 'I', 'S', 'T', 40, 0, 0, 0, 1}).result,
            WaveParseResult::Truncated);
  Bytes cut = Riff({format, Chunk("data", kSamples)});
  cut.resize(cut.size() - 1);
  EXPECT_EQ(Parse(cut).result, WaveParseResult::Truncated);

  // The RIFF size is not trusted either: one far larger than the file changes nothing.
  Bytes lying = Riff({format, Chunk("data", kSamples)});
  lying[4] = lying[5] = lying[6] = lying[7] = 0xFF;
  ExpectPcm16(Parse(lying), kSamples);
}

}  // namespace
