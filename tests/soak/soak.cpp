// The soak: the whole program and hostsim.exe as their own processes, the
// answering machine running, and N instant messages (1,000 for `make soak`,
// a dozen in `make test`) from 50 senders in bursts of 1 to 10, with
// transcripts of up to 1 MiB, bytes above 0x7F, empty lines, captions
// without ": " and a refused screen name now and then; the first six
// messages take one of each shape, so a short run meets them all. Each burst
// is answered before the next comes. Prints a table; exits non-zero when a
// message was answered twice or lost, or, in a run of at least 500 messages,
// when GDI objects, USER objects, or the live blocks or bytes of the
// program's own heap grew by more than 5 % from message N/10 to message N.
// Private bytes are printed beside them but held to nothing: under Wine they
// are the resident memory of the whole process, Wine's own included.
//
// GDI objects, USER objects, private bytes and the live blocks and bytes of
// the program's heaps (counted from inside it, heap_census.h) are read after
// message N/10 (but not before message 20: by then both logs hold more
// entries than their boxes show and have made their scroll bars) and after
// message N, each time just after the largest transcript: Wine's heap keeps
// the blocks a large transcript needed for a while, so a reading at any
// other moment swings by a MiB or two. The logs keep every message, as they
// must; what their new entries take is measured in a list box of the soak's
// own and left out of the growth. The heaps are told apart by whose they
// are: the C runtime's holds what the program's malloc and new hold, the
// process heap what Wine's own DLLs do, list-box entries among it.
//
//   soak.exe [MESSAGES]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "heap_census.h"
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
// so a shorter run prints its readings (from one past kWarmedUp messages) but
// is held to nothing but its counts.
constexpr int kLeastMessagesForGrowth = 500;
// A burst is answered at about a message a second; this is far beyond it.
constexpr double kBurstLimitSeconds = 30;
constexpr double kBurstLimitPerMessage = 5;
// Longer than a tick: a second answer to a message would show in it.
constexpr double kQuietWatch = 0.7;
constexpr double kFinalWatch = 3;
constexpr int kProgressEvery = 100;
constexpr double kMiB = 1024.0 * 1024.0;
constexpr double kKiB = 1024.0;

struct Reading {
    int afterMessage = 0;
    e2e::ObjectCount gdi, user;
    double privateBytes = -1;
    soak::HeapTotals heaps;
};

Reading Read(DWORD processId, soak::HeapCensus& census, int afterMessage) {
    return {afterMessage, e2e::GdiObjects(processId), e2e::UserObjects(processId),
            e2e::PrivateBytes(processId), census.Take()};
}

// What log entries take where the program keeps them.
struct EntriesCost {
    double privateBytes = 0;
    double blocks = 0, bytes = 0;  // in the process heap
};

// What `entries` take in a list box: this process's private bytes and the
// live blocks of its process heap, before and after adding them to a list
// box of its own, on the same platform.
EntriesCost LogEntriesCost(const std::vector<std::string>& entries) {
    const HWND list = CreateWindowExA(0, "LISTBOX", "", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr,
                                      GetModuleHandleA(nullptr), nullptr);
    const double before = e2e::PrivateBytes(GetCurrentProcessId());
    const soak::HeapFigures heapBefore = soak::OwnProcessHeap();
    for (const std::string& e : entries) {
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(e.c_str()));
    }
    const soak::HeapFigures heapAfter = soak::OwnProcessHeap();
    const double after = e2e::PrivateBytes(GetCurrentProcessId());
    DestroyWindow(list);
    return {after - before, static_cast<double>(heapAfter.blocks - heapBefore.blocks),
            static_cast<double>(heapAfter.bytes - heapBefore.bytes)};
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

// One row of the table: how a figure grew less what it may grow by design.
struct Row {
    const char* what;
    double before, after;
    double allowed = 0;  // what the new log entries take of it
    const char* unit = "";
    double scale = 1;
    std::string note;
    bool gated = false;  // held to the bound
};

// The row in the table, and whether it stays within the bound (a row that is
// not gated always does; one that could not be read never does).
bool PrintGrowth(const Row& row, int first, int last) {
    const std::string bound =
        row.gated ? " (at most +" + std::to_string(static_cast<int>(kMostGrowthPercent)) + " %)"
                  : "";
    if (row.before < 0 || row.after < 0) {
        std::printf("| %s after message %d / %d%s | could not be read |\n", row.what, first, last,
                    bound.c_str());
        return !row.gated;
    }
    const double growth = Growth(row.before, row.after - row.allowed);
    const int decimals = row.scale == 1 ? 0 : 1;
    std::printf("| %s after message %d / %d%s | %.*f%s / %.*f%s (%+.1f %%%s)%s%s |\n", row.what,
                first, last, bound.c_str(), decimals, row.before / row.scale, row.unit, decimals,
                row.after / row.scale, row.unit, growth,
                row.allowed > 0 ? " beyond the new log entries" : "", row.note.empty() ? "" : "; ",
                row.note.c_str());
    return !row.gated || growth <= kMostGrowthPercent;
}

// A figure of one side's heaps, or -1 when the census could not be taken.
template <typename T>
double Figure(const soak::HeapTotals& t, soak::HeapFigures soak::HeapTotals::*side,
              T soak::HeapFigures::*figure) {
    return t.read ? static_cast<double>((t.*side).*figure) : -1;
}

}  // namespace

