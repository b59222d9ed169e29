#pragma once
// Whole-program services of the forms runtime.
#include <windows.h>

#include <string>

namespace forms {

// A message box with one OK button and no icon, titled `title`. It blocks
// input to every window of this thread until OK is pressed, not only to the
// owner (the owner may be a window that is never shown), and comes up in
// front of them, topmost ones included.
void MessageBoxOk(HWND owner, const std::string& text, const std::string& title);

}  // namespace forms
