// The sound layer's audio output over Qt Multimedia: one QAudioSink per clip, fed from memory.
#pragma once

#include "sound/AudioOutput.h"

#include <QAudioDevice>
#include <functional>

// Opens the default output device. Each clip keeps its own sink pulling from a ClipVoice, which
// plays silence between sounds, so a Play() is heard with the sink's next pull and a restart
// fades the old sound out instead of queueing behind it.
class QtAudioOutput final : public AudioOutput {
 public:
  // `firstSamples`, when given, is called (on the sink's thread) each time the first frame of a
  // Play() is handed to the sink.
  explicit QtAudioOutput(std::function<void()> firstSamples = {});

  bool CreateMixer() override;
  bool CreatePrimary() override;
  uint32_t CreateClip(const WaveFormat& format, std::vector<uint8_t> samples,
                      std::unique_ptr<AudioClip>& clip) override;

 private:
  QAudioDevice device_;
  std::function<void()> firstSamples_;
};
