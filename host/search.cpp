#include "host/search.h"

#include <algorithm>
#include <vector>

#include "host/window_names.h"
#include "platform/pump.h"

namespace host {

HWND FindHostMdiClient() {
    HWND frame = FindWindowA(kFrameClass, nullptr);
    return FindWindowExA(frame, nullptr, kMdiClientClass, nullptr);
}

HWND SearchHostChildren(const std::function<bool(HWND)>& matches) {
    const HWND mdi = FindHostMdiClient();
    // Candidates that already failed in this search; the host may change under
    // us, but a window examined again a few milliseconds later is no more
    // likely to match than it was, and the lookups are what the search costs.
    std::vector<HWND> failed;
    auto examine = [&](HWND candidate) {
        if (std::find(failed.begin(), failed.end(), candidate) != failed.end()) return false;
        if (matches(candidate)) return true;
        failed.push_back(candidate);
        return false;
    };

    HWND candidate = FindWindowExA(mdi, nullptr, kChildClass, nullptr);
    if (examine(candidate)) return candidate;
    for (int step = 0; step < kSearchSteps; ++step) {
        platform::PumpMessages();
        candidate = FindWindowExA(mdi, candidate, kChildClass, nullptr);
        if (examine(candidate)) return candidate;
    }
    return nullptr;
}

}  // namespace host
