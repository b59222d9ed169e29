#pragma once
// What another process uses, read from outside: CPU time, GDI and USER
// objects, private bytes. Where Wine leaves a call unimplemented the figure
// comes another way, and says so.
#include <windows.h>

#include <string>

namespace e2e {

// User plus kernel time of every thread the process has now, in seconds
// (GetProcessTimes on another process reports zero under Wine).
double CpuSeconds(DWORD processId);

struct ObjectCount {
    long count = -1;     // -1: could not be read
    std::string source;  // how it was read
};

// GDI objects: GetGuiResources; under Wine, which does not implement it, the
// live entries of the process's GDI handle table (stock objects included).
ObjectCount GdiObjects(DWORD processId);
// USER objects: GetGuiResources; under Wine the process's windows, message-only
// windows and every child included.
ObjectCount UserObjects(DWORD processId);
// Private bytes (PrivateUsage); under Wine, which leaves it 0, PagefileUsage,
// which Windows gives the same value and Wine takes from Linux's count of the
// process's resident anonymous memory (RssAnon and VmSwap in
// /proc/PID/status): Wine's Unix side, its glibc heap among it, counts too.
// -1 when unreadable.
double PrivateBytes(DWORD processId);

}  // namespace e2e
