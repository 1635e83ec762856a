// "Connect.wav" as artgen writes it: a valid short PCM wave that clicks and dies away.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

std::vector<uint8_t> ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

uint32_t Le(const std::vector<uint8_t>& bytes, std::size_t at, int count) {
  uint32_t value = 0;
  for (int i = count; i-- > 0;) value = value << 8 | bytes.at(at + static_cast<std::size_t>(i));
  return value;
}

struct Wave {
  uint32_t rate = 0;
  std::vector<int16_t> samples;
};

// Walks the RIFF chunks, as the game's reader does, for "fmt " and "data".
Wave Parse(const std::vector<uint8_t>& bytes) {
  Wave wave;
  EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 4), "RIFF");
  EXPECT_EQ(Le(bytes, 4, 4), bytes.size() - 8);
  EXPECT_EQ(std::string(bytes.begin() + 8, bytes.begin() + 12), "WAVE");
  for (std::size_t at = 12; at + 8 <= bytes.size();) {
    const std::string tag(bytes.begin() + static_cast<long>(at),
                          bytes.begin() + static_cast<long>(at) + 4);
    const uint32_t size = Le(bytes, at + 4, 4);
    EXPECT_LE(at + 8 + size, bytes.size());
    if (tag == "fmt ") {
      EXPECT_EQ(Le(bytes, at + 8, 2), 1u);    // PCM
      EXPECT_EQ(Le(bytes, at + 10, 2), 1u);   // mono
      EXPECT_EQ(Le(bytes, at + 22, 2), 16u);  // bits
      wave.rate = Le(bytes, at + 12, 4);
      EXPECT_EQ(Le(bytes, at + 16, 4), wave.rate * 2);
    } else if (tag == "data") {
      for (uint32_t i = 0; i + 1 < size; i += 2)
        wave.samples.push_back(static_cast<int16_t>(Le(bytes, at + 8 + i, 2)));
    }
    at += 8 + size + (size & 1);
  }
  return wave;
}

class ConnectSoundTest : public testing::Test {
 protected:
  Wave wave = Parse(ReadBytes(std::string(PAVLEMIR_ART_DIR) + "/Connect.wav"));
};

TEST_F(ConnectSoundTest, IsShortPcmAtAStandardRate) {
  EXPECT_TRUE(wave.rate == 22050 || wave.rate == 44100) << wave.rate;
  ASSERT_FALSE(wave.samples.empty());
  EXPECT_LT(wave.samples.size(), 0.3 * wave.rate);
  EXPECT_GT(wave.samples.size(), 0.03 * wave.rate);
}

TEST_F(ConnectSoundTest, IsLoudWithoutClippingAndStartsAndEndsQuietly) {
  ASSERT_GT(wave.samples.size(), 100u);
  int peak = 0;
  for (const int16_t s : wave.samples) peak = std::max(peak, std::abs(static_cast<int>(s)));
  EXPECT_GT(peak, 12000);
  EXPECT_LT(peak, 32767);
  EXPECT_LT(std::abs(wave.samples.front()), 2000);
  EXPECT_LT(std::abs(wave.samples.back()), 200);
}

// A click: most of the energy lies in the first third.
TEST_F(ConnectSoundTest, DiesAwayQuickly) {
  double early = 0, late = 0;
  const std::size_t third = wave.samples.size() / 3;
  for (std::size_t i = 0; i < wave.samples.size(); ++i) {
    const double energy = static_cast<double>(wave.samples[i]) * wave.samples[i];
    (i < third ? early : late) += energy;
  }
  EXPECT_GT(early, 10 * late);
}

}  // namespace
