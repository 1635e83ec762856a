// Loading and playing a sound clip.
#include "sound/SoundClip.h"

#include <string>
#include <utility>

#include "diag/SessionLog.h"
#include "sound/WaveParser.h"
#include "sound/WaveSource.h"

uint32_t SoundClip::Load(const char* path) {
  AudioOutput* output = device_ != nullptr ? device_->Output() : nullptr;
  if (output == nullptr) return 1;
  clip_.reset();
  format_ = {};
  ParsedWave wave;
  {
    FileWaveSource file(path);
    if (!file.IsOpen()) return 1;
    wave = ParseWave(file);
  }
  if (wave.result != WaveParseResult::Found) return 0;
  format_ = wave.format;
  const uint32_t code = output->CreateClip(format_, std::move(wave.samples), clip_);
  if (code != 0) {
    clip_.reset();
    WriteSessionLog("Error create sound buffer P=" + std::to_string(AudioErrorNumber(code)) + "\n");
  }
  return code;
}

void SoundClip::Play(bool loop) {
  if (clip_ != nullptr) clip_->Play(loop);
}
