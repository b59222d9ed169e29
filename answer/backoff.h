#pragma once

namespace answer {

// How long the answering machine leaves a failing host alone.
struct BackoffLimits {
    // After the host's menu or compose window did not come: that long before
    // the pointer is parked for a reply again. Messages that come meanwhile
    // are recorded and closed, and their replies skipped, so a host whose
    // menu is broken for an hour does not take the user's pointer every tick.
    double pointerRest = 60;
    // After the host did not answer a message of ours within its limit: that
    // long before it is asked anything again.
    double hungHostRest = 5;
};

// When the answering machine may next ask the host, and park the pointer.
// Lives as long as the main window; times are on the monotonic clock.
class Backoff {
  public:
    explicit Backoff(const BackoffLimits& limits = {}) : limits_(limits) {}

    bool MayAskHost(double now) const { return now >= askAfter_; }
    bool MayParkPointer(double now) const { return now >= parkAfter_; }
    void HostHung(double now) { askAfter_ = now + limits_.hungHostRest; }
    void PointerFailed(double now) { parkAfter_ = now + limits_.pointerRest; }

  private:
    BackoffLimits limits_;
    double askAfter_ = 0;
    double parkAfter_ = 0;
};

}  // namespace answer
