// The audio output the sound layer plays through; the shell supplies it, tests fake it.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "sound/WaveFormat.h"

// The codes an output answers when it cannot make a clip, and the small numbers the log shows
// for them; any other code logs as 0.
enum AudioError : uint32_t {
  kAudioAlreadyAllocated = 0x8878000A,
  kAudioBadFormat = 0x88780064,
  kAudioInvalidParameter = 0x80070057,
  kAudioNoAggregation = 0x80040110,
  kAudioOutOfMemory = 0x8007000E,
  kAudioUninitialised = 0x887800AA,
  kAudioUnsupported = 0x80004001,
};

int AudioErrorNumber(uint32_t code);

// One sound held by the output, ready to play.
class AudioClip {
 public:
  virtual ~AudioClip() = default;
  // Starts the sound; started again while it plays, it starts over at once rather than queueing
  // behind what is still to be heard.
  virtual void Play(bool loop) = 0;
};

// The platform's sound service for one window. Constructing it touches nothing; the two
// creation steps open it, and destroying it releases whatever they opened.
class AudioOutput {
 public:
  virtual ~AudioOutput() = default;
  // The default output device: false when there is none.
  virtual bool CreateMixer() = 0;
  // The device can take a stream: false when it cannot be opened.
  virtual bool CreatePrimary() = 0;
  // A clip of `samples` in `format`: 0 and the clip, or an error code (AudioError where one
  // fits) and no clip.
  virtual uint32_t CreateClip(const WaveFormat& format, std::vector<uint8_t> samples,
                              std::unique_ptr<AudioClip>& clip) = 0;
};
