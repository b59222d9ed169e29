// What one detector search costs when nothing matches, with and without the
// two refinements: the signature test's stop at the first missing control,
// and the skip of windows that already failed in the same search.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "answer/signatures.h"
#include "platform/clock.h"
#include "platform/pump.h"
#include "host/search.h"
#include "host/signature.h"
#include "host/window_names.h"
#include "hostsim/host.h"

namespace {

constexpr int kRuns = 9;
constexpr int kWindowCounts[] = {5, 20};

// The incoming-message detector's shape, in its lookup order.
constexpr auto& kReceivedIm = answer::kReceivedImSignature;

bool EarlyExit(HWND w) {
    return host::MeetsSignature(w, kReceivedIm);
}

// Every lookup of the signature made, whatever the earlier ones found. Each
// class's requirements stand together in the list, so a chain restarts only
// when the class changes.
bool EveryLookup(HWND w) {
    bool met = true;
    const char* cls = nullptr;
    HWND at = nullptr;
    int reached = 0;
    for (const host::Requirement& r : kReceivedIm) {
        if (!cls || std::string(cls) != r.cls) {
            cls = r.cls;
            at = nullptr;
            reached = 0;
        }
        at = host::StepChildChain(w, r.cls, at, r.n - reached);
        reached = r.n;
        met = met && at != nullptr;
    }
    return met;
}

// The walk without the skip: every candidate examined, failed or not.
HWND WalkEveryCandidate(const std::function<bool(HWND)>& matches) {
    const HWND mdi = host::FindHostMdiClient();
    HWND candidate = FindWindowExA(mdi, nullptr, host::kChildClass, nullptr);
    if (matches(candidate)) return candidate;
    for (int step = 0; step < host::kSearchSteps; ++step) {
        platform::PumpMessages();
        candidate = FindWindowExA(mdi, candidate, host::kChildClass, nullptr);
        if (matches(candidate)) return candidate;
    }
    return nullptr;
}

// Host windows of about 20 controls, none of them an incoming message: one
// that misses only the 8th icon, a chat room, a compose window.
std::vector<hostsim::ChildLayout> Shapes() {
    using host::kIconClass, host::kRichClass, host::kStaticClass, host::kViewClass;
    return {
        {"Bob: Instant Message",
         {{kViewClass, 3},
          {kStaticClass, 4},
          {kRichClass, 2},
          {kIconClass, 7},
          {host::kImageClass, 2},
          {host::kListboxClass, 2}}},
        {"Chat Room: lobby",
         {{kStaticClass, 5},
          {kRichClass, 2},
          {host::kComboboxClass, 1},
          {kIconClass, 10},
          {host::kImageClass, 1},
          {host::kListboxClass, 1}}},
        {"Send Instant Message",
         {{host::kEditClass, 1}, {kRichClass, 1}, {kStaticClass, 3}, {kIconClass, 15}}},
    };
}

double MedianMs(const std::function<void()>& search) {
    std::vector<double> ms;
    for (int i = 0; i < kRuns; ++i) {
        const double start = platform::MonotonicSeconds();
        search();
        ms.push_back((platform::MonotonicSeconds() - start) * 1000.0);
    }
    std::sort(ms.begin(), ms.end());
    return ms[ms.size() / 2];
}

}  // namespace

int main() {
    std::printf("One search over the host's windows that finds nothing (median of %d)\n", kRuns);
    for (int windows : kWindowCounts) {
        hostsim::Host host;
        const auto shapes = Shapes();
        for (int i = 0; i < windows; ++i) host.OpenChild(shapes[i % shapes.size()]);
        platform::PumpMessages();
        const double literal = MedianMs([] { WalkEveryCandidate(EveryLookup); });
        const double earlyExit = MedianMs([] { WalkEveryCandidate(EarlyExit); });
        const double both = MedianMs([] { host::SearchHostChildren(EarlyExit); });
        std::printf("%2d windows: every lookup, every candidate  %7.1f ms\n", windows, literal);
        std::printf("%2d windows: stop at first missing control %7.1f ms\n", windows, earlyExit);
        std::printf("%2d windows: and skip windows that failed  %7.1f ms\n", windows, both);
    }
    return 0;
}
