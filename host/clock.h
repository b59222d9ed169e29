#pragma once

namespace host {

// Seconds on a monotonic clock: never runs backwards and does not wrap at midnight.
double MonotonicSeconds();

// Blocks the thread until a message arrives for it or `seconds` have passed,
// whichever is first. Dispatches nothing.
void WaitForMessageOrTimeout(double seconds);

}  // namespace host
