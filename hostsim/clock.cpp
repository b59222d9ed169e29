#include "hostsim/clock.h"

#include <windows.h>

namespace hostsim {

double NowSeconds() {
    LARGE_INTEGER ticks, perSecond;
    QueryPerformanceCounter(&ticks);
    QueryPerformanceFrequency(&perSecond);
    return static_cast<double>(ticks.QuadPart) / static_cast<double>(perSecond.QuadPart);
}

}  // namespace hostsim
