// What a pause costs the thread that waits: CPU time against wall time, for
// a quiet wait and for one during which a timer of ours keeps firing.
#include <windows.h>

#include <cstdio>

#include "platform/clock.h"
#include "platform/pump.h"

namespace {

constexpr double kPauseSeconds = 2.0;
constexpr UINT kBusyTimerMs = 50;
constexpr double kSpinSeconds = 0.5;
constexpr double kFileTimeTicksPerMs = 10000.0;  // FILETIME counts 100 ns ticks

double Ms(const FILETIME& t) {
    ULARGE_INTEGER v;
    v.LowPart = t.dwLowDateTime;
    v.HighPart = t.dwHighDateTime;
    return static_cast<double>(v.QuadPart) / kFileTimeTicksPerMs;
}

struct ThreadCpu {
    double userMs = 0, kernelMs = 0;
    static ThreadCpu Now() {
        FILETIME created, exited, kernel, user;
        GetThreadTimes(GetCurrentThread(), &created, &exited, &kernel, &user);
        return {Ms(user), Ms(kernel)};
    }
};

int ticks = 0;

void CALLBACK CountTick(HWND, UINT, UINT_PTR, DWORD) {
    ++ticks;
}

// A loop that never yields, to show the thread clock counts at all.
void Spin(double seconds) {
    const double start = platform::MonotonicSeconds();
    while (platform::MonotonicSeconds() - start < seconds) {
    }
}

void Measure(const char* label, void (*wait)(double), double seconds) {
    const ThreadCpu before = ThreadCpu::Now();
    const double start = platform::MonotonicSeconds();
    wait(seconds);
    const double wall = platform::MonotonicSeconds() - start;
    const ThreadCpu after = ThreadCpu::Now();
    const double user = after.userMs - before.userMs, kernel = after.kernelMs - before.kernelMs;
    std::printf("%-32s wall %.3f s   thread CPU %.1f ms (user %.1f, kernel %.1f) = %.2f %%\n",
                label, wall, user + kernel, user, kernel,
                100.0 * (user + kernel) / (wall * 1000.0));
}

}  // namespace

int main() {
    std::printf("CPU time of this thread against wall time\n");
    Measure("busy loop, for comparison", Spin, kSpinSeconds);
    Measure("quiet", platform::Pause, kPauseSeconds);
    const UINT_PTR timer = SetTimer(nullptr, 0, kBusyTimerMs, CountTick);
    Measure("timer every 50 ms", platform::Pause, kPauseSeconds);
    KillTimer(nullptr, timer);
    std::printf("%-32s %d ticks handled during the wait\n", "", ticks);
    return 0;
}
