#include "host/cursor.h"

#include "platform/pump.h"
#include "platform/window_class.h"

namespace host {
namespace {

constexpr char kReturnClass[] = "replymate pointer return";
constexpr UINT_PTR kCheckTimer = 1;
// Wine reports the place it was last given for a tenth of a second before it
// looks where the pointer really is; a check comes after that.
constexpr UINT kCheckMs = 150;

bool Same(POINT a, POINT b) {
    return a.x == b.x && a.y == b.y;
}

// What a pointer-return window holds, freed with it: where the pointer goes
// back to, where we parked it, and since when the return has been checked
// (while `returning` is false the pointer is still parked on purpose).
struct PendingReturn {
    POINT to;
    POINT parked;
    bool returning;
    DWORD since;
};

PendingReturn* PendingOf(HWND window) {
    return reinterpret_cast<PendingReturn*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

// True once the pointer is back, or no longer ours to move.
bool CheckReturn(const PendingReturn& pending) {
    POINT now{};
    GetCursorPos(&now);
    // Moved elsewhere since, by the user: theirs now.
    if (!Same(now, pending.parked)) return true;
    if (GetTickCount() - pending.since >= kPointerReturnLimitMs) return true;
    // Still where we parked it: the move back was lost. Wine moves the
    // pointer only when the place it holds changes, and it still holds the one
    // we gave; by way of the parked place the move is made again.
    SetCursorPos(pending.parked.x, pending.parked.y);
    SetCursorPos(pending.to.x, pending.to.y);
    return false;
}

// The program ends, and the wait that parked the pointer never resumes: the
// pointer goes back now, unless the user has taken it since its return began.
void ReturnAtEnd(HWND holder) {
    const PendingReturn* held = PendingOf(holder);
    if (!held) return;
    const PendingReturn pending = *held;
    DestroyWindow(holder);
    POINT now{};
    GetCursorPos(&now);
    if (pending.returning && !Same(now, pending.parked)) return;
    SetCursorPos(pending.parked.x, pending.parked.y);
    SetCursorPos(pending.to.x, pending.to.y);
}

LRESULT CALLBACK ReturnProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (platform::IsEndingMessage(message)) {
        ReturnAtEnd(window);
        return 0;
    }
    switch (message) {
        case WM_TIMER:
            if (const PendingReturn* pending = PendingOf(window)) {
                if (CheckReturn(*pending)) DestroyWindow(window);
            }
            return 0;
        case WM_NCDESTROY:
            delete PendingOf(window);
            SetWindowLongPtrA(window, GWLP_USERDATA, 0);
            break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

// This thread's pointer-return window, if a return is pending.
HWND PendingReturnWindow() {
    for (HWND w = FindWindowExA(HWND_MESSAGE, nullptr, kReturnClass, nullptr); w;
         w = FindWindowExA(HWND_MESSAGE, w, kReturnClass, nullptr)) {
        if (GetWindowThreadProcessId(w, nullptr) == GetCurrentThreadId()) return w;
    }
    return nullptr;
}

// A window holding `pending`, on this thread, or 0 when it could not be made
// (then nothing is held).
HWND HoldReturn(const PendingReturn& pending) {
    platform::RegisterWindowClass(kReturnClass, ReturnProc);
    // Made first and given its data after: a window that failed half-way
    // through being made never held it, so it is freed exactly once.
    const HWND window = CreateWindowExA(0, kReturnClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                        GetModuleHandleA(nullptr), nullptr);
    if (window) {
        // Freed by the window itself, at WM_NCDESTROY.
        SetWindowLongPtrA(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(new PendingReturn(pending)));
    }
    // NOLINTNEXTLINE(clang-analyzer-cplusplus.NewDeleteLeaks): the window owns it
    return window;
}

}  // namespace

SavedCursorPos::SavedCursorPos() {
    if (const HWND pending = PendingReturnWindow()) {
        saved_ = PendingOf(pending)->to;
        DestroyWindow(pending);
        return;
    }
    GetCursorPos(&saved_);
}

void SavedCursorPos::Park(POINT place) {
    SetCursorPos(place.x, place.y);
    GetCursorPos(&parked_);
    isParked_ = true;
    if (const HWND earlier = PendingReturnWindow()) DestroyWindow(earlier);
    HoldReturn({saved_, parked_, false, 0});
}

SavedCursorPos::~SavedCursorPos() {
    SetCursorPos(saved_.x, saved_.y);
    const HWND holder = PendingReturnWindow();
    // Taken over by a later save, which gives the pointer back itself.
    if (!holder || PendingOf(holder)->returning || !Same(PendingOf(holder)->to, saved_)) return;
    if (!isParked_ || Same(saved_, parked_)) {
        DestroyWindow(holder);
        return;
    }
    PendingReturn* pending = PendingOf(holder);
    pending->returning = true;
    pending->since = GetTickCount();
    SetTimer(holder, kCheckTimer, kCheckMs, nullptr);
}

}  // namespace host
