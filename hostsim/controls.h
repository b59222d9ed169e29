#pragma once
#include <windows.h>

#include <functional>
#include <string>

namespace hostsim {

// What a simulated host control does beyond holding its text. Lives in the
// control's GWLP_USERDATA and dies with the window.
struct ControlState {
    std::string text;
    std::function<void()> onClick;  // button-down then button-up
    std::function<void()> onEnter;  // WM_CHAR 13
    bool pressed = false;
    // Fault: the next read reports the current length, then the text shrinks
    // to this before WM_GETTEXT arrives.
    bool shrinkOnRead = false;
    std::string shrunkText;
};

// Registers the host's control classes ("_AOL_Icon", "RICHCNTL", ...) for this module.
void RegisterControlClasses();

// Creates one control of a host class under `parent`, after its existing children.
HWND CreateControl(HWND parent, const char* cls, const std::string& text, int x, int y, int w,
                   int h);

// The control's state, or null for a window that is not a host control.
ControlState* StateOf(HWND control);

}  // namespace hostsim