int main(int argc, char** argv) {
    const int count = argc > 1 ? std::max(1, std::atoi(argv[1])) : kDefaultMessages;
    const int firstReading = std::min(count, std::max(kWarmedUp, count / kFirstReadingShare));
    const bool read = count > kWarmedUp;
    const bool gated = count >= kLeastMessagesForGrowth;
    const soak::Plan plan =
        soak::MakePlan(count, read ? std::vector<int>{firstReading, count} : std::vector<int>{});
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
    // Set before Start, so the DLL is in the program well before the first reading.
    soak::HeapCensus census(main);
    if (!census.problem().empty()) std::printf("soak: %s\n", census.problem().c_str());
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
        if (read && delivered == firstReading) early = Read(program, census, delivered);
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
    late = Read(program, census, delivered);
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
    const EntriesCost logCost = LogEntriesCost(newEntries);
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
    if (!read) {
        std::printf("| growth | not measured in a run of %d messages or fewer |\n", kWarmedUp);
        // Counted all the same, so that `make test` finds a census that no
        // longer works before a long run does.
        const soak::HeapTotals& h = late.heaps;
        if (h.read) {
            std::printf(
                "| heaps after message %d | ours %ld blocks, %.1f KiB; Wine's %ld blocks, "
                "%.1f KiB |\n",
                late.afterMessage, static_cast<long>(h.runtime.blocks),
                static_cast<double>(h.runtime.bytes) / kKiB, static_cast<long>(h.wine.blocks),
                static_cast<double>(h.wine.bytes) / kKiB);
        } else {
            std::printf("| heaps after message %d | could not be counted |\n", late.afterMessage);
        }
        flat = h.read;
    } else {
        if (!gated) {
            std::printf("| growth | not held to the bound in a run of fewer than %d messages |\n",
                        kLeastMessagesForGrowth);
        }
        using soak::HeapFigures;
        using soak::HeapTotals;
        const std::string entries = std::to_string(newEntries.size()) + " new log entries take ";
        char blocksNote[64], bytesNote[64], privateNote[64];
        std::snprintf(blocksNote, sizeof blocksNote, "%.0f blocks", logCost.blocks);
        std::snprintf(bytesNote, sizeof bytesNote, "%.0f KiB", logCost.bytes / kKiB);
        std::snprintf(privateNote, sizeof privateNote, "%.2f MiB", logCost.privateBytes / kMiB);
        const auto outside = [](const Reading& r) {
            return r.heaps.read && r.privateBytes >= 0
                       ? r.privateBytes -
                             static_cast<double>(r.heaps.runtime.committed + r.heaps.wine.committed)
                       : -1;
        };
        const Row rows[] = {
            {"GDI objects", static_cast<double>(early.gdi.count),
             static_cast<double>(late.gdi.count), 0, "", 1, late.gdi.source, gated},
            {"USER objects", static_cast<double>(early.user.count),
             static_cast<double>(late.user.count), 0, "", 1, late.user.source, gated},
            {"our live blocks", Figure(early.heaps, &HeapTotals::runtime, &HeapFigures::blocks),
             Figure(late.heaps, &HeapTotals::runtime, &HeapFigures::blocks), 0, "", 1,
             "in the C runtime's heap, which the program's malloc and new use", gated},
            {"our live bytes", Figure(early.heaps, &HeapTotals::runtime, &HeapFigures::bytes),
             Figure(late.heaps, &HeapTotals::runtime, &HeapFigures::bytes), 0, " KiB", kKiB, "",
             gated},
            {"our heap's committed bytes",
             Figure(early.heaps, &HeapTotals::runtime, &HeapFigures::committed),
             Figure(late.heaps, &HeapTotals::runtime, &HeapFigures::committed), 0, " KiB", kKiB,
             "live or free"},
            {"Wine's live blocks", Figure(early.heaps, &HeapTotals::wine, &HeapFigures::blocks),
             Figure(late.heaps, &HeapTotals::wine, &HeapFigures::blocks), logCost.blocks, "", 1,
             "in the process heap and the others; " + entries + blocksNote},
            {"Wine's live bytes", Figure(early.heaps, &HeapTotals::wine, &HeapFigures::bytes),
             Figure(late.heaps, &HeapTotals::wine, &HeapFigures::bytes), logCost.bytes, " KiB",
             kKiB, entries + bytesNote},
            {"Wine's heaps' committed bytes",
             Figure(early.heaps, &HeapTotals::wine, &HeapFigures::committed),
             Figure(late.heaps, &HeapTotals::wine, &HeapFigures::committed), logCost.bytes, " KiB",
             kKiB, "live or free"},
            {"private bytes", early.privateBytes, late.privateBytes, logCost.privateBytes, " MiB",
             kMiB, entries + privateNote},
            {"private bytes beyond the heaps' commit", outside(early), outside(late), 0, " MiB",
             kMiB, "what no heap holds"},
        };
        for (const Row& row : rows)
            flat = PrintGrowth(row, early.afterMessage, late.afterMessage) && flat;
    }

    const bool kept = running && t.answeredTwice == 0 && t.lost == 0 && t.delivered == count;
    if (t.answeredTwice > 0 || t.lost > 0) std::printf("\n%s", account.Problems().c_str());
    if (!running) std::printf("\nsoak: the program is no longer running\n");
    if (t.delivered != count)
        std::printf("\nsoak: only %d of %d messages were delivered\n", t.delivered, count);
    return kept && flat ? 0 : 1;
}
