// pavlemir-tool wav FILE: reads a wave file as the game reads "Connect.wav" and tells whether
// the game would play it.
#include <cinttypes>
#include <cstdio>
#include <memory>
#include <utility>

#include "Subcommand.h"
#include "sound/ClipVoice.h"
#include "sound/SoundClip.h"
#include "sound/WaveParser.h"

namespace {

// Takes every clip the game's output can mix, as an output device with the usual formats would.
class CheckingOutput final : public AudioOutput {
 public:
  bool CreateMixer() override { return true; }
  bool CreatePrimary() override { return true; }
  uint32_t CreateClip(const WaveFormat& format, std::vector<uint8_t> samples,
                      std::unique_ptr<AudioClip>& clip) override {
    if (samples.empty() || format.channels == 0) return kAudioInvalidParameter;
    if (!ClipVoice::CanPlay(format)) return kAudioBadFormat;
    clip = std::make_unique<Silent>();
    return 0;
  }

 private:
  struct Silent final : AudioClip {
    void Play(bool) override {}
  };
};

int Run(std::span<char*> args) {
  if (args.size() != 1) {
    std::fprintf(stderr, "usage: pavlemir-tool wav FILE\n");
    return 2;
  }
  const char* path = args[0];
  SoundDevice device(std::make_unique<CheckingOutput>());
  device.Create();
  SoundClip clip(&device);
  const uint32_t status = clip.Load(path);
  FileWaveSource file(path);
  if (!file.IsOpen()) {
    std::printf("status %" PRIu32 "\nrefused: the file cannot be opened\n", status);
    return 1;
  }
  const ParsedWave wave = ParseWave(file);
  const WaveFormat& f = wave.format;
  std::printf("format tag %u, %u channel(s), %" PRIu32 " samples/s, %" PRIu32
              " bytes/s, block align %u, %u bits/sample, extra %u\n",
              f.formatTag, f.channels, f.samplesPerSecond, f.averageBytesPerSecond, f.blockAlign,
              f.bitsPerSample, f.extraSize);
  std::printf("data %zu bytes\nstatus %" PRIu32 "\n", wave.samples.size(), status);
  if (wave.result != WaveParseResult::Found) {
    std::printf("refused: %s\n", WaveParseResultName(wave.result));
    return 1;
  }
  if (!clip.Loaded()) {
    std::printf("refused: the game cannot play it (P=%d)\n", AudioErrorNumber(status));
    return 1;
  }
  std::printf("playable\n");
  return 0;
}

const SubcommandRegistration registration({"wav", "FILE",
                                           "the format, data size and load status of a wave "
                                           "file as the game reads it; exit 1 when refused",
                                           &Run});

}  // namespace
