// dispatch_watch.dll: loaded by the window system into the watched program
// for the hook the test sets on its thread. It only notes when the thread
// took a message off its queue; the program itself is unchanged.
#include <windows.h>

#include "dispatch_watch/dispatch_record.h"
#include "support/shared_record.h"

namespace {

// The watched thread's record, opened on the first message it takes. This is
// the only state the DLL has, and it lives in the watched process only.
e2e::DispatchRecord* gRecord = nullptr;
bool gOpened = false;

e2e::DispatchRecord* Record() {
    if (gOpened) return gRecord;
    gOpened = true;
    gRecord = testsupport::OpenSharedRecord<e2e::DispatchRecord>(e2e::kDispatchRecordPrefix);
    return gRecord;
}

LRESULT CALLBACK Taken(int code, WPARAM removal, LPARAM lParam) {
    if (code == HC_ACTION && (removal & PM_REMOVE)) {
        if (e2e::DispatchRecord* record = Record()) {
            LARGE_INTEGER now;
            QueryPerformanceCounter(&now);
            const LONG slot = (InterlockedIncrement(&record->count) - 1) % e2e::kDispatchSlots;
            record->ticks[slot] = now.QuadPart;
        }
    }
    return CallNextHookEx(nullptr, code, removal, lParam);
}

}  // namespace

// The hook procedure for SetWindowsHookEx(WH_GETMESSAGE); exported by a plain
// name, which a stdcall export would not have on i686.
extern "C" __declspec(dllexport) HOOKPROC DispatchWatchHook() {
    return Taken;
}
