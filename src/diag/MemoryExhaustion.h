// Turning a failed memory request into the game's fatal memory-exhaustion error.
#pragma once

#include <cstddef>
#include <new>

#include "diag/CGP_Exeption.h"

// The memory-exhaustion row of the raise sites, with the request size as its line. It is also a
// std::bad_alloc, as the standard asks of whatever a new-handler throws, so nothrow allocations
// still answer null and code that expects bad_alloc keeps working; the run's catch of
// CGP_Exeption still sees it.
class MemoryExhaustedExeption final : public CGP_FatalExeption, public std::bad_alloc {
 public:
  explicit MemoryExhaustedExeption(std::size_t requestSize);
};

[[noreturn]] void RaiseMemoryExhausted(std::size_t requestSize);

// Makes every failed operator new raise MemoryExhaustedExeption. A new-handler is not told the
// size of the request, so these raises carry 0 as their line.
void InstallMemoryExhaustionHandler();
