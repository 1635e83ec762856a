// Opening the sound device.
#include "sound/SoundDevice.h"

#include <utility>

#include "diag/SessionLog.h"

SoundDevice::SoundDevice(std::unique_ptr<AudioOutput> output) : output_(std::move(output)) {}

bool SoundDevice::Create() {
  if (created_) return true;
  if (output_ == nullptr || !output_->CreateMixer()) {
    WriteSessionLog("Error DirectSound create\n");
    output_.reset();
    return false;
  }
  if (!output_->CreatePrimary()) {
    WriteSessionLog("Error create primary sound surface\n");
    output_.reset();
    return false;
  }
  created_ = true;
  return true;
}
