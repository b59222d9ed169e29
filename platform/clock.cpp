#include "platform/clock.h"

#include <windows.h>

#include <cmath>

namespace platform {

double MonotonicSeconds() {
    LARGE_INTEGER frequency, counter;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&counter);
    return static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

void WaitForMessageOrTimeout(double seconds) {
    if (!(seconds > 0)) return;
    // Rounded up so the caller's next clock check finds the time has passed.
    const double ms = std::ceil(seconds * 1000.0);
    const DWORD timeout = ms >= 0x7fffffff ? 0x7fffffff : static_cast<DWORD>(ms);
    // MWMO_INPUTAVAILABLE: wake for anything already queued, not only for new arrivals.
    // No handles to wait on, so none is passed.
    // cppcheck-suppress nullPointer
    MsgWaitForMultipleObjectsEx(0, nullptr, timeout, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
}

double DelayClock() {
    return std::floor(MonotonicSeconds() * kDelayClockTicksPerSecond) / kDelayClockTicksPerSecond;
}

}  // namespace platform
