// heap_census.dll: loaded by the window system into the program for the hook
// the soak sets on its thread. When the soak asks (a message it posts to a
// window of that thread), it counts what is live in every heap of the process
// into memory shared with the soak, and turns the message into a WM_NULL, so
// the program never sees it. After it has opened that memory it allocates
// nothing, so it counts what the program and the platform hold, not itself.
#include <windows.h>

#include "soak/heap_census/census_record.h"
#include "support/shared_record.h"

namespace {

// The counted process's record, opened on the first message its thread
// takes. This is the only state the DLL has.
soak::HeapCensusRecord* gRecord = nullptr;
bool gOpened = false;

soak::HeapCensusRecord* Record() {
    if (gOpened) return gRecord;
    gOpened = true;
    gRecord = testsupport::OpenSharedRecord<soak::HeapCensusRecord>(soak::kHeapCensusPrefix);
    return gRecord;
}

// The heap msvcrt's malloc takes from: a heap of its own (Wine's msvcrt, as
// Windows', makes one), apart from the process heap that Wine's DLLs use.
HANDLE RuntimeHeap() {
    using GetHeapHandle = HANDLE(__cdecl*)();
    const HMODULE runtime = GetModuleHandleA("msvcrt.dll");
    const auto get = runtime ? reinterpret_cast<GetHeapHandle>(reinterpret_cast<void*>(
                                   GetProcAddress(runtime, "_get_heap_handle")))
                             : nullptr;
    return get ? get() : nullptr;
}

void Count(soak::HeapCensusRecord* record, LONG request) {
    HANDLE heaps[soak::kMostHeaps];
    const DWORD found = GetProcessHeaps(soak::kMostHeaps, heaps);
    const LONG n = static_cast<LONG>(found < soak::kMostHeaps ? found : soak::kMostHeaps);
    const HANDLE process = GetProcessHeap(), runtime = RuntimeHeap();
    for (LONG i = 0; i < n; ++i) {
        const soak::HeapKind kind = heaps[i] == runtime   ? soak::HeapKind::kRuntime
                                    : heaps[i] == process ? soak::HeapKind::kProcess
                                                          : soak::HeapKind::kOther;
        record->figures[i] = soak::CountHeap(heaps[i], kind);
    }
    record->heaps = n;
    InterlockedExchange(&record->answered, request);
}

LRESULT CALLBACK Taken(int code, WPARAM removal, LPARAM lParam) {
    if (code == HC_ACTION && (removal & PM_REMOVE)) {
        auto* message = reinterpret_cast<MSG*>(lParam);
        soak::HeapCensusRecord* record = Record();
        if (record && record->message && message->message == record->message) {
            Count(record, static_cast<LONG>(message->wParam));
            message->message = WM_NULL;
            message->wParam = 0;
            message->lParam = 0;
        }
    }
    return CallNextHookEx(nullptr, code, removal, lParam);
}

}  // namespace

// The hook procedure for SetWindowsHookEx(WH_GETMESSAGE); exported by a plain
// name, which a stdcall export would not have on i686.
extern "C" __declspec(dllexport) HOOKPROC HeapCensusHook() {
    return Taken;
}
