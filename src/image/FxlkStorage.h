// How a member's bytes are stored: LZARI-compressed, or scrambled when that is not smaller.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

// Stored members that did not compress are exclusive-or'ed with this byte, both ways. Any
// value would do; 0xA7 has bits set in both halves, so neither plain text nor runs of zero
// bytes stay readable in the archive.
inline constexpr uint8_t kFxlkScrambleByte = 0xA7;

void ScrambleFxlkBytes(std::span<uint8_t> bytes);

// The stored form of `data`: its LZARI stream when that is shorter than the data, otherwise
// the data scrambled (then stored and unpacked lengths are equal).
std::vector<uint8_t> PackFxlkMember(std::span<const uint8_t> data);

// The unpacked bytes of a member stored as `stored`, `unpackedLength` bytes long. Null when
// the stored form is longer than the unpacked one or the stream is damaged. A member of
// length 0 gives a (non-null) buffer of no bytes.
std::unique_ptr<uint8_t[]> UnpackFxlkMember(std::span<const uint8_t> stored,
                                            uint32_t unpackedLength);
