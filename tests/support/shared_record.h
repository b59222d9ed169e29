#pragma once
// A record in memory shared between a test and the hook DLL it has the window
// system load into the program: named by the record's kind and the program's
// process id, made by the test (e2e/support/hook_dll.h), opened by the DLL.
#include <windows.h>

#include <cstdio>

namespace testsupport {

// Made on the stack: the heap census's DLL allocates nothing, so that it
// counts what the program holds and not itself.
struct SharedRecordName {
    SharedRecordName(const char* prefix, DWORD processId) {
        std::snprintf(text, sizeof text, "%s%lu", prefix, static_cast<unsigned long>(processId));
    }
    char text[64];
};

// The DLL's side: this process's record, or null when the test made none.
// Left mapped for as long as the DLL stays loaded.
template <typename Record>
Record* OpenSharedRecord(const char* prefix) {
    const HANDLE mapping = OpenFileMappingA(FILE_MAP_WRITE, FALSE,
                                            SharedRecordName(prefix, GetCurrentProcessId()).text);
    if (!mapping) return nullptr;
    return static_cast<Record*>(MapViewOfFile(mapping, FILE_MAP_WRITE, 0, 0, sizeof(Record)));
}

}  // namespace testsupport
