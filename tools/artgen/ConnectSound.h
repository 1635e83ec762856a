// The join sound: a short wooden click, synthesised.
#pragma once

#include <cstdint>
#include <vector>

inline constexpr int kConnectSampleRate = 22050;

// The bytes of "Connect.wav": RIFF/WAVE, 16-bit PCM, mono, 22050 Hz, about 0.16 s.
std::vector<uint8_t> MakeConnectWave();
