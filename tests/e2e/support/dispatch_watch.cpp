#include "support/dispatch_watch.h"

#include <algorithm>
#include <cstdio>
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

DispatchWatch::DispatchWatch(HWND window) {
    DWORD processId = 0;
    const DWORD threadId = GetWindowThreadProcessId(window, &processId);
    char name[64];
    std::snprintf(name, sizeof name, "%s%lu", kDispatchRecordPrefix, processId);
    mapping_.Reset(CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                      sizeof(DispatchRecord), name));
    if (mapping_) {
        record_ = static_cast<DispatchRecord*>(
            MapViewOfFile(mapping_, FILE_MAP_WRITE, 0, 0, sizeof(DispatchRecord)));
    }
    dll_ = LoadLibraryA((BuildRoot() + "\\" + kDllName).c_str());
    using Export = HOOKPROC (*)();
    const auto hookProc =
        dll_ ? reinterpret_cast<Export>(reinterpret_cast<void*>(GetProcAddress(dll_, kHookExport)))
             : nullptr;
    if (record_ && hookProc) hook_ = SetWindowsHookExA(WH_GETMESSAGE, hookProc(), dll_, threadId);
    if (!hook_) {
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
    if (hook_) UnhookWindowsHookEx(hook_);
    if (dll_) FreeLibrary(dll_);
    if (record_) UnmapViewOfFile(record_);
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
