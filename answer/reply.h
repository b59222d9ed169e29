#pragma once
#include <windows.h>

#include <functional>
#include <string>

namespace answer {

// Answers the incoming instant-message window `incoming`, whose sender is
// `sender`: sends `message` back through the host's compose window and asks
// `incoming` to close. `answered` runs once the message counts as answered,
// just before send is pressed, or at once when `incoming` has gone already
// (nobody is left to answer). When the reply never went out (the host did
// not answer, or gave us no compose window), nothing runs, `incoming` stays
// open for a later try, and the result is false.
bool AnswerIM(HWND incoming, const std::string& sender, const std::string& message,
              const std::function<void()>& answered);

// Presses the first icon of the host window that holds an edit field, and
// returns once the host has handled the press.
void PressEditWindowIcon();

}  // namespace answer
