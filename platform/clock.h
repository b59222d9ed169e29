#pragma once

namespace platform {

// Seconds on a monotonic clock: never runs backwards and does not wrap at midnight.
double MonotonicSeconds();

// Time since it was made, never less than it said before. The counter behind
// MonotonicSeconds can read a few microseconds earlier on one processor than
// on another (seen under Wine on virtual machines), so a thread that moves
// between them could see a negative elapsed time, and a wait of zero pump.
class Stopwatch {
  public:
    explicit Stopwatch(double (*clock)() = MonotonicSeconds) : clock_(clock), start_(clock()) {}
    double Elapsed() {
        const double now = clock_() - start_;
        if (now > elapsed_) elapsed_ = now;
        return elapsed_;
    }
    double Started() const { return start_; }

  private:
    double (*clock_)();
    double start_;
    double elapsed_ = 0;
};

// Blocks the thread until a message arrives for it or `seconds` have passed,
// whichever is first. Dispatches nothing.
void WaitForMessageOrTimeout(double seconds);

// Ticks per second of the clock Delay reads. A wait shorter than one tick
// ends at the next tick, so every fade step of the splash title stays on
// screen long enough to be seen.
constexpr int kDelayClockTicksPerSecond = 64;

// Seconds on that clock: monotonic, in steps of 1/64 s.
double DelayClock();

}  // namespace platform
