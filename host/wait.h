#pragma once
#include <functional>

namespace host {

// The one way we wait for the host: round after round, our pending messages
// are dispatched and `condition` is asked; between rounds `poll` seconds pass
// with our windows running (Pause). True as soon as the condition holds, false
// once `limit` seconds have passed without it. Handlers of ours run nested in
// the wait, so the condition must look the host's windows up afresh.
bool WaitFor(const std::function<bool()>& condition, double limit, double poll);

}  // namespace host
