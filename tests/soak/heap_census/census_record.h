#pragma once
// What the heap census shares between the soak and the program: one named
// mapping per counted process, holding what is live in each of its heaps as
// its own thread last counted them; and the count itself, which the soak
// also makes of its own process.
#include <windows.h>

namespace soak {

constexpr char kHeapCensusPrefix[] = "replymate-heap-census-";
// Wine gives a process three or four; room for many more.
constexpr LONG kMostHeaps = 64;

enum class HeapKind : LONG {
    kOther,
    kProcess,  // GetProcessHeap(): where Wine's own DLLs allocate
    kRuntime,  // msvcrt's, where the program's malloc and new allocate
};

struct HeapFigures {
    HeapKind kind = HeapKind::kOther;
    LONG blocks = 0;         // live blocks
    LONGLONG bytes = 0;      // their sizes, as asked for
    LONGLONG committed = 0;  // memory the heap holds, live or free: its regions' and large blocks'
    DWORD error = 0;         // what ended the walk before its end, or 0
};

struct HeapCensusRecord {
    UINT message;            // the soak's request, posted to a window of the counted thread
    volatile LONG answered;  // the number (wParam) of the last request counted
    LONG heaps;              // how many of `figures` are filled
    HeapFigures figures[kMostHeaps];
};

// Counts the live blocks of `heap`. It allocates nothing, so a count taken
// inside a process changes none of its heaps; the heap is locked meanwhile,
// so another thread cannot change it under the walk.
inline HeapFigures CountHeap(HANDLE heap, HeapKind kind) {
    HeapFigures f;
    f.kind = kind;
    if (!HeapLock(heap)) {
        f.error = GetLastError();
        return f;
    }
    PROCESS_HEAP_ENTRY entry = {};
    // The region being walked; a block outside every region is a large one,
    // which has memory of its own.
    const char *first = nullptr, *last = nullptr;
    while (HeapWalk(heap, &entry)) {
        const char* at = static_cast<const char*>(entry.lpData);
        if (entry.wFlags & PROCESS_HEAP_REGION) {
            f.committed += entry.Region.dwCommittedSize;
            first = static_cast<const char*>(entry.Region.lpFirstBlock);
            last = static_cast<const char*>(entry.Region.lpLastBlock);
        } else if (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) {
            ++f.blocks;
            f.bytes += entry.cbData;
            if (at < first || at >= last) f.committed += entry.cbData + entry.cbOverhead;
        }
    }
    const DWORD ended = GetLastError();
    HeapUnlock(heap);
    if (ended != ERROR_NO_MORE_ITEMS) f.error = ended;
    return f;
}

}  // namespace soak
