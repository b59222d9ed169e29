#pragma once
#include <windows.h>

#include <functional>

namespace host {

// How many candidates a search takes after the first one.
constexpr int kSearchSteps = 100;

// The host's document area: "MDIClient" under "AOL Frame25"; 0 when the host
// is not running.
HWND FindHostMdiClient();

// Walks the host's "AOL Child" windows in child order and returns the first
// one `matches` accepts, or 0. Takes the first child, then up to 100 further
// candidates with a message pump before each; past the last child the walk
// meets 0 (a candidate that never matches) and starts again at the first.
// A candidate that failed is not examined again within the same search.
HWND SearchHostChildren(const std::function<bool(HWND)>& matches);

}  // namespace host
