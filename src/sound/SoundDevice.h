// The sound device: the audio output of the view, opened once.
#pragma once

#include <memory>

#include "sound/AudioOutput.h"

// Owns the platform's output. Create() opens it and logs why it could not; a device that
// failed holds no output, so clips made on it stay silent.
class SoundDevice {
 public:
  explicit SoundDevice(std::unique_ptr<AudioOutput> output);
  SoundDevice(const SoundDevice&) = delete;
  SoundDevice& operator=(const SoundDevice&) = delete;

  bool Create();
  // The opened output, or null before Create() and after it failed.
  AudioOutput* Output() const { return created_ ? output_.get() : nullptr; }

 private:
  std::unique_ptr<AudioOutput> output_;
  bool created_ = false;
};
