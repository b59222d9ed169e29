#pragma once
#include <windows.h>

namespace testsupport {

// Watches this thread from a timer of its own that ticks every 20 ms while
// the thread dispatches: the longest it went without dispatching.
class ThreadWatch {
  public:
    ThreadWatch();
    ~ThreadWatch();
    ThreadWatch(const ThreadWatch&) = delete;
    ThreadWatch& operator=(const ThreadWatch&) = delete;

    // Seconds, since the watch began.
    double LongestGap() const { return longestGap_; }

  private:
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void Tick();

    HWND window_ = nullptr;
    double last_ = 0;
    double longestGap_ = 0;
};

}  // namespace testsupport
