#include "support/hook_dll.h"

#include "support/desktop.h"
#include "support/shared_record.h"

namespace e2e {

HookDll::HookDll(HWND window, const char* recordPrefix, size_t recordSize) {
    DWORD processId = 0;
    threadId_ = GetWindowThreadProcessId(window, &processId);
    mapping_.Reset(CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                      static_cast<DWORD>(recordSize),
                                      testsupport::SharedRecordName(recordPrefix, processId).text));
    if (mapping_) view_ = MapViewOfFile(mapping_, FILE_MAP_WRITE, 0, 0, recordSize);
}

HookDll::~HookDll() {
    if (hook_) UnhookWindowsHookEx(hook_);
    if (dll_) FreeLibrary(dll_);
    if (view_) UnmapViewOfFile(view_);
}

bool HookDll::Set(const char* dllName, const char* hookExport) {
    if (!view_ || hook_) return hook_ != nullptr;
    dll_ = LoadLibraryA((BuildRoot() + "\\" + dllName).c_str());
    if (!dll_) return false;
    using Export = HOOKPROC (*)();
    const auto hookProc =
        reinterpret_cast<Export>(reinterpret_cast<void*>(GetProcAddress(dll_, hookExport)));
    if (hookProc) hook_ = SetWindowsHookExA(WH_GETMESSAGE, hookProc(), dll_, threadId_);
    return hook_ != nullptr;
}

}  // namespace e2e
