// The join sound: the view's sound device and its one clip, and whether sound is on.
#pragma once

#include <memory>
#include <string>

#include "sound/SoundClip.h"
#include "sound/SoundDevice.h"

// Made when the view is created: opens the device over `output` and, when that worked, loads
// the clip from `path`. Sound stays on only when both worked (a file that is no usable wave
// file keeps it on, silently); once off, it stays off for the run. The clip goes before the
// device.
class JoinSound {
 public:
  JoinSound(std::unique_ptr<AudioOutput> output, const std::string& path);

  bool Enabled() const { return enabled_; }
  // Plays the clip once, when sound is on.
  void Play();

 private:
  SoundDevice device_;
  std::unique_ptr<SoundClip> clip_;
  bool enabled_ = false;
};
