// Qt Multimedia sinks pulling clips from memory.
#include "QtAudioOutput.h"

#include <QAudioSink>
#include <QIODevice>
#include <QMediaDevices>
#include <utility>

#include "sound/ClipVoice.h"

namespace {

// The sink's pull: always as much as it asks for, silence between sounds.
class VoiceStream final : public QIODevice {
 public:
  VoiceStream(ClipVoice& voice, const std::function<void()>& firstSamples)
      : voice_(voice), firstSamples_(firstSamples) {
    open(QIODevice::ReadOnly);
  }
  bool isSequential() const override { return true; }
  qint64 bytesAvailable() const override { return kAlwaysAvailable + QIODevice::bytesAvailable(); }

 protected:
  qint64 readData(char* data, qint64 maxSize) override {
    bool started = false;
    const std::size_t bytes = voice_.Render(reinterpret_cast<uint8_t*>(data),
                                            static_cast<std::size_t>(maxSize), &started);
    if (started && firstSamples_) firstSamples_();
    return static_cast<qint64>(bytes);
  }
  qint64 writeData(const char*, qint64) override { return -1; }

 private:
  static constexpr qint64 kAlwaysAvailable = 1 << 20;
  ClipVoice& voice_;
  const std::function<void()>& firstSamples_;
};

// Small enough that a pull comes soon after a Play(), large enough not to starve.
constexpr int kSinkBufferMilliseconds = 40;

class QtAudioClip final : public AudioClip {
 public:
  QtAudioClip(const QAudioDevice& device, const QAudioFormat& format, const WaveFormat& wave,
              std::vector<uint8_t> samples, const std::function<void()>& firstSamples)
      : voice_(wave, std::move(samples)), stream_(voice_, firstSamples), sink_(device, format) {
    sink_.setBufferSize(format.bytesForDuration(kSinkBufferMilliseconds * 1000));
  }

  void Play(bool loop) override {
    voice_.Start(loop);
    // Started once, the sink keeps pulling: silence costs less than opening a stream per join.
    if (sink_.state() == QAudio::StoppedState) sink_.start(&stream_);
  }

 private:
  ClipVoice voice_;
  VoiceStream stream_;
  QAudioSink sink_;
};

QAudioFormat::SampleFormat SampleFormatOf(const WaveFormat& wave) {
  if (wave.formatTag == kWaveFormatFloat) return QAudioFormat::Float;
  switch (wave.bitsPerSample) {
    case 8:
      return QAudioFormat::UInt8;
    case 16:
      return QAudioFormat::Int16;
    default:
      return QAudioFormat::Int32;
  }
}

}  // namespace

QtAudioOutput::QtAudioOutput(std::function<void()> firstSamples)
    : firstSamples_(std::move(firstSamples)) {}

bool QtAudioOutput::CreateMixer() {
  device_ = QMediaDevices::defaultAudioOutput();
  return !device_.isNull();
}

bool QtAudioOutput::CreatePrimary() {
  return device_.preferredFormat().isValid();
}

uint32_t QtAudioOutput::CreateClip(const WaveFormat& format, std::vector<uint8_t> samples,
                                   std::unique_ptr<AudioClip>& clip) {
  if (samples.empty() || format.channels == 0) return kAudioInvalidParameter;
  if (!ClipVoice::CanPlay(format)) return kAudioBadFormat;
  QAudioFormat qt;
  qt.setSampleRate(static_cast<int>(format.samplesPerSecond));
  qt.setChannelCount(format.channels);
  qt.setSampleFormat(SampleFormatOf(format));
  if (!device_.isFormatSupported(qt)) return kAudioBadFormat;
  clip = std::make_unique<QtAudioClip>(device_, qt, format, std::move(samples), firstSamples_);
  return 0;
}
