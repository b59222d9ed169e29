// Whole-program figures, measured from outside as a user would see them:
//   - answer latency: from the moment the host shows an incoming message to
//     the moment it sends the reply, both on the host's own clock (the event
//     log's time field), with the answering machine running;
//   - CPU the program uses while the answering machine runs with nothing to
//     answer, and while it is stopped, in % of one core.
// Prints figures only; nothing here passes or fails.
//
// GetProcessTimes on another process reports zero under Wine, so CPU time is
// the sum of GetThreadTimes over the program's threads (Toolhelp snapshot).
// The same measurement of a process that spins is printed first, as proof
// that the method sees CPU use at all.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "platform/clock.h"
#include "support/process_figures.h"
#include "support/session.h"

namespace {

constexpr int kMessages = 7;
constexpr double kAnswerLimit = 15;
// Spreads the deliveries over the 500 ms tick, so the figures are not all
// taken at one phase of it.
constexpr double kPhaseStep = 0.17;
constexpr double kIdleWindow = 10;
constexpr double kSpinSeconds = 4;
constexpr double kSpinWindow = 2;
constexpr char kSpinArgument[] = "--spin";

// Share of one core the process used over `seconds` of wall time, in %.
double CpuPercent(DWORD processId, double seconds) {
    const double cpu0 = e2e::CpuSeconds(processId);
    const double wall0 = platform::MonotonicSeconds();
    e2e::Settle(seconds);
    const double cpu1 = e2e::CpuSeconds(processId);
    const double wall1 = platform::MonotonicSeconds();
    return 100.0 * (cpu1 - cpu0) / (wall1 - wall0);
}

int Spin() {
    const double end = platform::MonotonicSeconds() + kSpinSeconds;
    volatile unsigned long long sink = 0;
    while (platform::MonotonicSeconds() < end) ++sink;
    return 0;
}

double SpinningProcessPercent() {
    char self[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, self, sizeof self);
    e2e::ChildProcess spinner(self, kSpinArgument);
    e2e::Settle(0.5);
    return CpuPercent(spinner.id(), kSpinWindow);
}

struct Latency {
    double seconds;
    bool answered;
};

Latency AnswerOne(const e2e::Session& session, int n) {
    const size_t mark = session.events().Mark();
    const std::string sender = "bench" + std::to_string(n);
    session.DeliverIM(sender, "ping " + std::to_string(n));
    const auto events = session.events().WaitFor(
        mark,
        [](const std::vector<e2e::HostEvent>& e) { return !e2e::OfKind(e, "sent-im").empty(); },
        kAnswerLimit);
    double opened = -1, sent = -1;
    for (const e2e::HostEvent& e : events) {
        if (opened < 0 && e.kind == "opened" && e.a == "incoming") opened = e.at;
        if (sent < 0 && e.kind == "sent-im" && e.a == sender) sent = e.at;
    }
    if (opened < 0 || sent < 0) return {0, false};
    return {sent - opened, true};
}

int Run() {
    std::printf("CPU of a spinning process, same method: %.1f %% of one core\n",
                SpinningProcessPercent());

    e2e::Session session;
    if (!session.problem().empty()) {
        std::printf("whole_program: %s\n", session.problem().c_str());
        return 1;
    }
    const HWND main = session.MainWindow();
    if (!main) {
        std::printf("whole_program: the main window did not come up\n");
        return 1;
    }
    std::printf("CPU, answering machine stopped, %.0f s: %.2f %% of one core\n", kIdleWindow,
                CpuPercent(session.programId(), kIdleWindow));
    session.Press(main, e2e::places::kStart);
    std::printf("CPU, answering machine running, nothing to answer, %.0f s: %.2f %% of one core\n",
                kIdleWindow, CpuPercent(session.programId(), kIdleWindow));

    std::vector<double> latencies;
    for (int n = 0; n < kMessages; ++n) {
        e2e::Settle(kPhaseStep * n);
        const Latency l = AnswerOne(session, n);
        if (l.answered)
            latencies.push_back(l.seconds);
        else
            std::printf("message %d: not answered within %.0f s\n", n, kAnswerLimit);
    }
    if (latencies.empty()) return 1;
    std::vector<double> sorted = latencies;
    std::sort(sorted.begin(), sorted.end());
    std::printf("answer latency over %zu messages: median %.3f s, min %.3f s, max %.3f s\n",
                sorted.size(), sorted[sorted.size() / 2], sorted.front(), sorted.back());
    std::printf("  each:");
    for (double l : latencies) std::printf(" %.3f", l);
    std::printf("\n");
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], kSpinArgument) == 0) return Spin();
    return Run();
}
