#include "sound_cues.h"

#include "synth.h"

#include <cmath>
#include <numbers>
#include <random>

namespace {

// Some players cut off roughly the last 110-140 ms of every clip; this much silence keeps the
// sound itself whole.
constexpr double TailSeconds = 0.2;

constexpr double TwoPi = 2.0 * std::numbers::pi;

double wobble(double t, double rate, double depth) {
    return 1.0 + depth * std::sin(TwoPi * rate * t);
}

// A short blip gliding along `pitch` (Hz, by progress 0 to 1) with a touch of overtone.
Signal chirp(double seconds, const std::function<double(double progress)>& pitch, double overtone) {
    Oscillator oscillator;
    return render(seconds, [&](double t) {
        const double phase = oscillator.advance(pitch(t / seconds));
        return std::sin(phase) + overtone * std::sin(2.0 * phase);
    });
}

MonoClip finishChirp(Signal signal) {
    fadeEnds(signal, 0.004, 0.025);
    normalisePeak(signal, -4.0);
    return toClip(signal, TailSeconds);
}

} // namespace

MonoClip silenceCue() {
    return toClip(Signal(samplesFor(0.1), 0.0), TailSeconds);
}

MonoClip humCue() {
    constexpr double seconds = 3.5;
    constexpr double motorHz = 110.0;
    Oscillator motor;
    Oscillator beat;
    Signal signal = render(seconds, [&](double t) {
        const double pitch = motorHz * wobble(t, 5.5, 0.004);
        const double phase = motor.advance(pitch);
        // Falling overtones keep the hum warm rather than buzzy.
        const double tone = std::sin(phase) + 0.5 * std::sin(2.0 * phase) +
                            0.3 * std::sin(3.0 * phase) + 0.12 * std::sin(4.0 * phase) +
                            0.05 * std::sin(6.0 * phase);
        // A slightly detuned copy gives a slow beat, as a spinning motor has.
        const double detuned = 0.35 * std::sin(beat.advance(pitch + 0.7));
        return wobble(t, 3.2, 0.08) * (tone + detuned);
    });
    fadeEnds(signal, 0.04, 0.25);
    normalisePeak(signal, -6.0);
    return toClip(signal, TailSeconds);
}

MonoClip turn2Cue() {
    return finishChirp(chirp(
        0.075, [](double progress) { return sweep(520.0, 1040.0, progress); }, 0.25));
}

MonoClip turn3Cue() {
    // Rises higher, then settles back a little.
    constexpr double peakAt = 0.65;
    return finishChirp(chirp(
        0.08,
        [](double progress) {
            return progress < peakAt ? sweep(600.0, 1200.0, progress / peakAt)
                                     : sweep(1200.0, 980.0, (progress - peakAt) / (1.0 - peakAt));
        },
        0.15));
}

MonoClip crashCue() {
    constexpr double seconds = 0.5;
    std::mt19937 generator(7321); // a fixed seed: every build writes the same crash
    std::uniform_real_distribution<double> noise(-1.0, 1.0);
    double debris = 0.0;
    Oscillator thump;
    Signal signal = render(seconds, [&](double t) {
        const double progress = t / seconds;
        // Noise through a one-pole low-pass whose cutoff falls: a bright smash dulling away.
        const double cutoff = sweep(7000.0, 600.0, progress);
        debris += (1.0 - std::exp(-TwoPi * cutoff / SynthRate)) * (noise(generator) - debris);
        const double body = std::sin(thump.advance(sweep(110.0, 45.0, progress)));
        return debris * std::exp(-t / 0.13) + 0.7 * body * std::exp(-t / 0.09);
    });
    fadeEnds(signal, 0.002, 0.06);
    normalisePeak(signal, -3.0);
    return toClip(signal, TailSeconds);
}
