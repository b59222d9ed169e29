#include "answer/upchat.h"

#include <windows.h>

#include "host/window_names.h"

namespace answer {
namespace {

struct HostWindows {
    HWND frame;
    HWND transfer;  // the modal transfer window; 0 while no transfer runs
};

HostWindows FindHostWindows() {
    const HWND frame = FindWindowA(host::kFrameClass, nullptr);
    // Without a host, a lookup under 0 would search the top-level windows of
    // every program.
    if (!frame) return {nullptr, nullptr};
    return {frame, FindWindowExA(frame, nullptr, host::kMdiClientClass, host::kModalTransferName)};
}

}  // namespace

void UpChat() {
    const HostWindows windows = FindHostWindows();
    EnableWindow(windows.transfer, FALSE);
    EnableWindow(windows.frame, TRUE);
}

void UnUpChat() {
    const HostWindows windows = FindHostWindows();
    EnableWindow(windows.transfer, TRUE);
    EnableWindow(windows.frame, FALSE);
}

}  // namespace answer
