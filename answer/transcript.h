#pragma once
#include <windows.h>

#include <string>

namespace answer {

// Each reads the incoming instant-message window FindIMWindow finds, or the
// one given; empty when there is none or it has gone.

// The sender's screen name: the window's caption after its first ": ". A
// caption without ": " gives the caption less its first character.
std::string GetIMSender();
std::string GetIMSender(HWND window);

// The whole conversation text of the window (its first "RICHCNTL").
std::string GetIMTranscript();
std::string GetIMTranscript(HWND window);

// The sender's latest line, cut down to the message: the text after the
// screen name, the colon and two more characters, less the line's last
// character. Empty when there is no line by the sender. The cut costs one
// pass over the transcript from its end, whatever a stranger wrote into it.
std::string GetIMMessage();
std::string GetIMMessage(HWND window);

}  // namespace answer
