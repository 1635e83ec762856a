// Wave files built chunk by chunk for the sound tests.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

using Bytes = std::vector<uint8_t>;

// One chunk: id, little-endian size, body and the pad byte of an odd size.
Bytes Chunk(const char* id, const Bytes& body);
// "RIFF", the size of what follows, "WAVE" and the chunks.
Bytes Riff(const std::vector<Bytes>& chunks);
// A format chunk body of PCM samples: tag, channels, rate, byte rate, block align, bits.
Bytes PcmFormat(uint16_t channels, uint32_t rate, uint16_t bits);
Bytes operator+(Bytes a, const Bytes& b);
void WriteBytes(const std::string& path, const Bytes& bytes);
