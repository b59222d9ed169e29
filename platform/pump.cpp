#include "platform/pump.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "platform/clock.h"

namespace platform {
namespace {

constexpr char kEndingMessageName[] = "replymate ending";
// Registered messages take the values from here up; below are the system's.
constexpr UINT kFirstRegisteredMessage = 0xC000;

}  // namespace

void PumpMessages() {
    // Messages that arrive while we dispatch are left for the next pump, so a
    // window that keeps posting to itself cannot hold a caller here for ever.
    const DWORD started = GetTickCount();
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) EndProgram(static_cast<UINT>(msg.wParam));
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
        if (static_cast<LONG>(msg.time - started) > 0) break;
    }
}

void Pause(double seconds) {
    Stopwatch watch;
    while (seconds > watch.Elapsed()) {
        PumpMessages();
        // Sleep until something arrives or the time is up, instead of spinning.
        WaitForMessageOrTimeout(seconds - watch.Elapsed());
    }
}

void Delay(double seconds) {
    Stopwatch watch(DelayClock);
    // The first tick of the stepped clock at which the wait is over.
    const double ticks = std::max(1.0, std::ceil(seconds * kDelayClockTicksPerSecond));
    const double end = watch.Started() + ticks / kDelayClockTicksPerSecond;
    while (watch.Elapsed() < seconds) {
        PumpMessages();
        WaitForMessageOrTimeout(end - MonotonicSeconds());
    }
}

bool WaitFor(const std::function<bool()>& condition, double limit, double poll) {
    Stopwatch watch;
    for (;;) {
        PumpMessages();
        if (condition()) return true;
        const double left = limit - watch.Elapsed();
        if (left <= 0) return false;
        Pause(std::min(poll, left));
    }
}

bool IsEndingMessage(UINT message) {
    // Only a registered message can be it, and most messages are not.
    return message >= kFirstRegisteredMessage &&
           message == RegisterWindowMessageA(kEndingMessageName);
}

void AnnounceEnding() {
    // Gathered first: a window that hears it may destroy itself, and the walk
    // would end at it.
    std::vector<HWND> ours;
    for (HWND w = FindWindowExA(HWND_MESSAGE, nullptr, nullptr, nullptr); w;
         w = FindWindowExA(HWND_MESSAGE, w, nullptr, nullptr)) {
        if (GetWindowThreadProcessId(w, nullptr) == GetCurrentThreadId()) ours.push_back(w);
    }
    const UINT ending = RegisterWindowMessageA(kEndingMessageName);
    for (HWND w : ours)
        if (IsWindow(w)) SendMessageA(w, ending, 0, 0);
}

void EndProgram(UINT exitCode) {
    AnnounceEnding();
    ExitProcess(exitCode);
}

}  // namespace platform
