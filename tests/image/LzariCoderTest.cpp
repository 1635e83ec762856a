// LZARI round trips, compression of redundant data, and safe handling of cut or damaged streams.
#include "image/LzariCoder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <random>

#include "FxlkTestSupport.h"

namespace {

std::vector<uint8_t> Compress(const std::vector<uint8_t>& data) {
  std::vector<uint8_t> packed;
  EXPECT_TRUE(std::make_unique<CLzariCoder>()->Compress(data, packed, SIZE_MAX));
  return packed;
}

// Decompresses into the middle of a larger buffer whose margins must stay untouched.
class GuardedOutput {
 public:
  explicit GuardedOutput(std::size_t size) : m_bytes(size + 2 * kMargin, kGuard) {}

  bool Decompress(std::span<const uint8_t> packed) {
    return std::make_unique<CLzariCoder>()->Decompress(packed, Span());
  }
  std::span<uint8_t> Span() { return {m_bytes.data() + kMargin, m_bytes.size() - 2 * kMargin}; }
  std::vector<uint8_t> Bytes() { return {Span().begin(), Span().end()}; }
  bool MarginsIntact() const {
    return std::all_of(m_bytes.begin(), m_bytes.begin() + kMargin,
                       [](uint8_t b) { return b == kGuard; }) &&
           std::all_of(m_bytes.end() - kMargin, m_bytes.end(),
                       [](uint8_t b) { return b == kGuard; });
  }

