#pragma once

namespace hostsim {

// Seconds on the performance counter: the clock the add-on and the tests
// read, so the times hostsim records can be set against theirs.
double NowSeconds();

}  // namespace hostsim
