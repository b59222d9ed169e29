#pragma once

namespace platform {

// Seconds on a monotonic clock: never runs backwards and does not wrap at midnight.
double MonotonicSeconds();

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
