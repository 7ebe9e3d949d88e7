#pragma once

#include "mono_clip.h"

#include <cstddef>
#include <functional>
#include <vector>

inline constexpr int SynthRate = 44100;

// A sound being shaped: samples in [-1, 1] at SynthRate.
using Signal = std::vector<double>;

std::size_t samplesFor(double seconds);

// `seconds` of sound whose samples are wave(t), t in seconds, computed in time order.
Signal render(double seconds, const std::function<double(double t)>& wave);

// A phase that follows a changing frequency without jumps, so a sweep stays smooth.
class Oscillator {
  public:
    // The phase in radians for this sample, then moves on by one sample at `frequency` Hz.
    double advance(double frequency);

  private:
    double phase_ = 0.0;
};

// Glides from `from` to `to` as progress runs from 0 to 1, evenly in pitch.
double sweep(double from, double to, double progress);

// Raised-cosine fades over the first and last stretch; the first and last samples become zero.
void fadeEnds(Signal& signal, double fadeInSeconds, double fadeOutSeconds);

// Scales the signal so that its loudest sample lies `peakDecibels` from full scale.
void normalisePeak(Signal& signal, double peakDecibels);

// Rounds to 16-bit samples and appends `silenceSeconds` of zeros.
MonoClip toClip(const Signal& signal, double silenceSeconds);
