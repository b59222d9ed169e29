#include "host/cursor.h"

#include <memory>

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

// What a pointer-return window holds, freed with it.
struct PendingReturn {
    POINT to;
    POINT parked;
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

LRESULT CALLBACK ReturnProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_NCCREATE:
            SetWindowLongPtrA(window, GWLP_USERDATA,
                              reinterpret_cast<LONG_PTR>(
                                  reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams));
            break;
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

void WatchReturn(POINT to, POINT parked) {
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSA wc = {};
    if (!GetClassInfoA(instance, kReturnClass, &wc)) {
        wc = {};
        wc.lpfnWndProc = ReturnProc;
        wc.hInstance = instance;
        wc.lpszClassName = kReturnClass;
        RegisterClassA(&wc);
    }
    auto pending = std::make_unique<PendingReturn>(PendingReturn{to, parked, GetTickCount()});
    const HWND window = CreateWindowExA(0, kReturnClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                        instance, pending.get());
    if (!window) return;
    pending.release();  // the window's now
    SetTimer(window, kCheckTimer, kCheckMs, nullptr);
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
}

SavedCursorPos::~SavedCursorPos() {
    SetCursorPos(saved_.x, saved_.y);
    if (isParked_ && !Same(saved_, parked_)) WatchReturn(saved_, parked_);
}

}  // namespace host
