#include "ui/pulse_cue_output.h"

#include "ui/cue_source.h"

#include <cstdint>
#include <optional>

namespace {

using Clock = std::chrono::steady_clock;

// How often a missing or lost server is looked for again, at the most; only a cue looks.
constexpr auto RetryAfter = std::chrono::seconds(1);
// A server that has not answered by then is given up and looked for afresh: one that was
// starting, or stopped, when it was asked may never answer that connection.
constexpr auto AnswerWithin = std::chrono::seconds(2);
// A cue still waiting when a slow server at last answers is dropped once it is this old: it
// would no longer go with what happens on the screen.
constexpr auto StaleAfter = std::chrono::milliseconds(300);
// What the server keeps of a cue ahead of playing it. A new cue flushes it, so its length does
// not delay the cut: half a second takes a short cue in one piece.
constexpr pa_usec_t BufferMicroseconds = 500'000;
// How much must have played before the server asks for more, each request waking PulseAudio's
// thread: a chirp goes over without any. Left to the server it asked every 20 ms; asked to
// request in half buffers, it set its sink's latency, (buffer - 2 requests) / 2, to half a
// millisecond and spent a sixth of a core rendering it.
constexpr pa_usec_t RequestMicroseconds = 100'000;
// A cue may still sound this long after its last sample was handed over.
constexpr auto SinkLatency = std::chrono::milliseconds(100);

std::optional<pa_sample_spec> pulseFormatOf(const CueFormat& format) {
    if (format.channels > static_cast<int>(PA_CHANNELS_MAX)) {
        return std::nullopt;
    }
    const pa_sample_spec layout{PA_SAMPLE_S16NE, static_cast<std::uint32_t>(format.sampleRate),
                                static_cast<std::uint8_t>(format.channels)};
    if (!pa_sample_spec_valid(&layout)) {
        return std::nullopt;
    }
    return layout;
}

Clock::duration durationOf(const CueFormat& format, qsizetype bytes) {
    const auto frames = static_cast<std::int64_t>(bytes / format.bytesPerFrame());
    return std::chrono::microseconds(frames * 1'000'000 / format.sampleRate);
}

void forget(pa_operation* operation) {
    if (operation != nullptr) {
        pa_operation_unref(operation);
    }
}

class LoopLock {
  public:
    explicit LoopLock(pa_threaded_mainloop* loop) : loop_(loop) {
        pa_threaded_mainloop_lock(loop_);
    }
    ~LoopLock() { pa_threaded_mainloop_unlock(loop_); }
    LoopLock(const LoopLock&) = delete;
    LoopLock& operator=(const LoopLock&) = delete;

  private:
    pa_threaded_mainloop* loop_;
};

} // namespace

std::unique_ptr<CueOutput> openCueOutput(CueSource& source) {
    return std::make_unique<PulseCueOutput>(source);
}

PulseCueOutput::PulseCueOutput(CueSource& source) : source_(source) {
    loop_ = pa_threaded_mainloop_new();
    if (loop_ == nullptr) {
        return;
    }
    // Before its thread runs, the loop needs no lock: the game's thread never waits for that
    // thread to be scheduled.
    connect();
    if (pa_threaded_mainloop_start(loop_) < 0) {
        disconnect();
        pa_threaded_mainloop_free(loop_);
        loop_ = nullptr;
    }
}

PulseCueOutput::~PulseCueOutput() {
    if (loop_ == nullptr) {
        return;
    }
    {
        const LoopLock lock(loop_);
        disconnect();
    }
    pa_threaded_mainloop_stop(loop_);
    pa_threaded_mainloop_free(loop_);
}

void PulseCueOutput::play(std::shared_ptr<const Cue> cue) {
    if (loop_ == nullptr) {
        source_.start(std::move(cue));
        return;
    }
    const LoopLock lock(loop_);
    const CueFormat format = cue->format;
    const bool sounding = Clock::now() < soundingUntil_;
    soundingUntil_ = Clock::now() + durationOf(format, cue->samples.size()) + SinkLatency;
    source_.start(std::move(cue));
    const pa_context_state_t state =
        context_ != nullptr ? pa_context_get_state(context_) : PA_CONTEXT_FAILED;
    if (state != PA_CONTEXT_READY) {
        const auto waited = Clock::now() - lastConnect_;
        if (PA_CONTEXT_IS_GOOD(state) ? waited >= AnswerWithin : waited >= RetryAfter) {
            disconnect();
            connect();
        }
        return; // the stream opens once the server has answered
    }
    if (stream_ != nullptr &&
        (streamFormat_ != format || !PA_STREAM_IS_GOOD(pa_stream_get_state(stream_)))) {
        closeStream();
    }
    if (stream_ == nullptr) {
        openStream();
    } else if (streamReady()) {
        if (sounding) {
            cutOff();
        }
        fill(pa_stream_writable_size(stream_));
    }
}

void PulseCueOutput::stop() {
    source_.stop();
    if (loop_ == nullptr) {
        return;
    }
    const LoopLock lock(loop_);
    if (streamReady() && Clock::now() < soundingUntil_) {
        cutOff();
    }
    soundingUntil_ = {};
}

