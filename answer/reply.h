#pragma once
#include <windows.h>

#include <optional>
#include <string>

#include "outgoing/send_im.h"

namespace answer {

// Answers the incoming instant-message window `incoming`, whose sender is
// `sender`: asks it to close, then sends `message` back through the host's
// compose window, once. With `reply` false (the host's menu failed a moment
// ago) the window is closed and nothing is sent. A window that has gone
// already is neither closed nor answered. The result is the reply's, or none
// when no reply was tried.
std::optional<outgoing::SendResult> AnswerIM(HWND incoming, const std::string& sender,
                                             const std::string& message, bool reply = true,
                                             const outgoing::SendImLimits& limits = {});

// Presses the first icon of the host window that holds an edit field, and
// returns once the host has handled the press. False when the host did not
// answer.
bool PressEditWindowIcon();

}  // namespace answer
