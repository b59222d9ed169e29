#pragma once
#include <windows.h>

#include <string>

#include "host/host_link.h"

namespace host {

// The longest host text we read; a host that reports more is read up to this.
constexpr LRESULT kMaxHostTextLength = 1 << 20;

// Reads a window's text: WM_GETTEXTLENGTH, then WM_GETTEXT with a buffer of
// length + 1. The result is always as long as the length the host reported
// (a text that shrank in between leaves a NUL tail). Empty for handle 0, a
// vanished window or a host that did not answer in time (then `link` is cut).
// A text longer than kMaxHostTextLength is read only that far, and then
// `cutShort` (when given) is set: its end, where the latest lines are, is missing.
std::string GetText(HostLink& link, HWND window, bool* cutShort = nullptr);

// The sent primitives return whether the host took the message; a caller
// that goes on regardless would, say, press send on a half-typed message.

// Replaces a window's text (WM_SETTEXT, sent).
bool SetText(HostLink& link, HWND window, const std::string& text);

// Presses Enter in a host text control (WM_CHAR 13, sent).
bool SendEnterChar(HostLink& link, HWND window);

// Presses a host button: button-down then button-up, sent, so the host has
// acted when this returns.
bool SendClick(HostLink& link, HWND window);

// The posted primitives queue their messages and return at once; for handle 0
// or a window that has gone they post nothing (PostMessage to 0 would land in
// our own queue) and return false.

// The same press, posted: the host acts later.
bool PostClick(HWND window);

// Posts a key press and release of one virtual key.
bool PostKey(HWND window, WPARAM virtualKey);

// Asks a host window to close (WM_CLOSE, posted).
bool PostClose(HWND window);

}  // namespace host
