#include "shell/delay.h"

#include <cmath>

#include "host/clock.h"
#include "host/primitives.h"

namespace shell {

double DelayClock() {
    return std::floor(host::MonotonicSeconds() * kDelayClockTicksPerSecond) /
           kDelayClockTicksPerSecond;
}

void Delay(double seconds) {
    const double start = DelayClock();
    while (DelayClock() - start < seconds) {
        host::PumpMessages();
        // Sleep until a message comes or the clock reaches its next tick.
        const double nextTick = DelayClock() + 1.0 / kDelayClockTicksPerSecond;
        host::WaitForMessageOrTimeout(nextTick - host::MonotonicSeconds());
    }
}

}  // namespace shell
