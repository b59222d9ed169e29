// The soak: the whole program and hostsim.exe as their own processes, the
// answering machine running, and N instant messages (1,000 for `make soak`,
// 50 in `make test`) from 50 senders in bursts of 1 to 10, with transcripts
// of up to 1 MiB, bytes above 0x7F, empty lines, captions without ": " and a
// refused screen name now and then; the first six messages take one of each
// shape, so a short run (a dozen in `make test`) meets them all. Each burst
// is answered before the next comes. Prints a table; exits non-zero when a
// message was answered twice or lost, or, in a run of at least 500 messages,
// when GDI objects, USER objects or private bytes grew by more than 5 % from
// message N/10 to message N.
//
// GDI objects, USER objects and private bytes are read after message N/10
// (but not before message 20: by then both logs hold more entries than their
// boxes show and have made their scroll bars) and after message N, each time
// just after the largest transcript: Wine's heap keeps the blocks a large
// transcript needed for a while, so a reading at any other moment swings by
// a MiB or two. The logs keep every message, as they must; what their new
// entries take is measured in a list box of the soak's own and left out of
// the growth.
//
//   soak.exe [MESSAGES]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/clock.h"
#include "soak_account.h"
#include "soak_plan.h"
#include "support/process_figures.h"
#include "support/session.h"

namespace {

constexpr int kDefaultMessages = 1000;
// The first reading: after message N/10, and not before message 20.
constexpr int kFirstReadingShare = 10;
constexpr int kWarmedUp = 20;
constexpr double kMostGrowthPercent = 5;
// Over fewer messages the figures swing by more than the bound (-8 % over 50),
// so a shorter run only counts.
constexpr int kLeastMessagesForGrowth = 500;
// A burst is answered at about a message a second; this is far beyond it.
constexpr double kBurstLimitSeconds = 30;
constexpr double kBurstLimitPerMessage = 5;
// Longer than a tick: a second answer to a message would show in it.
constexpr double kQuietWatch = 0.7;
constexpr double kFinalWatch = 3;
constexpr int kProgressEvery = 100;
constexpr double kMiB = 1024.0 * 1024.0;

struct Reading {
    int afterMessage = 0;
    e2e::ObjectCount gdi, user;
    double privateBytes = -1;
};

Reading Read(DWORD processId, int afterMessage) {
    return {afterMessage, e2e::GdiObjects(processId), e2e::UserObjects(processId),
            e2e::PrivateBytes(processId)};
}

// What `entries` take in a list box: the private bytes of this process
// before and after adding them to one of its own, on the same platform.
double LogEntriesBytes(const std::vector<std::string>& entries) {
    const HWND list = CreateWindowExA(0, "LISTBOX", "", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr,
                                      GetModuleHandleA(nullptr), nullptr);
    const double before = e2e::PrivateBytes(GetCurrentProcessId());
    for (const std::string& e : entries) {
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(e.c_str()));
    }
    const double after = e2e::PrivateBytes(GetCurrentProcessId());
    DestroyWindow(list);
    return after - before;
}

double Percentile(std::vector<double> values, double share) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    const size_t at = static_cast<size_t>(share * static_cast<double>(values.size() - 1) + 0.5);
    return values[at];
}

double Growth(double before, double after) {
    return before > 0 ? 100.0 * (after - before) / before : 0;
}

// The growth of one figure less what it may grow by design, in the table,
// and whether it stays within the bound.
bool PrintGrowth(const char* what, double before, double after, double allowed, int first, int last,
                 const char* unit, double scale, const std::string& note) {
    if (before < 0 || after < 0) {
        std::printf("| %s after message %d / %d | could not be read |\n", what, first, last);
        return false;
    }
    const double growth = Growth(before, after - allowed);
    const int decimals = scale == 1 ? 0 : 1;
    std::printf(
        "| %s after message %d / %d (at most %+.0f %%) | %.*f%s / %.*f%s (%+.1f %%%s)%s%s |\n",
        what, first, last, kMostGrowthPercent, decimals, before / scale, unit, decimals,
        after / scale, unit, growth, allowed > 0 ? " beyond the new log entries" : "",
        note.empty() ? "" : "; ", note.c_str());
    return growth <= kMostGrowthPercent;
}

}  // namespace

