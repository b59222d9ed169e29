#pragma once
// Watches when the program's window thread takes messages off its queue, from
// outside: a WM_GETMESSAGE hook in a small DLL records each time in memory
// shared with the test, and a feeder posts the thread a WM_NULL every few
// milliseconds, so a thread that can dispatch takes one at least that often.
// The longest stretch between two takes is how long the thread could not
// dispatch its own messages: frozen windows, an unpressable Stop.
#include <windows.h>

#include <atomic>
#include <string>
#include <thread>

#include "dispatch_watch/dispatch_record.h"
#include "support/hook_dll.h"

namespace e2e {

class DispatchWatch {
  public:
    // Watches the thread of `window`, a window of the program.
    explicit DispatchWatch(HWND window);
    ~DispatchWatch();
    DispatchWatch(const DispatchWatch&) = delete;
    DispatchWatch& operator=(const DispatchWatch&) = delete;

    // Empty when the watch is on; otherwise what went wrong.
    const std::string& problem() const { return problem_; }
    // The longest stretch, in seconds, between `from` and `to`
    // (platform::MonotonicSeconds) in which the thread took no message.
    double LongestGap(double from, double to) const;

  private:
    std::string problem_;
    HookDll hook_;
    const DispatchRecord* record_ = nullptr;
    std::atomic<bool> feeding_{true};
    std::thread feeder_;
};

}  // namespace e2e
