// How long the answering machine's back end takes: from an incoming
// instant-message window's appearance to the simulated host's record of the
// reply, and one incoming-message search over a host where nothing matches.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "answer/detectors.h"
#include "answer/reply.h"
#include "platform/clock.h"
#include "host/window_names.h"
#include "hostsim/host.h"
#include "hostsim/im_service.h"

namespace {

constexpr int kAnswerRuns = 7;
constexpr int kSearchRuns = 15;
constexpr int kOpenWindows = 20;
constexpr char kAway[] = "Sorry Im currently away from my computer.\r\n";

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void AnswerLatency() {
    hostsim::Host host;
    hostsim::ImService service(host);
    std::vector<double> toReply, whole;
    for (int run = 0; run < kAnswerRuns; ++run) {
        const HWND incoming = service.OpenIncomingIM("Buddy 1", {{"Buddy 1", "are you there?"}});
        const double opened = platform::MonotonicSeconds();
        answer::AnswerIM(incoming, "Buddy 1", kAway);
        const double done = platform::MonotonicSeconds();
        const auto sent = service.Sent();
        if (sent.size() != static_cast<size_t>(run + 1)) {
            std::printf("run %d: the reply was not sent\n", run + 1);
            continue;
        }
        toReply.push_back(sent.back().at - opened);
        whole.push_back(done - opened);
    }
    if (toReply.empty()) return;
    std::printf("answer latency, window open to reply recorded: median %.0f ms over %zu runs\n",
                Median(toReply) * 1000, toReply.size());
    std::printf("AnswerIM from start to return (conversation closed): median %.0f ms\n",
                Median(whole) * 1000);
}

void SearchCost() {
    hostsim::Host host;
    // Windows of about 20 controls each, none of them an incoming message:
    // one short of the 8th icon, a chat room, a compose window.
    const std::vector<hostsim::ChildLayout> shapes = {
        {"Buddy: Instant Message",
         {{host::kViewClass, 3},
          {host::kStaticClass, 4},
          {host::kRichClass, 2},
          {host::kIconClass, 7},
          {host::kImageClass, 2},
          {host::kListboxClass, 2}}},
        {"Town Square",
         {{host::kStaticClass, 3},
          {host::kRichClass, 2},
          {host::kListboxClass, 1},
          {host::kIconClass, 12},
          {host::kImageClass, 2}}},
        {host::kComposeCaption,
         {{host::kEditClass, 1},
          {host::kRichClass, 1},
          {host::kIconClass, 10},
          {host::kComboboxClass, 1},
          {host::kImageClass, 7}}},
    };
    for (int i = 0; i < kOpenWindows; ++i) host.OpenChild(shapes[i % shapes.size()]);
    std::vector<double> costs;
    for (int run = 0; run < kSearchRuns; ++run) {
        const double start = platform::MonotonicSeconds();
        const HWND found = answer::FindReceivedIM();
        costs.push_back(platform::MonotonicSeconds() - start);
        if (found) std::printf("unexpected match\n");
    }
    std::printf("FindReceivedIM finding nothing among %d windows: median %.1f ms over %d runs\n",
                kOpenWindows, Median(costs) * 1000, kSearchRuns);
}

}  // namespace

int main() {
    AnswerLatency();
    SearchCost();
    return 0;
}
