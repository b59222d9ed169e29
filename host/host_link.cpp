#include "host/host_link.h"

#include <algorithm>
#include <memory>

#include "platform/pump.h"

namespace host {
namespace {

// The round trip's answer comes back as a call on our thread while we pump,
// possibly after the operation that asked has ended; it holds its own share
// of the flag it sets.
using Answered = std::shared_ptr<bool>;

// How often a round trip looks whether the answer has come.
constexpr double kRoundTripPollSeconds = 0.01;

void CALLBACK RoundTripAnswered(HWND, UINT, ULONG_PTR data, LRESULT) {
    std::unique_ptr<Answered> answered(reinterpret_cast<Answered*>(data));
    **answered = true;
}

}  // namespace

bool HostLink::RoundTrip(HWND window) {
    if (cut_) return false;
    const Answered answered = std::make_shared<bool>(false);
    auto* handed = new Answered(answered);
    if (!SendMessageCallbackA(window, WM_NULL, 0, 0, RoundTripAnswered,
                              reinterpret_cast<ULONG_PTR>(handed))) {
        delete handed;
        return false;
    }
    if (platform::WaitFor([&] { return *answered; }, kHostReplyLimitMs / 1000.0,
                          kRoundTripPollSeconds))
        return true;
    // A window that went away is not a host that stopped answering.
    if (IsWindow(window)) cut_ = true;
    return false;
}

bool HostLink::Reach(HWND window) {
    return window && RoundTrip(window);
}

bool HostLink::Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    if (cut_ || !window) return false;
    const DWORD thread = GetWindowThreadProcessId(window, nullptr);
    if (!thread) return false;
    if (std::find(answering_.begin(), answering_.end(), thread) == answering_.end()) {
        if (!RoundTrip(window)) return false;
        answering_.push_back(thread);
    }
    DWORD_PTR answer = 0;
    // The ANSI WM_GETTEXTLENGTH makes Wine fetch the whole text with a second
    // send that has no time limit, so a hung host would hold us for its whole
    // hang; the wide one gives the window's own count, the ANSI length for
    // the host's ANSI windows.
    const UINT flags = SMTO_ABORTIFHUNG | SMTO_NORMAL;
    const LRESULT sent = message == WM_GETTEXTLENGTH
                             ? SendMessageTimeoutW(window, message, wParam, lParam, flags,
                                                   kHostReplyLimitMs, &answer)
                             : SendMessageTimeoutA(window, message, wParam, lParam, flags,
                                                   kHostReplyLimitMs, &answer);
    if (!sent) {
        if (IsWindow(window)) cut_ = true;
        return false;
    }
    if (result) *result = static_cast<LRESULT>(answer);
    return true;
}

}  // namespace host
