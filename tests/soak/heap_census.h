#pragma once
// Counts the live blocks and bytes of another process's heaps from inside it:
// a WH_GETMESSAGE hook in a small DLL (heap_census/) does the count on the
// process's window thread when asked, and hands the figures back in memory
// shared with the soak. The program itself is unchanged.
#include <windows.h>

#include <string>

#include "soak/heap_census/census_record.h"
#include "support/hook_dll.h"

namespace soak {

// What a process's heaps hold, by whose they are.
struct HeapTotals {
    HeapFigures runtime;  // the C runtime's heap: what the program's malloc and new hold
    HeapFigures wine;     // the process heap and every other: Wine's own DLLs, list-box entries
    bool read = false;    // false: not counted, or ours could not be told from Wine's
};

// What is live in the soak's own process heap, counted here.
HeapFigures OwnProcessHeap();

class HeapCensus {
  public:
    // Sets the hook on the thread of `window`, a window of the program.
    explicit HeapCensus(HWND window);
    HeapCensus(const HeapCensus&) = delete;
    HeapCensus& operator=(const HeapCensus&) = delete;

    // Empty when the census is on; otherwise what went wrong.
    const std::string& problem() const { return problem_; }
    // Counts the program's heaps now; not `read` when its thread did not take
    // the request within a few seconds, or a heap could not be walked.
    HeapTotals Take();

  private:
    std::string problem_;
    HWND window_;
    e2e::HookDll hook_;
    HeapCensusRecord* record_ = nullptr;
    bool set_ = false;
    LONG asked_ = 0;
};

}  // namespace soak
