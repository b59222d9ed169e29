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

// The whole conversation text (the window's first "RICHCNTL").
std::string GetIMTranscript(host::HostLink& link, HWND window);

// The sender's latest line, cut down to the message: the text after the
// screen name, the colon and two more characters, less the line's last
// character. Empty when there is no line by the sender.
std::string GetIMMessage(host::HostLink& link, HWND window);

// Lines of a host text: one per CR, plus a last one after the final CR when
// the text does not end in CR or LF. LF alone never ends a line.
int LineCount(const std::string& text);

// Line n (from 1) of a host text without its CR and LF characters; empty when
// there is no such line.
std::string GetLine(const std::string& text, int n);

// `text` with every occurrence of `find` replaced by `with`. Pumps this
// thread's messages before each replacement, so a long text keeps our windows
// answering. An empty `find` leaves the text as it is.
std::string ReplaceAll(const std::string& text, const std::string& find, const std::string& with);

}  // namespace answer
