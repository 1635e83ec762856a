// The sound layer's audio output over Qt Multimedia: one QAudioSink per clip, fed from memory.
#pragma once

#include "sound/AudioOutput.h"

#include <QAudioDevice>

// Opens the default output device. Each clip keeps its own sink and pushes its ClipVoice into
// it: the first frames within Play() itself, the rest as the sink makes room. The sink holds
// only a few milliseconds ahead, so a restart (which fades the old sound out) is not queued
// behind the old one.
class QtAudioOutput final : public AudioOutput {
 public:
  // Called (on the sink's thread) whenever the first frame of a Play() is handed to a sink, so
  // that the join sound's latency can be measured; none by default.
  static void SetFirstSamplesObserver(void (*observer)());

  bool CreateMixer() override;
  bool CreatePrimary() override;
  uint32_t CreateClip(const WaveFormat& format, std::vector<uint8_t> samples,
                      std::unique_ptr<AudioClip>& clip) override;

 private:
  QAudioDevice device_;
};
