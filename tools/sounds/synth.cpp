#include "synth.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

std::size_t samplesFor(double seconds) {
    return static_cast<std::size_t>(std::lround(seconds * SynthRate));
}

Signal render(double seconds, const std::function<double(double t)>& wave) {
    Signal signal(samplesFor(seconds));
    for (std::size_t i = 0; i < signal.size(); ++i) {
        signal[i] = wave(static_cast<double>(i) / SynthRate);
    }
    return signal;
}

double Oscillator::advance(double frequency) {
    const double current = phase_;
    phase_ =
        std::fmod(phase_ + 2.0 * std::numbers::pi * frequency / SynthRate, 2.0 * std::numbers::pi);
    return current;
}

double sweep(double from, double to, double progress) {
    return from * std::pow(to / from, progress);
}

namespace {

double riseOver(std::size_t step, std::size_t steps) {
    return 0.5 * (1.0 - std::cos(std::numbers::pi * static_cast<double>(step) /
                                 static_cast<double>(steps)));
}

} // namespace

void fadeEnds(Signal& signal, double fadeInSeconds, double fadeOutSeconds) {
    const std::size_t fadeIn = std::min(samplesFor(fadeInSeconds), signal.size());
    const std::size_t fadeOut = std::min(samplesFor(fadeOutSeconds), signal.size());
    for (std::size_t i = 0; i < fadeIn; ++i) {
        signal[i] *= riseOver(i, fadeIn);
    }
    for (std::size_t i = 0; i < fadeOut; ++i) {
        signal[signal.size() - 1 - i] *= riseOver(i, fadeOut);
    }
}

void normalisePeak(Signal& signal, double peakDecibels) {
    double loudest = 0.0;
    for (const double sample : signal) {
        loudest = std::max(loudest, std::abs(sample));
    }
    if (loudest == 0.0) {
        return;
    }
    const double gain = std::pow(10.0, peakDecibels / 20.0) / loudest;
    for (double& sample : signal) {
        sample *= gain;
    }
}

MonoClip toClip(const Signal& signal, double silenceSeconds) {
    constexpr double fullScale = std::numeric_limits<std::int16_t>::max();
    MonoClip clip{SynthRate, std::vector<std::int16_t>(signal.size() + samplesFor(silenceSeconds))};
    std::ranges::transform(signal, clip.samples.begin(), [](double sample) {
        return static_cast<std::int16_t>(std::lround(std::clamp(sample, -1.0, 1.0) * fullScale));
    });
    return clip;
}