 private:
  static constexpr std::size_t kMargin = 64;
  static constexpr uint8_t kGuard = 0xCD;
  std::vector<uint8_t> m_bytes;
};

// Named test data, made on demand.
struct Sample {
  const char* name;
  std::function<std::vector<uint8_t>()> make;
};

std::vector<uint8_t> Filled(std::size_t count, uint8_t value) {
  return std::vector<uint8_t>(count, value);
}

// Data repeating with a period longer than the window: matches must not reach that far.
std::vector<uint8_t> LongPeriod() {
  const std::vector<uint8_t> period = RandomBytes(5000, 7);
  std::vector<uint8_t> bytes;
  for (int i = 0; i < 4; ++i) bytes.insert(bytes.end(), period.begin(), period.end());
  return bytes;
}

// Runs of every length around the match limits, separated by random bytes.
std::vector<uint8_t> Runs() {
  std::vector<uint8_t> bytes;
  std::mt19937 random(3);
  for (std::size_t length = 1; length <= 130; ++length) {
    bytes.insert(bytes.end(), length, static_cast<uint8_t>(random()));
    bytes.push_back(static_cast<uint8_t>(random()));
  }
  return bytes;
}

const Sample kSamples[] = {
    {"OneByte", [] { return Filled(1, 'x'); }},
    {"TwoBytes",
     [] {
       return std::vector<uint8_t>{0, 255};
     }},
    {"FiftyNineSpaces", [] { return Filled(59, ' '); }},
    {"SixtySpaces", [] { return Filled(60, ' '); }},
    {"SixtyOneSpaces", [] { return Filled(61, ' '); }},
    {"Zeros100k", [] { return Filled(100000, 0); }},
    {"Random1", [] { return RandomBytes(1, 1); }},
    {"Random61", [] { return RandomBytes(61, 2); }},
    {"Random4095", [] { return RandomBytes(4095, 3); }},
    {"Random4096", [] { return RandomBytes(4096, 4); }},
    {"Random4097", [] { return RandomBytes(4097, 5); }},
    {"Random70000", [] { return RandomBytes(70000, 6); }},
    {"Words50000", [] { return WordBytes(50000, 8); }},
    {"Words4036", [] { return WordBytes(4036, 9); }},
    {"LongPeriod", LongPeriod},
    {"Runs", Runs},
    // Long enough for the symbol counts to be halved many times over.
    {"SkewedLiterals",
     [] {
       std::vector<uint8_t> bytes = RandomBytes(200000, 10);
       for (uint8_t& b : bytes) b = b < 200 ? 'e' : b;
       return bytes;
     }},
};

// Every sample through compression and back.
class LzariRoundTrip : public testing::TestWithParam<Sample> {};

TEST_P(LzariRoundTrip, DecompressesToTheInput) {
  const std::vector<uint8_t> data = GetParam().make();
  const std::vector<uint8_t> packed = Compress(data);
  GuardedOutput out(data.size());
  ASSERT_TRUE(out.Decompress(packed));
  EXPECT_TRUE(out.MarginsIntact());
  EXPECT_EQ(out.Bytes(), data);
}

TEST_P(LzariRoundTrip, AShorterOutputGetsThePrefix) {
  const std::vector<uint8_t> data = GetParam().make();
  const std::vector<uint8_t> packed = Compress(data);
  for (const std::size_t length : {data.size() / 2, data.size() - 1}) {
    GuardedOutput out(length);
    ASSERT_TRUE(out.Decompress(packed)) << length;
    EXPECT_TRUE(out.MarginsIntact());
    EXPECT_TRUE(std::equal(out.Span().begin(), out.Span().end(), data.begin())) << length;
  }
}

TEST_P(LzariRoundTrip, ALimitBelowTheStreamLengthFails) {
  const std::vector<uint8_t> data = GetParam().make();
  const std::vector<uint8_t> packed = Compress(data);
  std::vector<uint8_t> again;
  CLzariCoder coder;
  EXPECT_TRUE(coder.Compress(data, again, packed.size()));
  EXPECT_EQ(again, packed);
  EXPECT_FALSE(coder.Compress(data, again, packed.size() - 1));
  EXPECT_LE(again.size(), packed.size() - 1);
}

INSTANTIATE_TEST_SUITE_P(Samples, LzariRoundTrip, testing::ValuesIn(kSamples),
                         [](const auto& sample) { return std::string(sample.param.name); });

TEST(LzariCompression, EmptyInputGivesAnEmptyStream) {
  EXPECT_TRUE(Compress({}).empty());
  GuardedOutput out(0);
  EXPECT_TRUE(out.Decompress({}));
  EXPECT_TRUE(out.MarginsIntact());
}

TEST(LzariCompression, SpacesMatchTheInitialWindow) {
  // The window starts full of spaces, so even the first bytes are one long match each.
  const std::vector<uint8_t> packed = Compress(Filled(4096, ' '));
  EXPECT_LE(packed.size(), 4096u / 32);
  EXPECT_LT(Compress(Filled(60, ' ')).size(), Compress(Filled(60, 'x')).size());
}

TEST(LzariCompression, RepetitiveDataShrinksRandomDataDoesNot) {
  EXPECT_LT(Compress(WordBytes(20000, 1)).size(), 20000u / 3);
  EXPECT_LT(Compress(Filled(100000, 0)).size(), 100000u / 40);
  EXPECT_GE(Compress(RandomBytes(20000, 1)).size(), 20000u);
}

TEST(LzariDamage, AnEmptyStreamCannotFillAnOutput) {
  GuardedOutput out(1);
  EXPECT_FALSE(out.Decompress({}));
  EXPECT_TRUE(out.MarginsIntact());
}

TEST(LzariDamage, CutStreamsStayInBoundsAndShortOnesFail) {
  const std::vector<uint8_t> data = RandomBytes(700, 11);
  const std::vector<uint8_t> packed = Compress(data);
  for (std::size_t length = 0; length < packed.size(); ++length) {
    GuardedOutput out(data.size());
    const bool decoded = out.Decompress(std::span(packed).first(length));
    EXPECT_TRUE(out.MarginsIntact()) << length;
    // Every byte of random data takes about a byte of stream, so half a stream cannot do.
    if (length < packed.size() / 2) {
      EXPECT_FALSE(decoded) << length;
    }
  }
}

TEST(LzariDamage, BitsPastTheEndReadAsZero) {
  const std::vector<uint8_t> data = WordBytes(5000, 12);
  std::vector<uint8_t> packed = Compress(data);
  for (int extra = 1; extra <= 3; ++extra) {
    packed.push_back(0);
    GuardedOutput out(data.size());
    EXPECT_TRUE(out.Decompress(packed)) << extra;
    EXPECT_EQ(out.Bytes(), data) << extra;
  }
}

TEST(LzariDamage, FlippedBitsAndNoiseStayInBounds) {
  const std::vector<uint8_t> data = WordBytes(8000, 13);
  const std::vector<uint8_t> packed = Compress(data);
  std::mt19937 random(14);
  for (int trial = 0; trial < 300; ++trial) {
    std::vector<uint8_t> damaged = packed;
    for (int flips = 1 + trial % 4; flips > 0; --flips) {
      damaged[random() % damaged.size()] ^= static_cast<uint8_t>(1u << (random() % 8));
    }
    GuardedOutput out(data.size() + trial);
    out.Decompress(damaged);
    EXPECT_TRUE(out.MarginsIntact()) << trial;
  }
  for (uint32_t seed = 0; seed < 100; ++seed) {
    GuardedOutput out(20000);
    out.Decompress(RandomBytes(seed * 7, seed));
    EXPECT_TRUE(out.MarginsIntact()) << seed;
  }
}

}  // namespace
