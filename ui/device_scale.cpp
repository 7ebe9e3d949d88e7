#include "ui/device_scale.h"

#include <QtMath>
#include <algorithm>

int wholeDeviceScale(const ScreenRoom& screen, QSize layout) {
    int scale = std::max(1, qRound(screen.factor));
    const auto fits = [&](int n) {
        const QSize window = layout * n + screen.decorations;
        return window.width() <= screen.available.width() &&
               window.height() <= screen.available.height();
    };
    while (scale > 1 && !fits(scale)) {
        --scale;
    }
    return scale;
}
