#pragma once
#include <windows.h>

namespace host {

// How long a sent message may take the host before we give up on it. A host
// that is merely busy answers well within this; a hung one is abandoned at
// once (SMTO_ABORTIFHUNG).
constexpr UINT kHostReplyLimitMs = 2000;

// Sends a message to a host window without ever freezing on a hung host.
// Returns false when the message could not be delivered or timed out; then
// *result is left untouched.
bool SendToHost(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                LRESULT* result = nullptr);

}  // namespace host
