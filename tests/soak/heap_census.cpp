#include "heap_census.h"

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

HeapCensus::HeapCensus(HWND window)
    : window_(window),
      hook_(window, kHeapCensusPrefix, sizeof(HeapCensusRecord)),
      record_(static_cast<HeapCensusRecord*>(hook_.record())) {
    // The DLL reads the request's message from the record when it opens it.
    if (record_) record_->message = RegisterWindowMessageA(kRequestName);
    set_ = record_ && record_->message && hook_.Set(kDllName, kHookExport);
    if (!set_) problem_ = "the heap census could not be set on the program's thread";
}

HeapTotals HeapCensus::Take() {
    if (!set_) return {};
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
