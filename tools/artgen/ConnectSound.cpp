// The join sound: a short wooden click, synthesised.
#include "ConnectSound.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "ArtRandom.h"

namespace {

constexpr double kTau = 6.283185307179586;
constexpr double kSeconds = 0.16;

// One resonance of the wood: frequency in Hz, amplitude, decay time constant in seconds.
struct Mode {
  double frequency;
  double amplitude;
  double decay;
};

std::vector<double> Synthesise() {
  static constexpr std::array<Mode, 5> kModes{{{540, 0.55, 0.030},
                                               {1210, 0.8, 0.018},
                                               {1980, 0.5, 0.012},
                                               {3150, 0.3, 0.007},
                                               {4700, 0.15, 0.004}}};
  const int count = static_cast<int>(kSeconds * kConnectSampleRate);
  std::vector<double> samples(static_cast<std::size_t>(count));
  ArtRandom random(2823);
  double noiseLowPass = 0;
  for (int i = 0; i < count; ++i) {
    const double t = i / static_cast<double>(kConnectSampleRate);
    // A softened onset of half a millisecond keeps the start from popping.
    const double attack = std::min(1.0, t / 0.0005);
    double value = 0;
    for (const Mode& mode : kModes)
      value += mode.amplitude * std::exp(-t / mode.decay) * std::sin(kTau * mode.frequency * t);
    // The knock of the contact: a short burst of filtered noise.
    noiseLowPass += 0.45 * (random.Range(-1, 1) - noiseLowPass);
    value += 1.4 * noiseLowPass * std::exp(-t / 0.0025);
    // Fade the tail to silence over the last 20 ms.
    const double tail = std::min(1.0, (kSeconds - t) / 0.02);
    samples[static_cast<std::size_t>(i)] = value * attack * tail;
  }
  return samples;
}

void PutLittleEndian(std::vector<uint8_t>& out, uint32_t value, int byteCount) {
  for (int i = 0; i < byteCount; ++i) out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

}  // namespace

std::vector<uint8_t> MakeConnectWave() {
  const std::vector<double> samples = Synthesise();
  double peak = 0;
  for (const double s : samples) peak = std::max(peak, std::abs(s));
  const double scale = 0.7 * 32767 / peak;
  const uint32_t dataSize = static_cast<uint32_t>(samples.size() * 2);
  std::vector<uint8_t> out{'R', 'I', 'F', 'F'};
  PutLittleEndian(out, 36 + dataSize, 4);
  for (const char c : {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '})
    out.push_back(static_cast<uint8_t>(c));
  PutLittleEndian(out, 16, 4);
  PutLittleEndian(out, 1, 2);  // PCM
  PutLittleEndian(out, 1, 2);  // mono
  PutLittleEndian(out, kConnectSampleRate, 4);
  PutLittleEndian(out, kConnectSampleRate * 2, 4);
  PutLittleEndian(out, 2, 2);  // block alignment
  PutLittleEndian(out, 16, 2);
  for (const char c : {'d', 'a', 't', 'a'}) out.push_back(static_cast<uint8_t>(c));
  PutLittleEndian(out, dataSize, 4);
  for (const double s : samples) {
    const long value = std::lround(s * scale);
    PutLittleEndian(out, static_cast<uint32_t>(static_cast<uint16_t>(static_cast<int16_t>(value))),
                    2);
  }
  return out;
}
