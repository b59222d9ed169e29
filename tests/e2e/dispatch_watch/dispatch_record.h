#pragma once
// What the dispatch watch shares between the test and the watched program:
// one named mapping per watched process, holding the times its thread took a
// message off its queue, in QueryPerformanceCounter ticks, which every
// process on the machine reads from the same clock.
#include <windows.h>

namespace e2e {

constexpr char kDispatchRecordPrefix[] = "replymate-dispatch-record-";
// A few minutes of the busiest traffic the tests make.
constexpr LONG kDispatchSlots = 1 << 17;

struct DispatchRecord {
    volatile LONG count;  // how many times were taken; slot = count % kDispatchSlots
    LONGLONG ticks[kDispatchSlots];
};

}  // namespace e2e
