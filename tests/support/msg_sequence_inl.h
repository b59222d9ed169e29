#pragma once
#include "platform/clock.h"
#include "platform/pump.h"

namespace testsupport {

template <typename Predicate>
bool PumpUntil(Predicate done, double seconds) {
    const double start = platform::MonotonicSeconds();
    while (!done()) {
        if (platform::MonotonicSeconds() - start > seconds) return false;
        platform::PumpMessages();
        platform::WaitForMessageOrTimeout(0.01);
    }
    return true;
}

}  // namespace testsupport
