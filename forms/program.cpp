#include "forms/program.h"

#include <vector>

namespace forms {
namespace {

// Disables this thread's enabled, visible top-level windows for its lifetime,
// and gives input back to those that still exist afterwards.
class ScopedDisableThreadWindows {
  public:
    explicit ScopedDisableThreadWindows(HWND except) : except_(except) {
        EnumThreadWindows(GetCurrentThreadId(), &Collect, reinterpret_cast<LPARAM>(this));
        for (HWND w : disabled_) EnableWindow(w, FALSE);
    }
    ~ScopedDisableThreadWindows() {
        for (HWND w : disabled_)
            if (IsWindow(w)) EnableWindow(w, TRUE);
    }
    ScopedDisableThreadWindows(const ScopedDisableThreadWindows&) = delete;
    ScopedDisableThreadWindows& operator=(const ScopedDisableThreadWindows&) = delete;

  private:
    static BOOL CALLBACK Collect(HWND window, LPARAM self) {
        auto* me = reinterpret_cast<ScopedDisableThreadWindows*>(self);
        if (window != me->except_ && IsWindowVisible(window) && IsWindowEnabled(window))
            me->disabled_.push_back(window);
        return TRUE;
    }
    HWND except_;
    std::vector<HWND> disabled_;
};

}  // namespace

void MessageBoxOk(HWND owner, const std::string& text, const std::string& title) {
    // MB_APPLMODAL alone disables only the owner; ours is often hidden.
    ScopedDisableThreadWindows blocked(owner);
    // A hidden owner that is not topmost would put the box behind our
    // topmost windows, which it has just disabled: the program would look
    // frozen. Topmost and in the foreground, it comes up in front of them.
    MessageBoxA(owner, text.c_str(), title.c_str(),
                MB_OK | MB_APPLMODAL | MB_TOPMOST | MB_SETFOREGROUND);
}

}  // namespace forms
