#pragma once
#include <windows.h>

#include <vector>

namespace host {

// How long the host may take over one message before we take it for hung. A
// host that is merely busy answers well within this.
constexpr UINT kHostReplyLimitMs = 2000;

// One operation's line to the host: an answering cycle, a chat line, an
// instant message sent, an UpChat. Every message we send the host in that
// operation goes through it, so a host that stops answering ends the
// operation, never our responsiveness:
// - the first message to a host thread goes only after that thread has
//   answered a round trip that we wait for with our windows running, so a
//   host still hung from an earlier operation costs us no frozen moment;
// - each message has a time limit, and once one goes unanswered the link
//   sends nothing more: the operation ends as if the host's window had gone.
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
