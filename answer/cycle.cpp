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

    // Logged before the reply goes out, so a message whose reply fails is
    // still on record.
    host::HostLink link;
    log.logSender(GetIMSender(link, FindIMWindow()));
    log.logMessage(GetIMMessage(link, FindIMWindow()));
    log.widenMessageLog();
    host::Pause(kCyclePause);
    AnswerIM(log.awayText());
    host::Pause(kCyclePause);
}

}  // namespace answer