int main(int argc, char** argv) {
    const int count = argc > 1 ? std::max(1, std::atoi(argv[1])) : kDefaultMessages;
    const int firstReading = std::min(count, std::max(kWarmedUp, count / kFirstReadingShare));
    const bool measured = count >= kLeastMessagesForGrowth;
    const soak::Plan plan = soak::MakePlan(
        count, measured ? std::vector<int>{firstReading, count} : std::vector<int>{});
    e2e::Session::Options options;
    options.refused = plan.refused;
    e2e::Session session(options);
    if (!session.problem().empty()) {
        std::printf("soak: %s\n", session.problem().c_str());
        return 1;
    }
    const HWND main = session.MainWindow();
    if (!main) {
        std::printf("soak: the main window did not come up\n");
        return 1;
    }
    session.Press(main, e2e::places::kStart);

    const DWORD program = session.programId();
    Reading early, late;
    soak::Account account;
    size_t mark = session.events().Mark();
    const double wall0 = platform::MonotonicSeconds();
    const double cpu0 = e2e::CpuSeconds(program);
    int delivered = 0;
    for (const auto& burst : plan.bursts) {
        std::vector<bool> taken;
        for (const soak::Message& m : burst)
            taken.push_back(session.DeliverIMWindow(m.caption, m.transcript));
        const double limit =
            kBurstLimitSeconds + kBurstLimitPerMessage * static_cast<double>(burst.size());
        session.events().WaitFor(
            mark,
            [&](const std::vector<e2e::HostEvent>& e) {
                return soak::Account::Done(burst, taken, e);
            },
            limit);
        e2e::Settle(kQuietWatch);
        const auto events = session.events().Since(mark);
        mark += events.size();
        account.AddBurst(burst, taken, events);

        const int before = delivered;
        delivered += static_cast<int>(burst.size());
        if (delivered == firstReading) early = Read(program, delivered);
        if (delivered / kProgressEvery > before / kProgressEvery) {
            std::printf("soak: %d of %d messages, %.1f min\n", delivered, count,
                        (platform::MonotonicSeconds() - wall0) / 60);
            std::fflush(stdout);
        }
    }
    e2e::Settle(kFinalWatch);
    account.AddLateEvents(session.events().Since(mark));
    const double cpuShare =
        100.0 * (e2e::CpuSeconds(program) - cpu0) / (platform::MonotonicSeconds() - wall0);
    late = Read(program, delivered);
    const std::vector<std::string> senders =
        e2e::ListItems(e2e::ChildAt(main, e2e::places::kSenders));
    const std::vector<std::string> messages =
        e2e::ListItems(e2e::ChildAt(main, e2e::places::kMessages));
    account.AddLogs(senders, messages);
    // The entries logged between the two readings, both logs' worth.
    std::vector<std::string> newEntries;
    for (size_t i = static_cast<size_t>(firstReading); i < senders.size() && i < messages.size();
         ++i) {
        newEntries.push_back(senders[i]);
        newEntries.push_back(messages[i]);
    }
    const double logBytes = LogEntriesBytes(newEntries);
    const bool running = session.programRunning();
    const soak::Totals t = account.Sum();

    std::printf(
        "\nsoak: %d instant messages from 50 senders in %zu bursts of 1 to 10, "
        "%.1f min\n\n",
        count, plan.bursts.size(), (platform::MonotonicSeconds() - wall0) / 60);
    std::printf("| figure | value |\n|---|---|\n");
    std::printf("| delivered | %d |\n", t.delivered);
    std::printf("| logged | %d |\n", t.logged);
    std::printf("| answered once | %d (%d of them to a screen name the host refused) |\n",
                t.answeredOnce, t.refused);
    std::printf("| answered twice (must be 0) | %d |\n", t.answeredTwice);
    std::printf("| lost (must be 0) | %d |\n", t.lost);
    std::printf("| latency, median | %.2f s |\n", Percentile(t.latencies, 0.5));
    std::printf("| latency, 99th percentile | %.2f s |\n", Percentile(t.latencies, 0.99));
    std::printf("| CPU share | %.1f %% of one core |\n", cpuShare);
    bool flat = true;
    if (!measured) {
        std::printf("| growth | not measured in a run of fewer than %d messages |\n",
                    kLeastMessagesForGrowth);
    } else {
        flat = PrintGrowth("GDI objects", early.gdi.count, late.gdi.count, 0, early.afterMessage,
                           late.afterMessage, "", 1, late.gdi.source);
        flat = PrintGrowth("USER objects", early.user.count, late.user.count, 0, early.afterMessage,
                           late.afterMessage, "", 1, late.user.source) &&
               flat;
        char logNote[96];
        std::snprintf(logNote, sizeof logNote, "%zu new log entries take %.2f MiB",
                      newEntries.size(), logBytes / kMiB);
        flat = PrintGrowth("private bytes", early.privateBytes, late.privateBytes, logBytes,
                           early.afterMessage, late.afterMessage, " MiB", kMiB, logNote) &&
               flat;
    }

    const bool kept = running && t.answeredTwice == 0 && t.lost == 0 && t.delivered == count;
    if (t.answeredTwice > 0 || t.lost > 0) std::printf("\n%s", account.Problems().c_str());
    if (!running) std::printf("\nsoak: the program is no longer running\n");
    if (t.delivered != count)
        std::printf("\nsoak: only %d of %d messages were delivered\n", t.delivered, count);
    return kept && flat ? 0 : 1;
}
