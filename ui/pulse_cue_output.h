#pragma once

#include "ui/cue_output.h"
#include "ui/wave_file.h"

#include <chrono>
#include <pulse/pulseaudio.h>

// The cues through one PulseAudio playback stream, kept for the whole run. PulseAudio's own
// thread pulls the samples from the source as the server asks for them; the game's thread only
// starts, cuts and stops, holding the loop's lock for a moment and never waiting for the
// server. While the server is missing or gone, every cue is silent; a new connection is tried
// at a cue at most once a second, so a server that comes back is heard again.
class PulseCueOutput final : public CueOutput {
  public:
    explicit PulseCueOutput(CueSource& source);
    ~PulseCueOutput() override;
    PulseCueOutput(const PulseCueOutput&) = delete;
    PulseCueOutput& operator=(const PulseCueOutput&) = delete;

    void play(std::shared_ptr<const Cue> cue) override;
    void stop() override;

  private:
    static void onContextState(pa_context* context, void* self);
    static void onStreamState(pa_stream* stream, void* self);
    static void onWritable(pa_stream* stream, std::size_t bytes, void* self);

    void connect();
    void disconnect();
    void openStream();
    void closeStream();
    bool streamReady() const;
    void cutOff();
    void fill(std::size_t bytes);

    CueSource& source_;
    pa_threaded_mainloop* loop_ = nullptr;
    pa_context* context_ = nullptr;
    pa_stream* stream_ = nullptr;
    CueFormat streamFormat_;
    std::chrono::steady_clock::time_point lastConnect_;
    std::chrono::steady_clock::time_point soundingUntil_;
};
