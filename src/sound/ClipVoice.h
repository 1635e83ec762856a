// One clip's samples as an output pulls them, with restarts that neither click nor queue.
#pragma once

#include <cstddef>
#include <cstdint>
#include <mutex>
#include <vector>

#include "sound/WaveFormat.h"

// Plays PCM clips of 8 (unsigned), 16 or 32 bits and 32-bit float. Start() while the clip is
// still playing starts it over at once; what was playing fades out over kFadeMilliseconds
// beneath the new start, so the cut makes no click. Start() and Render() may run on different
// threads.
class ClipVoice {
 public:
  static constexpr int kFadeMilliseconds = 5;

  ClipVoice(const WaveFormat& format, std::vector<uint8_t> samples);

  // False for a format the voice cannot mix.
  static bool CanPlay(const WaveFormat& format);

  void Start(bool loop);
  // Until the clip and the fade of a restart have ended.
  bool Playing() const;
  // Fills `out` with whole frames of the clip; silence once it has ended. Answers the bytes
  // written: `size` rounded down to whole frames. `started`, when given, tells whether these
  // bytes hold the first frame of a Start().
  std::size_t Render(uint8_t* out, std::size_t size, bool* started = nullptr);

 private:
  float SampleAt(std::size_t frame, int channel) const;
  void Store(uint8_t* out, float value) const;
  // The next frame of a playing position, or the end.
  std::size_t Advance(std::size_t frame) const;

  WaveFormat format_;
  std::vector<uint8_t> samples_;
  std::size_t frameBytes_;
  std::size_t frames_;
  std::size_t fadeFrames_;
  mutable std::mutex mutex_;
  bool loop_ = false;
  bool fresh_ = false;        // started, first frame not rendered yet
  std::size_t position_;      // frames_ when not playing
  std::size_t fading_;        // the old position fading out, frames_ when none
  std::size_t fadeLeft_ = 0;  // frames of the fade still to come
};
