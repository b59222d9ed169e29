#include "ui/delay.h"

#include <algorithm>
#include <cmath>

#include "host/clock.h"
#include "host/primitives.h"

namespace ui {

double DelayClock() {
    return std::floor(host::MonotonicSeconds() * kDelayClockTicksPerSecond) /
           kDelayClockTicksPerSecond;
}

void Delay(double seconds) {
    const double start = DelayClock();
    // The first tick of the stepped clock at which the wait is over.
    const double ticks = std::max(1.0, std::ceil(seconds * kDelayClockTicksPerSecond));
    const double end = start + ticks / kDelayClockTicksPerSecond;
    while (DelayClock() - start < seconds) {
        host::PumpMessages();
        // Sleep until a message comes or the wait is over.
        host::WaitForMessageOrTimeout(end - host::MonotonicSeconds());
    }
}

}  // namespace ui
