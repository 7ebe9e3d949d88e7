#include "ui/cue_source.h"

#include <algorithm>
#include <cstring>

void CueSource::start(std::shared_ptr<const Cue> cue) {
    const std::lock_guard lock(mutex_);
    cue_ = std::move(cue);
    position_ = 0;
    startedAt_ = Clock::now();
}

void CueSource::stop() {
    const std::lock_guard lock(mutex_);
    cue_.reset();
    position_ = 0;
}

std::size_t CueSource::read(char* data, std::size_t size) {
    const std::lock_guard lock(mutex_);
    if (!cue_) {
        return 0;
    }
    const qsizetype frame = cue_->format.bytesPerFrame();
    const qsizetype wanted = static_cast<qsizetype>(size) / frame * frame;
    const qsizetype count = std::min(wanted, cue_->samples.size() - position_);
    std::memcpy(data, cue_->samples.constData() + position_, static_cast<std::size_t>(count));
    position_ += count;
    if (position_ == cue_->samples.size()) {
        cue_.reset();
        position_ = 0;
    }
    return static_cast<std::size_t>(count);
}

CueFormat CueSource::format() const {
    const std::lock_guard lock(mutex_);
    return cue_ ? cue_->format : CueFormat();
}

CueSource::Clock::time_point CueSource::startedAt() const {
    const std::lock_guard lock(mutex_);
    return startedAt_;
}
