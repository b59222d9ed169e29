#include "answer/cycle.h"

#include "answer/detectors.h"
#include "answer/reply.h"
#include "answer/transcript.h"
#include "host/host_link.h"
#include "platform/clock.h"
#include "platform/pump.h"

namespace answer {
namespace {

constexpr double kCyclePause = 0.1;

// What a reply's failure tells of the host.
void Learn(Backoff& backoff, outgoing::SendResult result) {
    const double now = platform::MonotonicSeconds();
    switch (result) {
        case outgoing::SendResult::kNoMenu:
        case outgoing::SendResult::kNoCompose:
            backoff.PointerFailed(now);
            break;
        case outgoing::SendResult::kHostHung:
            backoff.HostHung(now);
            break;
        case outgoing::SendResult::kPressed:
        case outgoing::SendResult::kNoHost:
            break;
    }
}

}  // namespace

void RunAnsweringCycle(const AnswerLog& log, Backoff& backoff,
                       const outgoing::SendImLimits& limits) {
    if (!backoff.MayAskHost(platform::MonotonicSeconds())) return;
    if (FindEditWindow()) {
        if (!PressEditWindowIcon()) backoff.HostHung(platform::MonotonicSeconds());
        return;
    }
    if (!FindReceivedIM()) return;

    // Found once: the window whose sender and text are recorded is the one
    // answered and closed, whatever the host opens or closes meanwhile.
    const HWND incoming = FindIMWindow();
    if (!incoming) return;
    host::HostLink link;
    const std::string sender = GetIMSender(link, incoming);
    const std::string message = GetIMMessage(link, incoming);
    // A host that stopped answering keeps its message, unrecorded; a later
    // cycle reads it once the host answers again.
    if (link.cut()) {
        backoff.HostHung(platform::MonotonicSeconds());
        return;
    }

    // Recorded before the reply is tried, so a message is kept whatever its
    // reply does; its window is then closed, so it is never read again.
    log.record(sender, message);
    platform::Pause(kCyclePause);
    const bool mayReply = backoff.MayParkPointer(platform::MonotonicSeconds());
    if (const auto result = AnswerIM(incoming, sender, log.awayText(), mayReply, limits))
        Learn(backoff, *result);
    platform::Pause(kCyclePause);
}

}  // namespace answer
