// The memory-exhaustion exception and the new-handler that raises it.
#include "diag/MemoryExhaustion.h"

#include "diag/RaiseSites.h"

namespace {

constexpr const RaiseSite& kSite = kMemoryExhaustedRaiseSite;

[[noreturn]] void OnAllocationFailure() {
  RaiseMemoryExhausted(0);
}

}  // namespace

MemoryExhaustedExeption::MemoryExhaustedExeption(std::size_t requestSize)
    : CGP_FatalExeption(kSite.module, requestSize, kSite.internalText, kSite.userText,
                        kSite.report) {}

void RaiseMemoryExhausted(std::size_t requestSize) {
  throw MemoryExhaustedExeption(requestSize);
}

void InstallMemoryExhaustionHandler() {
  std::set_new_handler(&OnAllocationFailure);
}
