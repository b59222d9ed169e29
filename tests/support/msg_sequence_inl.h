#pragma once
#include "host/clock.h"
#include "host/primitives.h"

namespace testsupport {

template <typename Predicate>
bool PumpUntil(Predicate done, double seconds) {
    const double start = host::MonotonicSeconds();
    while (!done()) {
        if (host::MonotonicSeconds() - start > seconds) return false;
        host::PumpMessages();
        host::WaitForMessageOrTimeout(0.01);
    }
    return true;
}

}  // namespace testsupport
