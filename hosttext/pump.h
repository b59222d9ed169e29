#pragma once
#include <chrono>
#include <cstddef>
#include <functional>

namespace hosttext {

// The caller's message pump. The text functions know no window system; they
// call this now and then while they work through a long text, so the
// caller's windows keep answering. An empty pump is never called.
using Pump = std::function<void()>;

// Calls a pump as work goes on, but at most once every kInterval however
// many steps the work takes: a text with a million line feeds costs a few
// pumps, not a million.
class PacedPump {
  public:
    static constexpr std::chrono::milliseconds kInterval{5};

    explicit PacedPump(const Pump& pump) : pump_(pump), last_(Clock::now()) {}

    // Pumps at once and starts the interval again.
    void Now();
    // `work` more units (bytes looked at) done; pumps when the interval has passed.
    void Step(size_t work = 1) {
        sinceCheck_ += work;
        if (sinceCheck_ >= kWorkPerClockCheck) Check();
    }

  private:
    using Clock = std::chrono::steady_clock;
    // Reading the clock costs more than looking at a byte, so it is read
    // once per this much work (well under a millisecond of it).
    static constexpr size_t kWorkPerClockCheck = 16 * 1024;

    void Check();

    const Pump& pump_;
    Clock::time_point last_;
    size_t sinceCheck_ = 0;
};

}  // namespace hosttext
