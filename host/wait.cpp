#include "host/wait.h"

#include <algorithm>

#include "host/clock.h"
#include "host/primitives.h"

namespace host {

bool WaitFor(const std::function<bool()>& condition, double limit, double poll) {
    const double start = MonotonicSeconds();
    for (;;) {
        PumpMessages();
        if (condition()) return true;
        const double left = limit - (MonotonicSeconds() - start);
        if (left <= 0) return false;
        Pause(std::min(poll, left));
    }
}

}  // namespace host
