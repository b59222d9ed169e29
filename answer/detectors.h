#pragma once
#include <windows.h>

namespace answer {

// Each returns the first of the host's "AOL Child" windows, in child order,
// that has the controls of its kind of window, or 0. They send the host
// nothing and remember nothing: callers search again whenever they need the
// window, since the host may have closed or opened windows in between.

// An incoming instant message waiting to be answered.
HWND FindReceivedIM();

// The instant-message window to read and answer. Asks for one view fewer
// than FindReceivedIM, so it also accepts windows that one does not.
HWND FindIMWindow();

// A host window holding an edit field, which blocks answering until its
// first icon is pressed.
HWND FindEditWindow();

}  // namespace answer
