// Setting up and playing the join sound.
#include "sound/JoinSound.h"

#include <utility>

JoinSound::JoinSound(std::unique_ptr<AudioOutput> output, const std::string& path)
    : device_(std::move(output)) {
  enabled_ = device_.Create();
  if (!enabled_) return;
  clip_ = std::make_unique<SoundClip>(&device_);
  if (clip_->Load(path.c_str()) != 0) enabled_ = false;
}

void JoinSound::Play() {
  if (enabled_) clip_->Play(false);
}
