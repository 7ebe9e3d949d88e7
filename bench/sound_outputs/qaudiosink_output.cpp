// The game's cues through Qt Multimedia's QAudioSink, pulling from the same CueSource as the
// game's own output: one sink for the run, fed in pull mode. Built as zarvo-cycles-qaudiosink
// to be measured beside the game (docs/performance.md); not shipped.
#include "ui/cue_output.h"
#include "ui/cue_source.h"

#include <QAudioSink>
#include <QIODevice>
#include <QMediaDevices>
#include <algorithm>
#include <cstring>

namespace {

constexpr qint64 BufferMicroseconds = 100'000;

QAudioFormat sinkFormatOf(const CueFormat& cue) {
    QAudioFormat format;
    format.setSampleRate(cue.sampleRate);
    format.setChannelCount(cue.channels);
    format.setSampleFormat(QAudioFormat::Int16);
    return format;
}

// The source as the sink reads it. After a cue it gives one buffer of silence, so that the
// sink's server stream, which waits for a full buffer after running dry, plays a short cue too.
class CueDevice : public QIODevice {
  public:
    explicit CueDevice(CueSource& source) : source_(source) { open(QIODevice::ReadOnly); }
    bool isSequential() const override { return true; }
    void restart(qint64 padding) {
        padding_ = padding;
        emit readyRead();
    }

  protected:
    qint64 readData(char* data, qint64 size) override {
        auto read = static_cast<qint64>(source_.read(data, static_cast<std::size_t>(size)));
        if (read == 0 && padding_ > 0) {
            read = std::min(size, padding_);
            std::memset(data, 0, static_cast<std::size_t>(read));
            padding_ -= read;
        }
        return read;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

  private:
    CueSource& source_;
    qint64 padding_ = 0;
};

class QAudioSinkOutput final : public CueOutput {
  public:
    explicit QAudioSinkOutput(CueSource& source) : source_(source), device_(source) {}

    void play(std::shared_ptr<const Cue> cue) override {
        const QAudioFormat format = sinkFormatOf(cue->format);
        source_.start(std::move(cue));
        if (sink_ == nullptr || sink_->format() != format ||
            sink_->state() == QAudio::StoppedState) {
            sink_ = std::make_unique<QAudioSink>(QMediaDevices::defaultAudioOutput(), format);
            sink_->setBufferSize(format.bytesForDuration(BufferMicroseconds));
            sink_->start(&device_);
        }
        device_.restart(format.bytesForDuration(BufferMicroseconds));
    }

    void stop() override { source_.stop(); }

  private:
    CueSource& source_;
    CueDevice device_;
    std::unique_ptr<QAudioSink> sink_;
};

} // namespace

std::unique_ptr<CueOutput> openCueOutput(CueSource& source) {
    return std::make_unique<QAudioSinkOutput>(source);
}
