#include "support/dispatch_watch.h"

#include <algorithm>
#include <vector>

#include "support/desktop.h"

namespace e2e {
namespace {

constexpr DWORD kFeedIntervalMs = 20;
constexpr char kDllName[] = "dispatch_watch.dll";
constexpr char kHookExport[] = "DispatchWatchHook";

double Frequency() {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return static_cast<double>(f.QuadPart);
}

}  // namespace

DispatchWatch::DispatchWatch(HWND window)
    : hook_(window, kDispatchRecordPrefix, sizeof(DispatchRecord)),
      record_(static_cast<const DispatchRecord*>(hook_.record())) {
    if (!hook_.Set(kDllName, kHookExport)) {
        problem_ = "the dispatch watch could not be set on the program's thread";
        return;
    }
    feeder_ = std::thread([this, window] {
        while (feeding_) {
            PostMessageA(window, WM_NULL, 0, 0);
            Sleep(kFeedIntervalMs);
        }
    });
}

DispatchWatch::~DispatchWatch() {
    feeding_ = false;
    if (feeder_.joinable()) feeder_.join();
}

double DispatchWatch::LongestGap(double from, double to) const {
    if (!record_) return to - from;
    const double frequency = Frequency();
    const LONG count = record_->count;
    const LONG kept = std::min(count, kDispatchSlots);
    std::vector<double> taken;
    for (LONG i = count - kept; i < count; ++i) {
        const double at = static_cast<double>(record_->ticks[i % kDispatchSlots]) / frequency;
        if (at > from && at < to) taken.push_back(at);
    }
    std::sort(taken.begin(), taken.end());
    double longest = 0, last = from;
    for (double at : taken) {
        longest = std::max(longest, at - last);
        last = at;
    }
    return std::max(longest, to - last);
}

}  // namespace e2e
