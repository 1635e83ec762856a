// The sound device, the clip's load status and log lines, and whether the join sound stays on,
// over a fake audio output.
#include "sound/JoinSound.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "WaveBytes.h"
#include "diag/DiagTestFiles.h"
#include "diag/SessionLog.h"

namespace {

// What the fake output does and what it was asked.
struct OutputScript {
  bool mixer = true;
  bool primary = true;
  uint32_t clipError = 0;
  int clipsMade = 0;
  std::vector<bool> plays;  // the loop flag of each Play()
  std::vector<uint8_t> samples;
};

class FakeOutput final : public AudioOutput {
 public:
  explicit FakeOutput(OutputScript& script) : script_(script) {}
  bool CreateMixer() override { return script_.mixer; }
  bool CreatePrimary() override { return script_.primary; }
  uint32_t CreateClip(const WaveFormat&, std::vector<uint8_t> samples,
                      std::unique_ptr<AudioClip>& clip) override {
    if (script_.clipError != 0) return script_.clipError;
    ++script_.clipsMade;
    script_.samples = std::move(samples);
    clip = std::make_unique<Clip>(script_);
    return 0;
  }

 private:
  struct Clip final : AudioClip {
    explicit Clip(OutputScript& s) : script(s) {}
    void Play(bool loop) override { script.plays.push_back(loop); }
    OutputScript& script;
  };
  OutputScript& script_;
};

class JoinSoundTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(dir.Path().empty());
    log.Open();
    opened = ReadWholeFile(logPath).size();
    WriteBytes(wavePath, Riff({Chunk("fmt ", PcmFormat(1, 22050, 16)), Chunk("data", {1, 2})}));
  }
  std::string Logged() const { return ReadWholeFile(logPath).substr(opened); }
  std::unique_ptr<AudioOutput> Output() { return std::make_unique<FakeOutput>(script); }

  TempDir dir;
  std::string logPath = SessionLogPath(dir.Path().string());
  std::string wavePath = dir.File("Connect.wav");
  SessionLog log{logPath};
  std::size_t opened = 0;
  OutputScript script;
};

TEST_F(JoinSoundTest, DeviceFailuresTurnSoundOffWithOneLine) {
  script.mixer = false;
  JoinSound noMixer(Output(), wavePath);
  EXPECT_FALSE(noMixer.Enabled());
  noMixer.Play();
  EXPECT_EQ(Logged(), "Error DirectSound create\n");

  script.mixer = true;
  script.primary = false;
  JoinSound noPrimary(Output(), wavePath);
  EXPECT_FALSE(noPrimary.Enabled());
  EXPECT_EQ(Logged(), "Error DirectSound create\nError create primary sound surface\n");
  // No clip was made on a device that failed.
  EXPECT_EQ(script.clipsMade, 0);
  EXPECT_TRUE(script.plays.empty());
}

TEST_F(JoinSoundTest, LoadStatusCodes) {
  SoundClip noDevice(nullptr);
  EXPECT_EQ(noDevice.Load(wavePath.c_str()), 1u);
  SoundDevice failed(Output());
  script.mixer = false;
  failed.Create();
  EXPECT_EQ(SoundClip(&failed).Load(wavePath.c_str()), 1u);
  script.mixer = true;

  SoundDevice device(Output());
  ASSERT_TRUE(device.Create());
  SoundClip clip(&device);
  EXPECT_EQ(clip.Load(dir.File("missing.wav").c_str()), 1u);
  EXPECT_EQ(clip.Load(dir.Path().c_str()), 1u);  // a folder is not a file to read

  // Not a wave file, or a format chunk too short: nothing to report, nothing to play.
  WriteBytes(dir.File("text.wav"), {'h', 'e', 'l', 'l', 'o'});
  EXPECT_EQ(clip.Load(dir.File("text.wav").c_str()), 0u);
  EXPECT_FALSE(clip.Loaded());
  clip.Play(false);
  EXPECT_TRUE(script.plays.empty());

  EXPECT_EQ(clip.Load(wavePath.c_str()), 0u);
  EXPECT_TRUE(clip.Loaded());
  EXPECT_EQ(clip.Format().samplesPerSecond, 22050u);
  EXPECT_EQ(Logged(), "Error DirectSound create\n");  // of the failed device only
  opened = ReadWholeFile(logPath).size();

  const struct {
    uint32_t code;
    const char* line;
  } failures[] = {
      {kAudioAlreadyAllocated, "P=1"}, {kAudioBadFormat, "P=2"},   {kAudioInvalidParameter, "P=3"},
      {kAudioNoAggregation, "P=4"},    {kAudioOutOfMemory, "P=5"}, {kAudioUninitialised, "P=6"},
      {kAudioUnsupported, "P=7"},      {0x80004005, "P=0"},
  };
  std::string expected;
  for (const auto& failure : failures) {
    script.clipError = failure.code;
    EXPECT_EQ(clip.Load(wavePath.c_str()), failure.code);
    EXPECT_FALSE(clip.Loaded());  // the clip loaded before is gone
    expected += std::string("Error create sound buffer ") + failure.line + "\n";
  }
  EXPECT_EQ(Logged(), expected);
}

TEST_F(JoinSoundTest, SoundStaysOnOnlyForAUsableFileOrAnUnreadableOne) {
  JoinSound sound(Output(), wavePath);
  EXPECT_TRUE(sound.Enabled());
  sound.Play();
  sound.Play();
  EXPECT_EQ(script.plays, (std::vector<bool>{false, false}));  // once a join, never looping
  EXPECT_EQ(script.samples, (std::vector<uint8_t>{1, 2}));
  script.plays.clear();

  JoinSound missing(Output(), dir.File("missing.wav"));
  EXPECT_FALSE(missing.Enabled());
  WriteBytes(dir.File("truncated.wav"), Riff({Chunk("fmt ", PcmFormat(1, 22050, 16))}));
  JoinSound truncated(Output(), dir.File("truncated.wav"));
  EXPECT_TRUE(truncated.Enabled());
  truncated.Play();
  EXPECT_TRUE(script.plays.empty());
  script.clipError = kAudioBadFormat;
  EXPECT_FALSE(JoinSound(Output(), wavePath).Enabled());
  EXPECT_EQ(Logged(), "Error create sound buffer P=2\n");
}

}  // namespace
