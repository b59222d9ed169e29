#pragma once
#include <string>

namespace answer {

// The sender's screen name: the incoming window's caption after its first
// ": ". A caption without ": " gives the caption less its first character.
// Empty when no instant-message window is open.
std::string GetIMSender();

// The whole conversation text of the instant-message window (its first
// "RICHCNTL"); empty when no window is open.
std::string GetIMTranscript();

// The sender's latest line, cut down to the message: the text after the
// screen name, the colon and two more characters, less the line's last
// character. Empty when there is no window or no line by the sender.
// LineCount, GetLine and ReplaceAll (hosttext/) give the lines one by one;
// this cuts the message out in one pass from the end, whatever the text.
std::string GetIMMessage();

}  // namespace answer
