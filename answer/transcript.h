#pragma once
#include <windows.h>

#include <string>

#include "host/host_link.h"

namespace answer {

// Each reads the incoming instant-message window `window` (as FindIMWindow
// found it) through `link`; empty when the window has gone or the host did
// not answer (then `link` is cut).

// The sender's screen name: the caption after its first ": ". A caption
// without ": " gives the caption less its first character.
std::string GetIMSender(host::HostLink& link, HWND window);

// The whole conversation text (the window's first "RICHCNTL"); read only up
// to host::kMaxHostTextLength, and then `cutShort` is set.
std::string GetIMTranscript(host::HostLink& link, HWND window, bool* cutShort = nullptr);

// What is recorded for a message whose conversation is too long to read to
// its end, where the sender's latest line is: never an older line instead.
constexpr char kMessageTooLong[] =
    "(not recorded: the conversation is longer than 1048576 characters)";

// The sender's latest line, cut down to the message: the text after the
// screen name, the colon and two more characters, less the line's last
// character. Empty when there is no line by the sender. The cut costs one
// pass over the transcript from its end, whatever a stranger wrote into it.
std::string GetIMMessage(host::HostLink& link, HWND window);

}  // namespace answer
