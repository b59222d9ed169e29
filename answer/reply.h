#pragma once
#include <windows.h>

#include <string>

namespace answer {

// Closes the incoming instant-message window and sends `message` to its
// sender through the host's compose window. Does nothing when no such window
// is open.
void AnswerIM(const std::string& message);
// The same for a window already found and its sender already read.
void AnswerIM(HWND incoming, const std::string& sender, const std::string& message);

// Presses the first icon of the host window that holds an edit field, and
// returns once the host has handled the press.
void PressEditWindowIcon();

// Lets `list` (a list box of ours) scroll sideways as far as its widest
// item, measured in `font`; a null font means the list's own. Each item is
// measured once, the first time it is seen; its width is kept in the item's
// data, so the list's font must not change in between.
void SetMessageListExtent(HWND list, HFONT font);

}  // namespace answer
