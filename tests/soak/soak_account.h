#pragma once
// What became of each message of a soak run, from the simulated host's events
// burst by burst and from the main window's two logs at the end.
#include <string>
#include <vector>

#include "soak_plan.h"
#include "support/host_events.h"

namespace soak {

struct Totals {
    int delivered = 0;
    int logged = 0;         // sender and message in the logs, side by side
    int answeredOnce = 0;   // logged once, its window closed, one reply (none when refused)
    int refused = 0;        // of those, refused by the host
    int answeredTwice = 0;  // logged or answered more than once, or a reply nobody waited for
    int lost = 0;           // not logged, not closed, or not answered
    std::vector<double> latencies;  // window opened to reply sent, host clock, seconds
};

class Account {
  public:
    // Whether every delivered message of the burst has had its window closed
    // and, unless refused, its reply sent.
    static bool Done(const std::vector<Message>& burst, const std::vector<bool>& delivered,
                     const std::vector<e2e::HostEvent>& events);

    // A burst and the host's events from its first delivery to the next burst.
    void AddBurst(const std::vector<Message>& burst, const std::vector<bool>& delivered,
                  const std::vector<e2e::HostEvent>& events);
    // Events after the last burst: any reply there answered nobody.
    void AddLateEvents(const std::vector<e2e::HostEvent>& events);
    // The main window's sender and message logs at the end.
    void AddLogs(const std::vector<std::string>& senders, const std::vector<std::string>& messages);

    Totals Sum() const;
    // One line for each message not answered exactly once, and each reply
    // that answered nobody: for the report of a failed run.
    std::string Problems() const;

  private:
    struct Fate {
        Message message;
        bool delivered = false;
        bool closed = false;
        int replies = 0;
        double latency = -1;
        int logEntries = 0;
    };
    std::vector<Fate> fates_;
    int unaskedReplies_ = 0;
    std::vector<std::string> unasked_;       // to whom, for the report
    std::vector<std::string> strayEntries_;  // log entries that are no message, for the report
};

}  // namespace soak
