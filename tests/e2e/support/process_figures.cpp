#include "support/process_figures.h"

#include <psapi.h>
#include <tlhelp32.h>
#include <winternl.h>

#include <cstdint>
#include <vector>

#include "platform/owner.h"

namespace e2e {
namespace {

constexpr DWORD kQueryRights = PROCESS_QUERY_INFORMATION | PROCESS_VM_READ;

// Wine keeps a GDI handle table per process where Windows keeps its shared
// one, with the same entries: the object's address first (0 for a free
// entry), 24 bytes each whatever the bitness, 65536 of them. The PEB points
// to it, at the place Windows' PEB has GdiSharedHandleTable.
constexpr size_t kGdiEntries = 0x10000;
constexpr size_t kGdiEntryBytes = 24;
#ifdef _WIN64
constexpr size_t kPebGdiTable = 0xF8;
#else
constexpr size_t kPebGdiTable = 0x94;
#endif

platform::KernelObject OpenForQuery(DWORD processId) {
    return platform::KernelObject(OpenProcess(kQueryRights, FALSE, processId));
}

double Seconds(const FILETIME& t) {
    return (static_cast<double>(t.dwHighDateTime) * 4294967296.0 + t.dwLowDateTime) / 1e7;
}

// GetGuiResources, or -1 where it is not implemented.
long GuiResources(HANDLE process, DWORD which) {
    SetLastError(ERROR_SUCCESS);
    const DWORD count = GetGuiResources(process, which);
    return count == 0 && GetLastError() == ERROR_CALL_NOT_IMPLEMENTED ? -1
                                                                      : static_cast<long>(count);
}

long GdiTableEntries(HANDLE process) {
    PROCESS_BASIC_INFORMATION info{};
    if (NtQueryInformationProcess(process, ProcessBasicInformation, &info, sizeof info, nullptr) !=
        0) {
        return -1;
    }
    void* table = nullptr;
    SIZE_T got = 0;
    if (!ReadProcessMemory(
            process, static_cast<char*>(static_cast<void*>(info.PebBaseAddress)) + kPebGdiTable,
            &table, sizeof table, &got) ||
        !table) {
        return -1;
    }
    std::vector<unsigned char> entries(kGdiEntries * kGdiEntryBytes);
    if (!ReadProcessMemory(process, table, entries.data(), entries.size(), &got)) return -1;
    long live = 0;
    for (size_t i = 0; i < kGdiEntries; ++i) {
        uint64_t object = 0;
        memcpy(&object, &entries[i * kGdiEntryBytes], sizeof object);
        if (object) ++live;
    }
    return live;
}

struct WindowCount {
    DWORD processId;
    long count;
};

BOOL CALLBACK CountChild(HWND window, LPARAM param) {
    auto* c = reinterpret_cast<WindowCount*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == c->processId) ++c->count;
    return TRUE;
}

// A top-level window of the process and all its descendants.
BOOL CALLBACK CountTree(HWND window, LPARAM param) {
    auto* c = reinterpret_cast<WindowCount*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != c->processId) return TRUE;
    ++c->count;
    EnumChildWindows(window, CountChild, param);
    return TRUE;
}

}  // namespace

double CpuSeconds(DWORD processId) {
    const platform::File snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0));
    if (!snapshot) return 0;
    double total = 0;
    THREADENTRY32 entry = {};
    entry.dwSize = sizeof entry;
    for (BOOL more = Thread32First(snapshot, &entry); more; more = Thread32Next(snapshot, &entry)) {
        if (entry.th32OwnerProcessID != processId) continue;
        const platform::KernelObject thread(
            OpenThread(THREAD_QUERY_INFORMATION, FALSE, entry.th32ThreadID));
        if (!thread) continue;
        FILETIME created, ended, kernel, user;
        if (GetThreadTimes(thread, &created, &ended, &kernel, &user)) {
            total += Seconds(kernel) + Seconds(user);
        }
    }
    return total;
}

ObjectCount GdiObjects(DWORD processId) {
    const platform::KernelObject process = OpenForQuery(processId);
    if (!process) return {};
    const long count = GuiResources(process, GR_GDIOBJECTS);
    if (count >= 0) return {count, "GetGuiResources"};
    return {GdiTableEntries(process), "live entries of its GDI handle table"};
}

ObjectCount UserObjects(DWORD processId) {
    const platform::KernelObject process = OpenForQuery(processId);
    if (!process) return {};
    const long count = GuiResources(process, GR_USEROBJECTS);
    if (count >= 0) return {count, "GetGuiResources"};
    WindowCount windows{processId, 0};
    EnumWindows(CountTree, reinterpret_cast<LPARAM>(&windows));
    for (HWND w = FindWindowExA(HWND_MESSAGE, nullptr, nullptr, nullptr); w;
         w = FindWindowExA(HWND_MESSAGE, w, nullptr, nullptr)) {
        CountTree(w, reinterpret_cast<LPARAM>(&windows));
    }
    return {windows.count, "its windows, message-only and child windows included"};
}

double PrivateBytes(DWORD processId) {
    const platform::KernelObject process = OpenForQuery(processId);
    PROCESS_MEMORY_COUNTERS_EX counters{};
    counters.cb = sizeof counters;
    if (!process ||
        !GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                              sizeof counters)) {
        return -1;
    }
    return static_cast<double>(counters.PrivateUsage ? counters.PrivateUsage
                                                     : counters.PagefileUsage);
}

}  // namespace e2e
