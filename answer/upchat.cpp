#include "answer/upchat.h"

#include <windows.h>

#include "host/host_link.h"
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

// EnableWindow on another program's window waits for that program's thread
// with no time limit, so each goes only right after a round trip has come
// back; once the host fails one, the press ends as if its windows had gone.
void Enable(host::HostLink& link, HWND window, BOOL enable) {
    if (link.Reach(window)) EnableWindow(window, enable);
}

// Input goes to `taking` before it is taken from `giving`: a host that stops
// answering between the two is left with both windows taking input, never
// with neither (a host that takes no input at all).
void HandInput(HWND taking, HWND giving) {
    host::HostLink link;
    Enable(link, taking, TRUE);
    Enable(link, giving, FALSE);
}

}  // namespace

void UpChat() {
    const HostWindows windows = FindHostWindows();
    HandInput(windows.frame, windows.transfer);
}

void UnUpChat() {
    const HostWindows windows = FindHostWindows();
    HandInput(windows.transfer, windows.frame);
}

}  // namespace answer
