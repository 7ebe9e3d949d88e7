#include "arena/random_source.h"

#include <chrono>

namespace {

std::uint64_t splitMix(std::uint64_t& x) {
    std::uint64_t z = (x += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

std::uint64_t rotl(std::uint64_t x, int k) {
    return (x << k) | (x >> (64 - k));
}

std::uint64_t clockReading() {
    return static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
}

} // namespace

RandomSource::RandomSource() : RandomSource(clockReading()) {
    fixed_ = false;
}

RandomSource::RandomSource(std::uint64_t seed) : seed_(seed), fixed_(true) {
    std::uint64_t x = seed;
    for (auto& word : state_) {
        word = splitMix(x);
    }
}

void RandomSource::reseedFromClock() {
    mix(fixed_ ? 0 : clockReading());
}

// Folds a value into the state and steps the generator, so that mixing the same value twice in a
// row does not cancel out.
void RandomSource::mix(std::uint64_t value) {
    std::uint64_t x = value ^ state_[3];
    state_[0] ^= splitMix(x);
    next();
}

double RandomSource::draw() {
    return static_cast<double>(next() >> 11) * 0x1.0p-53;
}

// xoshiro256**
std::uint64_t RandomSource::next() {
    const std::uint64_t result = rotl(state_[1] * 5, 7) * 9;
    const std::uint64_t t = state_[1] << 17;
    state_[2] ^= state_[0];
    state_[3] ^= state_[1];
    state_[1] ^= state_[2];
    state_[0] ^= state_[3];
    state_[2] ^= t;
    state_[3] = rotl(state_[3], 45);
    return result;
}
