#pragma once
#include <functional>
#include <string>

namespace answer {

// What the answering cycle reads from and writes to the main window: the
// away message, the two logs, and the message log's scroll range.
struct AnswerLog {
    std::function<std::string()> awayText;
    std::function<void(const std::string&)> logSender;
    std::function<void(const std::string&)> logMessage;
    std::function<void()> widenMessageLog;
};

// One answering cycle: press away an edit-field window if one is open;
// otherwise, when an instant message waits, log its sender and text, then
// close it and send the away message back.
void RunAnsweringCycle(const AnswerLog& log);

}  // namespace answer
