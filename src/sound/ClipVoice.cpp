// Mixing a clip with the fading tail of its previous start.
#include "sound/ClipVoice.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace {

int SampleBytes(const WaveFormat& format) {
  return format.bitsPerSample / 8;
}

}  // namespace

ClipVoice::ClipVoice(const WaveFormat& format, std::vector<uint8_t> samples)
    : format_(format),
      samples_(std::move(samples)),
      frameBytes_(std::size_t{format.channels} * static_cast<std::size_t>(SampleBytes(format))),
      frames_(frameBytes_ > 0 ? samples_.size() / frameBytes_ : 0),
      fadeFrames_(std::max<std::size_t>(
          1, std::size_t{format.samplesPerSecond} * kFadeMilliseconds / 1000)),
      position_(frames_),
      fading_(frames_) {}

bool ClipVoice::CanPlay(const WaveFormat& format) {
  const bool pcm =
      format.formatTag == kWaveFormatPcm &&
      (format.bitsPerSample == 8 || format.bitsPerSample == 16 || format.bitsPerSample == 32);
  const bool floats = format.formatTag == kWaveFormatFloat && format.bitsPerSample == 32;
  return (pcm || floats) && format.channels > 0 && format.samplesPerSecond > 0;
}

void ClipVoice::Start(bool loop) {
  const std::lock_guard lock(mutex_);
  if (position_ < frames_) {
    fading_ = position_;
    fadeLeft_ = fadeFrames_;
  }
  loop_ = loop;
  position_ = 0;
  fresh_ = frames_ > 0;
}

bool ClipVoice::Playing() const {
  const std::lock_guard lock(mutex_);
  return position_ < frames_ || fadeLeft_ > 0;
}

std::size_t ClipVoice::Render(uint8_t* out, std::size_t size, bool* started) {
  const std::lock_guard lock(mutex_);
  const std::size_t frames = frameBytes_ > 0 ? size / frameBytes_ : 0;
  if (started != nullptr) *started = fresh_ && frames > 0;
  if (frames > 0) fresh_ = false;
  const int sampleBytes = SampleBytes(format_);
  for (std::size_t f = 0; f < frames; ++f) {
    const float gain = static_cast<float>(fadeLeft_) / static_cast<float>(fadeFrames_);
    for (int c = 0; c < format_.channels; ++c) {
      float value = SampleAt(position_, c);
      if (fadeLeft_ > 0) value += gain * SampleAt(fading_, c);
      Store(out + f * frameBytes_ + static_cast<std::size_t>(c * sampleBytes), value);
    }
    position_ = Advance(position_);
    if (fadeLeft_ > 0) {
      --fadeLeft_;
      fading_ = Advance(fading_);
    }
  }
  return frames * frameBytes_;
}

std::size_t ClipVoice::Advance(std::size_t frame) const {
  if (frame >= frames_) return frames_;
  if (frame + 1 < frames_) return frame + 1;
  return loop_ ? 0 : frames_;
}

float ClipVoice::SampleAt(std::size_t frame, int channel) const {
  if (frame >= frames_) return 0.0f;
  const uint8_t* at = samples_.data() + frame * frameBytes_ +
                      static_cast<std::size_t>(channel * SampleBytes(format_));
  switch (format_.bitsPerSample) {
    case 8:
      return (static_cast<float>(at[0]) - 128.0f) / 128.0f;
    case 16: {
      int16_t v;
      std::memcpy(&v, at, sizeof v);
      return static_cast<float>(v) / 32768.0f;
    }
    default: {
      if (format_.formatTag == kWaveFormatFloat) {
        float v;
        std::memcpy(&v, at, sizeof v);
        return v;
      }
      int32_t v;
      std::memcpy(&v, at, sizeof v);
      return static_cast<float>(v) / 2147483648.0f;
    }
  }
}

void ClipVoice::Store(uint8_t* out, float value) const {
  if (format_.formatTag == kWaveFormatFloat) {
    std::memcpy(out, &value, sizeof value);
    return;
  }
  value = std::clamp(value, -1.0f, 1.0f);
  switch (format_.bitsPerSample) {
    case 8:
      out[0] = static_cast<uint8_t>(std::clamp(value * 128.0f + 128.0f, 0.0f, 255.0f));
      return;
    case 16: {
      const auto v = static_cast<int16_t>(std::clamp(value * 32768.0f, -32768.0f, 32767.0f));
      std::memcpy(out, &v, sizeof v);
      return;
    }
    default: {
      const auto v = static_cast<int32_t>(static_cast<double>(value) * 2147483647.0);
      std::memcpy(out, &v, sizeof v);
      return;
    }
  }
}
