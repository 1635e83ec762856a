// Mixing a clip for the output: its samples as written, silence after the end, and a restart
// that starts over at once under a short fade of the old sound.
#include "sound/ClipVoice.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

WaveFormat Format(uint16_t tag, uint16_t channels, uint16_t bits, uint32_t rate) {
  WaveFormat format;
  format.formatTag = tag;
  format.channels = channels;
  format.bitsPerSample = bits;
  format.samplesPerSecond = rate;
  format.blockAlign = static_cast<uint16_t>(channels * bits / 8);
  return format;
}

std::vector<int16_t> Render16(ClipVoice& voice, std::size_t frames) {
  std::vector<int16_t> out(frames);
  EXPECT_EQ(voice.Render(reinterpret_cast<uint8_t*>(out.data()), frames * 2), frames * 2);
  return out;
}

std::vector<uint8_t> Bytes16(const std::vector<int16_t>& samples) {
  std::vector<uint8_t> bytes(samples.size() * 2);
  std::memcpy(bytes.data(), samples.data(), bytes.size());
  return bytes;
}

TEST(ClipVoice, PlaysEveryFormatItCanMixThenSilence) {
  EXPECT_TRUE(ClipVoice::CanPlay(Format(1, 2, 8, 8000)));
  EXPECT_TRUE(ClipVoice::CanPlay(Format(3, 1, 32, 8000)));
  EXPECT_FALSE(ClipVoice::CanPlay(Format(1, 1, 24, 8000)));
  EXPECT_FALSE(ClipVoice::CanPlay(Format(2, 1, 16, 8000)));
  EXPECT_FALSE(ClipVoice::CanPlay(Format(1, 0, 16, 8000)));

  ClipVoice voice(Format(1, 1, 16, 8000), Bytes16({100, -200, 300}));
  EXPECT_FALSE(voice.Playing());
  EXPECT_EQ(Render16(voice, 2), (std::vector<int16_t>{0, 0}));
  voice.Start(false);
  bool started = false;
  std::vector<int16_t> out(5);
  voice.Render(reinterpret_cast<uint8_t*>(out.data()), 10, &started);
  EXPECT_TRUE(started);
  EXPECT_EQ(out, (std::vector<int16_t>{100, -200, 300, 0, 0}));
  EXPECT_FALSE(voice.Playing());
  voice.Render(reinterpret_cast<uint8_t*>(out.data()), 10, &started);
  EXPECT_FALSE(started);

  // Unsigned 8-bit and float samples come out as they went in; half frames are not written.
  ClipVoice bytes(Format(1, 2, 8, 8000), {0, 128, 255, 64});
  bytes.Start(false);
  std::vector<uint8_t> eight(5, 7);
  EXPECT_EQ(bytes.Render(eight.data(), 5), 4u);
  EXPECT_EQ(eight, (std::vector<uint8_t>{0, 128, 255, 64, 7}));
  const float values[] = {0.25f, -0.5f};
  std::vector<uint8_t> floatBytes(sizeof values);
  std::memcpy(floatBytes.data(), values, sizeof values);
  ClipVoice floats(Format(3, 1, 32, 8000), floatBytes);
  floats.Start(true);
  float looped[3];
  floats.Render(reinterpret_cast<uint8_t*>(looped), sizeof looped);
  EXPECT_EQ(looped[0], 0.25f);
  EXPECT_EQ(looped[1], -0.5f);
  EXPECT_EQ(looped[2], 0.25f);  // looping starts over
}

TEST(ClipVoice, RestartStartsOverUnderAFadeOfTheOldSound) {
  // 1000 Hz: the fade lasts five frames.
  std::vector<int16_t> ramp(40);
  for (std::size_t i = 0; i < ramp.size(); ++i) ramp[i] = static_cast<int16_t>(1000 + 100 * i);
  ClipVoice voice(Format(1, 1, 16, 1000), Bytes16(ramp));
  voice.Start(false);
  Render16(voice, 20);
  voice.Start(false);
  const std::vector<int16_t> out = Render16(voice, 8);
  // The new start at full level at once, the old sound (frames 20..) fading out beneath it.
  EXPECT_EQ(out[0], ramp[0] + ramp[20]);
  EXPECT_EQ(out[1], ramp[1] + ramp[21] * 4 / 5);
  EXPECT_EQ(out[4], ramp[4] + ramp[24] / 5);
  EXPECT_EQ(out[5], ramp[5]);
  EXPECT_EQ(out[7], ramp[7]);
  // Loud sums are clipped, not wrapped.
  ClipVoice loud(Format(1, 1, 16, 1000), Bytes16(std::vector<int16_t>(10, 30000)));
  loud.Start(false);
  Render16(loud, 3);
  loud.Start(false);
  EXPECT_EQ(Render16(loud, 1)[0], 32767);
}

}  // namespace
