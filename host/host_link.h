#pragma once
#include <windows.h>

#include <vector>

namespace host {

// How long the host may take over one message before we take it for hung. A
// host that is merely busy answers well within this.
constexpr UINT kHostReplyLimitMs = 2000;

// One host procedure's line to the host: reading an incoming message, a reply
// (SendIM with its toolbar menu), the edit window's icon, a chat line, an
// UpChat. Every message that procedure sends the host goes through it, so a
// host that stops answering ends the procedure, never our responsiveness:
// - the first message to a host thread goes only after that thread has
//   answered a round trip that we wait for with our windows running, so a
//   host that hung since an earlier procedure (on the close an answering
//   cycle posts between its read and its reply, say) costs us no frozen moment;
// - each message has a time limit, and once one goes unanswered the link
//   sends nothing more: the procedure ends as if the host's window had gone.
class HostLink {
  public:
    HostLink() = default;
    HostLink(const HostLink&) = delete;
    HostLink& operator=(const HostLink&) = delete;

    // Sends a message with the time limit. False when it was not delivered
    // (handle 0, a window gone, a host that did not answer in time, a link
    // already cut); then *result is left untouched.
    bool Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result = nullptr);

    // True when `window`'s thread answers a round trip now. For calls that
    // wait for the host's thread with no limit of their own (EnableWindow):
    // they go only right after the host has shown it is answering.
    bool Reach(HWND window);

    // True once the host has failed to answer in this operation.
    bool cut() const { return cut_; }

  private:
    bool RoundTrip(HWND window);

    std::vector<DWORD> answering_;  // host threads that answered a round trip
    bool cut_ = false;
};

}  // namespace host
