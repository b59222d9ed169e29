#pragma once
#include <mutex>
#include <string>

namespace hostsim {

// What the simulated host did that a person or a test wants to see (an
// instant message it sent, a line said in the chat room), one line per event,
// appended to a file as it happens so another process can follow along.
// Fields are tab-separated; CR, LF, tab and backslash in them are escaped.
// The last field is when it happened, in NowSeconds() (hostsim/clock.h), so a reader
// can time the add-on's answers without the delay of the writer's polling.
class EventLog {
  public:
    explicit EventLog(std::string path);
    void Write(const std::string& kind, const std::string& a, const std::string& b = {});
    void Write(const std::string& kind, const std::string& a, const std::string& b, double at);

  private:
    std::string path_;
    std::mutex lock_;
};

std::string EscapeField(const std::string& text);
std::string UnescapeField(const std::string& text);

}  // namespace hostsim
