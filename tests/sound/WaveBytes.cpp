// Building wave files for the sound tests.
#include "WaveBytes.h"

#include <fstream>

namespace {

void PutWord(Bytes& out, uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

}  // namespace

Bytes operator+(Bytes a, const Bytes& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

Bytes Chunk(const char* id, const Bytes& body) {
  Bytes out(id, id + 4);
  PutWord(out, static_cast<uint32_t>(body.size()), 4);
  out = out + body;
  if (body.size() % 2 != 0) out.push_back(0);
  return out;
}

Bytes Riff(const std::vector<Bytes>& chunks) {
  Bytes body{'W', 'A', 'V', 'E'};
  for (const Bytes& chunk : chunks) body = body + chunk;
  Bytes out{'R', 'I', 'F', 'F'};
  PutWord(out, static_cast<uint32_t>(body.size()), 4);
  return out + body;
}

Bytes PcmFormat(uint16_t channels, uint32_t rate, uint16_t bits) {
  Bytes out;
  const uint32_t align = channels * bits / 8u;
  PutWord(out, 1, 2);
  PutWord(out, channels, 2);
  PutWord(out, rate, 4);
  PutWord(out, rate * align, 4);
  PutWord(out, align, 2);
  PutWord(out, bits, 2);
  return out;
}

void WriteBytes(const std::string& path, const Bytes& bytes) {
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
}
