#include "hosttext/pump.h"

namespace hosttext {

void PacedPump::Now() {
    if (pump_) pump_();
    last_ = Clock::now();
    sinceCheck_ = 0;
}

void PacedPump::Check() {
    sinceCheck_ = 0;
    const auto elapsed = Clock::now() - last_;
    // Some runtimes' steady clock follows the wall clock; a step back counts as due.
    if (elapsed >= kInterval || elapsed.count() < 0) Now();
}

}  // namespace hosttext
