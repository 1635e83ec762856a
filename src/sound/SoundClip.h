// One sound loaded from a wave file into the device's output.
#pragma once

#include <cstdint>
#include <memory>

#include "sound/AudioOutput.h"
#include "sound/SoundDevice.h"
#include "sound/WaveFormat.h"

// Load() answers 0 when there is nothing to report, also for a file that is not a usable wave
// file (then Play() does nothing), 1 when there is no device or the file cannot be opened, and
// otherwise the output's error code for the clip it could not make (also logged).
class SoundClip {
 public:
  explicit SoundClip(SoundDevice* device) : device_(device) {}
  SoundClip(const SoundClip&) = delete;
  SoundClip& operator=(const SoundClip&) = delete;

  uint32_t Load(const char* path);
  void Play(bool loop);

  bool Loaded() const { return clip_ != nullptr; }
  const WaveFormat& Format() const { return format_; }

 private:
  SoundDevice* device_;
  WaveFormat format_;
  std::unique_ptr<AudioClip> clip_;
};
