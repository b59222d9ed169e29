#include "answer/cycle.h"

#include "answer/detectors.h"
#include "answer/reply.h"
#include "answer/transcript.h"
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
    // answered and closed. Found afresh for each read, a message that arrives
    // meanwhile (new windows come first) had its text logged under another's
    // sender, and the one left open was answered again later.
    const HWND incoming = FindIMWindow();
    if (!incoming) return;
    const std::string sender = GetIMSender(incoming);
    // Logged before the reply goes out, so a message whose reply fails is
    // still on record.
    log.logSender(sender);
    log.logMessage(GetIMMessage(incoming));
    log.widenMessageLog();
    host::Pause(kCyclePause);
    AnswerIM(incoming, sender, log.awayText());
    host::Pause(kCyclePause);
}

}  // namespace answer
