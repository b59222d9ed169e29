#pragma once
#include <windows.h>

namespace platform {

// Registers a window class of this program (arrow pointer, `background` or no
// background of its own) unless it is registered already; for the process's
// whole life, as its windows come and go. False when it is not registered.
bool RegisterWindowClass(const char* name, WNDPROC procedure, HBRUSH background = nullptr);

}  // namespace platform
