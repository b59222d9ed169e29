#pragma once
#include <windows.h>

namespace host {

// How long a pointer the window system did not move back keeps being tried:
// longer than a host is likely to hang with its menu open.
constexpr DWORD kPointerReturnLimitMs = 60000;

// Remembers where the pointer is, parks it out of the way, and puts it back
// when it goes out of scope, on every path out of the procedure that parked it.
//
// Under Wine a move of the pointer can be lost: while another program holds
// the pointer (the host's popup menu does until it has handled our keys) the
// window system takes the new place but leaves the pointer where it was. So
// the return is checked from a small window of ours, while our messages run,
// and made again as long as the pointer still sits where we parked it. A
// later save takes over a return still pending, so the corner is never taken
// for the pointer's place. While parked, the place to return to is held by
// that window too, so ending the program gives the pointer back (the window
// hears the ending message of platform/pump.h) even from deep inside the wait
// that parked it.
class SavedCursorPos {
  public:
    SavedCursorPos();
    ~SavedCursorPos();
    SavedCursorPos(const SavedCursorPos&) = delete;
    SavedCursorPos& operator=(const SavedCursorPos&) = delete;
    POINT position() const { return saved_; }

    // Moves the pointer to `place` (clamped to the screen) until it is put back.
    void Park(POINT place);

  private:
    POINT saved_{};
    POINT parked_{};
    bool isParked_ = false;
};

}  // namespace host