// Whatever the server still holds of the previous cue goes, so that the next one follows at
// once. Once a cue has ended there is nothing to flush, and the round trip is saved.
void PulseCueOutput::cutOff() {
    forget(pa_stream_flush(stream_, nullptr, nullptr));
}

void PulseCueOutput::onContextState(pa_context* context, void* self) {
    auto* output = static_cast<PulseCueOutput*>(self);
    if (pa_context_get_state(context) == PA_CONTEXT_READY && output->source_.format().isValid()) {
        output->openStream();
    }
}

void PulseCueOutput::onStreamState(pa_stream* stream, void* self) {
    auto* output = static_cast<PulseCueOutput*>(self);
    if (pa_stream_get_state(stream) == PA_STREAM_READY &&
        Clock::now() - output->source_.startedAt() > StaleAfter) {
        output->source_.stop();
    }
}

void PulseCueOutput::onWritable(pa_stream* /*stream*/, std::size_t bytes, void* self) {
    static_cast<PulseCueOutput*>(self)->fill(bytes);
}

void PulseCueOutput::connect() {
    lastConnect_ = Clock::now();
    pa_proplist* properties = pa_proplist_new();
    pa_proplist_sets(properties, PA_PROP_APPLICATION_NAME, "Zarvo Cycles");
    pa_proplist_sets(properties, PA_PROP_APPLICATION_ICON_NAME, "zarvo-cycles");
    context_ = pa_context_new_with_proplist(pa_threaded_mainloop_get_api(loop_), "Zarvo Cycles",
                                            properties);
    pa_proplist_free(properties);
    if (context_ == nullptr) {
        return;
    }
    pa_context_set_state_callback(context_, onContextState, this);
    // Starting a sound server of its own is not the game's business.
    if (pa_context_connect(context_, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0) {
        disconnect();
    }
}

void PulseCueOutput::disconnect() {
    closeStream();
    if (context_ != nullptr) {
        pa_context_set_state_callback(context_, nullptr, nullptr);
        pa_context_disconnect(context_);
        pa_context_unref(context_);
        context_ = nullptr;
    }
}

void PulseCueOutput::openStream() {
    const CueFormat format = source_.format();
    const std::optional<pa_sample_spec> layout = pulseFormatOf(format);
    if (!layout) {
        source_.stop();
        return;
    }
    pa_channel_map channels;
    pa_channel_map_init_extend(&channels, layout->channels, PA_CHANNEL_MAP_WAVEEX);
    pa_proplist* properties = pa_proplist_new();
    pa_proplist_sets(properties, PA_PROP_MEDIA_ROLE, "game");
    stream_ = pa_stream_new_with_proplist(context_, "Sound cues", &*layout, &channels, properties);
    pa_proplist_free(properties);
    if (stream_ == nullptr) {
        return;
    }
    streamFormat_ = format;
    pa_stream_set_state_callback(stream_, onStreamState, this);
    pa_stream_set_write_callback(stream_, onWritable, this);
    pa_buffer_attr buffer{};
    buffer.maxlength = static_cast<std::uint32_t>(-1);
    buffer.tlength = static_cast<std::uint32_t>(pa_usec_to_bytes(BufferMicroseconds, &*layout));
    // Any sound at all starts playing: a cue shorter than the buffer must not wait to fill it.
    buffer.prebuf = static_cast<std::uint32_t>(pa_frame_size(&*layout));
    buffer.minreq = static_cast<std::uint32_t>(pa_usec_to_bytes(RequestMicroseconds, &*layout));
    buffer.fragsize = static_cast<std::uint32_t>(-1);
    if (pa_stream_connect_playback(stream_, nullptr, &buffer, PA_STREAM_ADJUST_LATENCY, nullptr,
                                   nullptr) < 0) {
        closeStream();
    }
}

void PulseCueOutput::closeStream() {
    if (stream_ == nullptr) {
        return;
    }
    pa_stream_set_state_callback(stream_, nullptr, nullptr);
    pa_stream_set_write_callback(stream_, nullptr, nullptr);
    if (PA_STREAM_IS_GOOD(pa_stream_get_state(stream_))) {
        pa_stream_disconnect(stream_);
    }
    pa_stream_unref(stream_);
    stream_ = nullptr;
}

bool PulseCueOutput::streamReady() const {
    return stream_ != nullptr && pa_stream_get_state(stream_) == PA_STREAM_READY;
}

void PulseCueOutput::fill(std::size_t bytes) {
    while (bytes > 0) {
        void* data = nullptr;
        std::size_t size = bytes;
        if (pa_stream_begin_write(stream_, &data, &size) < 0 || data == nullptr) {
            return;
        }
        const std::size_t read = source_.read(static_cast<char*>(data), size);
        if (read == 0) {
            pa_stream_cancel_write(stream_);
            return;
        }
        pa_stream_write(stream_, data, read, nullptr, 0, PA_SEEK_RELATIVE);
        bytes -= std::min(read, bytes);
    }
}
