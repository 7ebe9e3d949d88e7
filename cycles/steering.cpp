#include "cycles/cycle.h"

namespace {

int randomHeading(RandomSource& random) {
    return static_cast<int>(random.draw() * 4);
}

} // namespace

// A computer cycle wanders now and then and looks one cell ahead: eight checks, each drawing a
// new heading while the way ahead is blocked. The checks never stop early.
void clsCycle::steer() {
    RandomSource& random = world_->random;
    random.reseedFromClock();
    if (static_cast<int>(random.draw() * 8) == 0) {
        setDirection(randomHeading(random));
    }
    for (int check = 0; check < 8; ++check) {
        if (CollisionDetected()) {
            setDirection(randomHeading(random));
        }
    }
}
