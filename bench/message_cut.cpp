// What cutting the message out of a transcript costs our window thread, once
// the text has been read from the host: the best case (the sender's line is
// the last) and the worst of the shapes a stranger could send, at 1 KB,
// 64 KB and 1 MiB; then the line-by-line scan it replaced, and GetIMMessage
// as a whole on 1 MiB (three window searches and two reads from the simulated
// host included). Prints figures only.
//
// GetThreadTimes counts in ticks of 10 ms or more, so each cut is repeated
// for a while and the thread time divided by the repetitions.
#include <windows.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "answer/detectors.h"
#include "answer/transcript.h"
#include "platform/clock.h"
#include "host/host_link.h"
#include "platform/pump.h"
#include "hostsim/host.h"
#include "hostsim/im_service.h"
#include "hosttext/im_text.h"
#include "hosttext/lines.h"

namespace {

constexpr double kMeasureSeconds = 0.5;
constexpr size_t kKB = 1000;
constexpr size_t kMiB = 1024 * 1024;
constexpr size_t kSizes[] = {kKB, 64 * kKB, kMiB};
// Lines by others as a long conversation has them.
constexpr size_t kChatLineBytes = 72;
constexpr size_t kLeastText = 8;
// The line-by-line scan grows with the square of the lines; past this it
// takes minutes.
constexpr size_t kLargestForTheOldScan = 64 * kKB;

const std::string kSender = "Buddy 1";

std::string Line(const std::string& name, const std::string& text) {
    return hostsim::ImService::SenderLine(name, text) + "\r\n";
}

// Lines by someone else up to about `bytes`.
std::string Chatter(size_t bytes, const std::string& name = "someone") {
    const size_t overhead = Line(name, "").size();
    const size_t text =
        kChatLineBytes > overhead + kLeastText ? kChatLineBytes - overhead : kLeastText;
    const std::string line = Line(name, std::string(text, 'x'));
    std::string out;
    while (out.size() + line.size() <= bytes) out += line;
    return out;
}

struct Shape {
    const char* name;
    std::string sender;
    std::string transcript;
};

// The shapes at about `bytes`; the first is the best case.
std::vector<Shape> Shapes(size_t bytes) {
    const std::string hi = Line(kSender, "are you there?");
    // A long screen name, and every line one character short of it.
    const std::string longName(kChatLineBytes - kLeastText, 'n');
    const std::string nearMiss = longName.substr(0, longName.size() - 1) + "m";
    std::string interleaved = "\t";
    for (char c : kSender + ":\t ") (interleaved += '\n') += c;
    while (interleaved.size() + 3 < bytes) interleaved += "\nx";
    interleaved += " \r\n";
    return {
        {"the sender's line last", kSender, Chatter(bytes - hi.size()) + hi},
        {"the sender's line first", kSender, hi + Chatter(bytes - hi.size())},
        {"no line by the sender", kSender, Chatter(bytes)},
        {"every line a near miss of a long name", longName, Chatter(bytes, nearMiss)},
        {"one line by the sender, the whole text", kSender,
         Line(kSender, std::string(bytes - Line(kSender, "").size(), 'm'))},
        {"a line feed between every character", kSender, interleaved},
        {"only CRs: every line empty", kSender, std::string(bytes, '\r')},
    };
}

double ThreadSeconds() {
    FILETIME created, ended, kernel, user;
    GetThreadTimes(GetCurrentThread(), &created, &ended, &kernel, &user);
    const auto seconds = [](const FILETIME& t) {
        return (static_cast<double>(t.dwHighDateTime) * 4294967296.0 + t.dwLowDateTime) / 1e7;
    };
    return seconds(kernel) + seconds(user);
}

// Thread time of one run of `work`, in ms: repeated for kMeasureSeconds.
double PerRunMs(const std::function<void()>& work) {
    work();  // warmed up: pages touched, caches filled
    long runs = 0;
    const double wall0 = platform::MonotonicSeconds();
    const double thread0 = ThreadSeconds();
    do {
        work();
        ++runs;
    } while (platform::MonotonicSeconds() - wall0 < kMeasureSeconds);
    return (ThreadSeconds() - thread0) * 1000 / runs;
}

// The scan as it was: GetLine for every line from the last, each a fresh pass.
std::string LineByLine(const std::string& transcript, const std::string& sender) {
    const std::string mark = sender + ":";
    for (int n = hosttext::LineCount(transcript); n >= 1; --n) {
        const std::string line = hosttext::GetLine(transcript, n, platform::PumpMessages);
        if (line.size() >= 1 + mark.size() && line.compare(1, mark.size(), mark) == 0) return line;
    }
    return {};
}

// A time of a few microseconds reads better in microseconds.
std::string Shown(double ms) {
    char text[32];
    if (ms < 0.1) {
        std::snprintf(text, sizeof text, "%.1f us", ms * 1000);
    } else {
        std::snprintf(text, sizeof text, "%.2f ms", ms);
    }
    return text;
}

const char* SizeName(size_t bytes) {
    return bytes == kMiB ? "1 MiB" : bytes == kKB ? "1 KB" : "64 KB";
}

void CutCost() {
    std::printf("Cutting the message out of a transcript, thread time per cut:\n\n");
    std::printf("| transcript | best case | worst case | worst shape |\n|---|---|---|---|\n");
    for (size_t bytes : kSizes) {
        double best = 0, worst = 0;
        const char* worstShape = "";
        bool first = true;
        for (const Shape& s : Shapes(bytes)) {
            const double ms = PerRunMs([&] {
                hosttext::MessageFromTranscript(s.transcript, s.sender, platform::PumpMessages);
            });
            if (first) best = ms;
            if (first || ms > worst) {
                worst = ms;
                worstShape = s.name;
            }
            first = false;
        }
        std::printf("| %s | %s | %s | %s |\n", SizeName(bytes), Shown(best).c_str(),
                    Shown(worst).c_str(), worstShape);
    }
    std::printf("\nbest case: %s\n", Shapes(kKB).front().name);
}

void OldScanCost() {
    std::printf(
        "\nThe line-by-line scan it replaced (GetLine for each line from the last), no line by the "
        "sender:\n");
    for (size_t bytes : kSizes) {
        if (bytes > kLargestForTheOldScan) break;
        const std::string transcript = Chatter(bytes);
        const double start = ThreadSeconds();
        LineByLine(transcript, kSender);
        std::printf("  %s (%d lines): %.0f ms\n", SizeName(bytes), hosttext::LineCount(transcript),
                    (ThreadSeconds() - start) * 1000);
    }
}

void WholeGetIMMessage() {
    hostsim::Host host;
    hostsim::ImService service(host);
    const std::string hi = Line(kSender, "are you there?");
    service.OpenIMWindow(hostsim::ImService::kIncomingCaptionPrefix + kSender,
                         hi + Chatter(kMiB - hi.size()));
    const double start = platform::MonotonicSeconds();
    host::HostLink link;
    const std::string message = answer::GetIMMessage(link, answer::FindIMWindow());
    std::printf(
        "\nGetIMMessage on 1 MiB, the sender's line first, window searches and reads included: "
        "%.1f ms of wall time (message \"%s\")\n",
        (platform::MonotonicSeconds() - start) * 1000, message.c_str());
}

}  // namespace

int main() {
    CutCost();
    OldScanCost();
    WholeGetIMMessage();
    return 0;
}
