// The game's cues through SDL2's audio, pulling from the same CueSource as the game's own output
// on SDL's audio thread: one device for the run, playing silence between cues. Built as
// zarvo-cycles-sdl2 to be measured beside the game (docs/performance.md); not shipped.
#include "ui/cue_output.h"
#include "ui/cue_source.h"

#include <SDL.h>
#include <chrono>
#include <cstring>

namespace {

class Sdl2Output final : public CueOutput {
  public:
    explicit Sdl2Output(CueSource& source) : source_(source) { SDL_InitSubSystem(SDL_INIT_AUDIO); }
    ~Sdl2Output() override {
        close();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
    Sdl2Output(const Sdl2Output&) = delete;
    Sdl2Output& operator=(const Sdl2Output&) = delete;

    void play(std::shared_ptr<const Cue> cue) override {
        const CueFormat format = cue->format;
        source_.start(std::move(cue));
        if (device_ != 0 &&
            (format != format_ || SDL_GetAudioDeviceStatus(device_) == SDL_AUDIO_STOPPED)) {
            close();
        }
        const auto now = std::chrono::steady_clock::now();
        if (device_ == 0 && now - lastOpen_ >= std::chrono::seconds(1)) {
            lastOpen_ = now;
            open(format);
        }
    }

    void stop() override { source_.stop(); }

  private:
    static void pull(void* self, Uint8* stream, int size) {
        auto& source = static_cast<Sdl2Output*>(self)->source_;
        const std::size_t read = source.read(reinterpret_cast<char*>(stream), std::size_t(size));
        std::memset(stream + read, 0, std::size_t(size) - read);
    }

    void open(const CueFormat& format) {
        SDL_AudioSpec wanted{};
        wanted.freq = format.sampleRate;
        wanted.format = AUDIO_S16SYS;
        wanted.channels = static_cast<Uint8>(format.channels);
        wanted.samples = 512;
        wanted.callback = pull;
        wanted.userdata = this;
        device_ = SDL_OpenAudioDevice(nullptr, 0, &wanted, nullptr, 0);
        format_ = format;
        if (device_ != 0) {
            SDL_PauseAudioDevice(device_, 0);
        }
    }

    void close() {
        if (device_ != 0) {
            SDL_CloseAudioDevice(device_);
            device_ = 0;
        }
    }

    CueSource& source_;
    SDL_AudioDeviceID device_ = 0;
    CueFormat format_;
    std::chrono::steady_clock::time_point lastOpen_;
};

} // namespace

std::unique_ptr<CueOutput> openCueOutput(CueSource& source) {
    return std::make_unique<Sdl2Output>(source);
}
