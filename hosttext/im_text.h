#pragma once
#include <string>

#include "hosttext/pump.h"

namespace hosttext {

// The sender's screen name: the caption after its first ": ". A caption
// without ": " gives the caption less its first character, as if the
// separator stood before it.
std::string SenderFromCaption(const std::string& caption);

// The message of the sender's latest line in a transcript, or empty when no
// line is the sender's. A line is the sender's when, LFs dropped, its
// characters from the second on are the screen name followed directly by a
// colon ("bob:" is not a line of "bo"); the message is what follows the colon
// and two more characters, less the line's last character. Works from the
// end, looks at each character a few times at most, and stops at the
// sender's latest line.
std::string MessageFromTranscript(const std::string& transcript, const std::string& sender,
                                  const Pump& pump = {});

}  // namespace hosttext
