#include "heap_census.h"

#include <cstdio>

#include "platform/clock.h"
#include "support/desktop.h"

namespace soak {
namespace {

constexpr char kDllName[] = "heap_census.dll";
constexpr char kHookExport[] = "HeapCensusHook";
constexpr char kRequestName[] = "replymate heap census";
// The program's thread takes its messages at least every tick, and waits at
// most a host time limit (2 s) between two looks at its queue.
constexpr double kAnswerLimitSeconds = 10;
constexpr double kAnswerPollSeconds = 0.05;

HeapTotals Sum(const HeapFigures* figures, LONG count) {
    HeapTotals t;
    bool runtime = false, process = false, walked = true;
    for (LONG i = 0; i < count; ++i) {
        const HeapFigures& f = figures[i];
        HeapFigures& sum = f.kind == HeapKind::kRuntime ? t.runtime : t.wine;
        sum.blocks += f.blocks;
        sum.bytes += f.bytes;
        sum.committed += f.committed;
        runtime = runtime || f.kind == HeapKind::kRuntime;
        process = process || f.kind == HeapKind::kProcess;
        walked = walked && !f.error;
    }
    // Where the C runtime has no heap of its own (or it is the process heap),
    // ours cannot be told from Wine's: not a reading.
    t.read = runtime && process && walked;
    return t;
}

}  // namespace

HeapFigures OwnProcessHeap() {
    return CountHeap(GetProcessHeap(), HeapKind::kProcess);
}

HeapCensus::HeapCensus(HWND window) : window_(window) {
    DWORD processId = 0;
    const DWORD threadId = GetWindowThreadProcessId(window, &processId);
    char name[64];
    std::snprintf(name, sizeof name, "%s%lu", kHeapCensusPrefix, processId);
    mapping_ = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                  sizeof(HeapCensusRecord), name);
    if (mapping_) {
        record_ = static_cast<HeapCensusRecord*>(
            MapViewOfFile(mapping_, FILE_MAP_WRITE, 0, 0, sizeof(HeapCensusRecord)));
    }
    if (record_) record_->message = RegisterWindowMessageA(kRequestName);
    dll_ = LoadLibraryA((e2e::BuildRoot() + "\\" + kDllName).c_str());
    using Export = HOOKPROC (*)();
    const auto hookProc =
        dll_ ? reinterpret_cast<Export>(reinterpret_cast<void*>(GetProcAddress(dll_, kHookExport)))
             : nullptr;
    if (record_ && record_->message && hookProc)
        hook_ = SetWindowsHookExA(WH_GETMESSAGE, hookProc(), dll_, threadId);
    if (!hook_) problem_ = "the heap census could not be set on the program's thread";
}

HeapCensus::~HeapCensus() {
    if (hook_) UnhookWindowsHookEx(hook_);
    if (dll_) FreeLibrary(dll_);
    if (record_) UnmapViewOfFile(record_);
    if (mapping_) CloseHandle(mapping_);
}

HeapTotals HeapCensus::Take() {
    if (!hook_) return {};
    const LONG request = ++asked_;
    if (!PostMessageA(window_, record_->message, static_cast<WPARAM>(request), 0)) return {};
    const double limit = platform::MonotonicSeconds() + kAnswerLimitSeconds;
    while (record_->answered != request) {
        if (platform::MonotonicSeconds() > limit) return {};
        Sleep(static_cast<DWORD>(kAnswerPollSeconds * 1000));
    }
    MemoryBarrier();
    return Sum(record_->figures, record_->heaps);
}

}  // namespace soak
