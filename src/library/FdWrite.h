// Writing whole byte ranges to open files, through short writes and interruptions.
#pragma once

#include <cstdint>
#include <span>

// False (with errno set) when the bytes cannot all be written.
bool WriteAll(int fd, std::span<const uint8_t> bytes);
bool WriteAllAt(int fd, std::span<const uint8_t> bytes, uint64_t offset);
