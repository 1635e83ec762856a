// The numbers the log shows for the output's error codes.
#include "sound/AudioOutput.h"

#include <iterator>

int AudioErrorNumber(uint32_t code) {
  constexpr uint32_t kNumbered[] = {
      kAudioAlreadyAllocated, kAudioBadFormat,     kAudioInvalidParameter, kAudioNoAggregation,
      kAudioOutOfMemory,      kAudioUninitialised, kAudioUnsupported};
  for (int i = 0; i < static_cast<int>(std::size(kNumbered)); ++i) {
    if (kNumbered[i] == code) return i + 1;
  }
  return 0;
}
