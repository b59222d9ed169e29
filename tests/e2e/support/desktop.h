#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/owner.h"

namespace e2e {

// A place in a window's client area as the layouts give it, in twips.
struct Twips {
    int left, top, width, height;
};

// A program started for a test and ended with it.
class ChildProcess {
  public:
    ChildProcess(const std::string& program, const std::string& arguments);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;
    bool running() const;
    DWORD id() const { return id_; }
    // Ends it at once, as a crash or a power cut would, and waits until it has gone.
    void Kill();
    // Waits up to `seconds` for it to end by itself.
    bool WaitForExit(double seconds) const;

  private:
    platform::KernelObject process_;
    DWORD id_ = 0;
};

// The folder the programs under test were built into: the nearest one above
// this program that holds hostsim.exe.
std::string BuildRoot();

// Pumps this thread's messages and re-checks until `done` or `seconds` pass.
bool WaitUntil(const std::function<bool()>& done, double seconds);
// Pumps this thread's messages for `seconds`.
void Settle(double seconds);

// The first top-level window of a process with that class (any when null)
// and caption (any when null), waiting up to `seconds` for it. With
// `visibleOnly`, hidden windows do not count.
HWND FindTopWindow(DWORD processId, const char* cls, const char* caption, bool visibleOnly = false);
HWND WaitForTopWindow(DWORD processId, const char* cls, const char* caption, double seconds,
                      bool visibleOnly = false);
// Every top-level window of a process, in z-order.
std::vector<HWND> TopWindows(DWORD processId);
// The visible top-level windows of a process, one "class \"caption\"" a
// line, for failure messages.
std::string DescribeWindows(DWORD processId);
// The direct children of a window, one "class \"caption\"" a line.
std::string DescribeChildren(HWND parent);

// The direct child window of `form` that lies exactly at a layout place
// (within a pixel), or null.
HWND ChildAt(HWND form, const Twips& place);
// The centre of a layout place, in screen pixels.
POINT ScreenPointOf(HWND form, const Twips& place);
RECT ScreenRect(HWND window);
bool IsTopMost(HWND window);

// Real mouse input: moves the pointer to a point of a window's client area
// (pixels) and presses and releases the left button there.
void ClickAt(HWND window, int x, int y);
// The same at the centre of a layout place.
void ClickTwips(HWND window, const Twips& place);
// The same at the centre of a window, in screen terms.
void ClickCentre(HWND window);
// Moves the pointer over a client point without pressing.
void MoveTo(HWND window, int x, int y);
// Puts the pointer on bare desktop, where it touches no window under test.
void ParkPointer();

// Real keyboard input, reaching the focused window of the foreground.
void PressKey(WORD virtualKey);
void PressKeys(WORD virtualKey, int times);
void PressWithShift(WORD virtualKey);
// Types text key by key, as a person would (with Shift where a character needs it).
void TypeText(const std::string& text);

// A list box's items as text (the wide call: another process's list box
// answers the ANSI call with wide text under Wine).
std::vector<std::string> ListItems(HWND list);
// A window's text through WM_GETTEXT, which another process's controls answer
// with what they hold now (GetWindowText would give only the creation text).
std::string WindowText(HWND window);
std::string ClassOf(HWND window);

}  // namespace e2e
