#include "answer/cycle.h"

#include "answer/detectors.h"
#include "answer/reply.h"
#include "answer/transcript.h"
#include "host/host_link.h"
#include "host/primitives.h"

namespace answer {
namespace {
constexpr double kCyclePause = 0.1;
}

void RunAnsweringCycle(const AnswerLog& log) {
    if (FindEditWindow()) {
        PressEditWindowIcon();
        return;
    }
    if (!FindReceivedIM()) return;

    // Found once: the window whose sender and text are logged is the one
    // answered and closed, whatever the host opens or closes meanwhile.
    const HWND incoming = FindIMWindow();
    if (!incoming) return;
    host::HostLink link;
    const std::string sender = GetIMSender(link, incoming);
    const std::string message = GetIMMessage(link, incoming);
    // A host that stopped answering keeps its message, unlogged; a later
    // cycle reads it once the host answers again.
    if (link.cut()) return;

    host::Pause(kCyclePause);
    // Logged as the reply goes out, so a message is on record exactly when it
    // was answered, even if the host then refuses the reply.
    AnswerIM(incoming, sender, log.awayText(), [&] {
        log.logSender(sender);
        log.logMessage(message);
        log.widenMessageLog();
    });
    host::Pause(kCyclePause);
}

}  // namespace answer
