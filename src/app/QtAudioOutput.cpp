// Qt Multimedia sinks pulling clips from memory.
#include "QtAudioOutput.h"

#include <QAudioSink>
#include <QIODevice>
#include <QMediaDevices>
#include <QTimer>
#include <atomic>
#include <utility>

#include "sound/ClipVoice.h"

namespace {

std::atomic<void (*)()> firstSamplesObserver{nullptr};

// Ahead of what is heard, the sink holds at most this much: a restart waits no longer than that.
constexpr int kSinkBufferMilliseconds = 30;
constexpr int kFeedMilliseconds = 5;

// Pushes the voice into its sink: the first frames at once, within Play(), then whatever room
// the sink has, every few milliseconds until the voice ends.
class QtAudioClip final : public AudioClip {
 public:
  QtAudioClip(const QAudioDevice& device, const QAudioFormat& format, const WaveFormat& wave,
              std::vector<uint8_t> samples)
      : voice_(wave, std::move(samples)), sink_(device, format) {
    sink_.setBufferSize(format.bytesForDuration(kSinkBufferMilliseconds * 1000));
    feeder_.setInterval(kFeedMilliseconds);
    QObject::connect(&feeder_, &QTimer::timeout, [this] { Feed(); });
    // Opened now, so that the first join does not wait for the stream to connect.
    writer_ = sink_.start();
  }

  void Play(bool loop) override {
    voice_.Start(loop);
    if (writer_ == nullptr || sink_.state() == QAudio::StoppedState) writer_ = sink_.start();
    Feed();
    if (!feeder_.isActive()) feeder_.start();
  }

 private:
  void Feed() {
    const qint64 room = writer_ != nullptr ? sink_.bytesFree() : 0;
    if (room > 0) {
      chunk_.resize(static_cast<std::size_t>(room));
      bool started = false;
      const std::size_t bytes = voice_.Render(chunk_.data(), chunk_.size(), &started);
      writer_->write(reinterpret_cast<const char*>(chunk_.data()), static_cast<qint64>(bytes));
      if (void (*observer)() = firstSamplesObserver.load(); started && observer != nullptr)
        observer();
    }
    if (!voice_.Playing()) feeder_.stop();
  }

  ClipVoice voice_;
  QAudioSink sink_;
  QIODevice* writer_ = nullptr;
  QTimer feeder_;
  std::vector<uint8_t> chunk_;
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

void QtAudioOutput::SetFirstSamplesObserver(void (*observer)()) {
  firstSamplesObserver.store(observer);
}

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
  clip = std::make_unique<QtAudioClip>(device_, qt, format, std::move(samples));
  return 0;
}
