#pragma once

namespace ui {

// Ticks per second of the clock the splash's waits read. A wait shorter than
// one tick ends at the next tick, so every fade step of the title stays on
// screen long enough to be seen.
constexpr int kDelayClockTicksPerSecond = 64;

// Seconds on that clock: monotonic, in steps of 1/64 s.
double DelayClock();

// Waits `seconds` on the stepped clock while this thread's windows stay
// responsive; blocks between checks instead of spinning.
void Delay(double seconds);

}  // namespace ui
