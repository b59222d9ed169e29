#pragma once
// A hook DLL of ours set on a window thread of the program, and the record it
// shares with us (support/shared_record.h). The program itself is unchanged:
// the window system loads the DLL into it for the hook.
#include <windows.h>

#include "platform/owner.h"

namespace e2e {

class HookDll {
  public:
    // Makes the record for the process of `window`, zeroed; the hook is set
    // by Set, once the record holds what the DLL must find there.
    HookDll(HWND window, const char* recordPrefix, size_t recordSize);
    ~HookDll();
    HookDll(const HookDll&) = delete;
    HookDll& operator=(const HookDll&) = delete;

    // The shared record; null when it could not be made.
    void* record() const { return view_; }
    // Loads `dllName` from beside the programs and sets the WH_GETMESSAGE
    // hook its export `hookExport` returns; false when any of it failed.
    bool Set(const char* dllName, const char* hookExport);

  private:
    DWORD threadId_ = 0;
    platform::KernelObject mapping_;  // closed once the destructor has unmapped the view
    void* view_ = nullptr;
    HMODULE dll_ = nullptr;
    HHOOK hook_ = nullptr;
};

}  // namespace e2e
