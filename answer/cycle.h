#pragma once
#include <functional>
#include <string>

#include "answer/backoff.h"
#include "outgoing/send_im.h"

namespace answer {

// What the answering cycle reads from and writes to the main window.
struct AnswerLog {
    // The away message, read afresh for each answer.
    std::function<std::string()> awayText;
    // Records one message read, at once and for good: the two logs, the
    // message log's scroll range and the record file.
    std::function<void(const std::string& sender, const std::string& message)> record;
};

// One answering cycle: press away an edit-field window if one is open;
// otherwise, when an instant message waits, read and record it, close it and
// send the away message back. A message is read and recorded once; whatever
// becomes of its reply, it is not read, recorded or answered again. A host
// that fails is left alone for a while, as `backoff` says.
void RunAnsweringCycle(const AnswerLog& log, Backoff& backoff,
                       const outgoing::SendImLimits& limits = {});

}  // namespace answer
