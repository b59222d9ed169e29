#pragma once
// The simulated host's event log as another process sees it: one event per
// line, appended as it happens (opened and closed windows, instant messages
// sent, chat lines said, transfers).
#include <functional>
#include <string>
#include <vector>

namespace e2e {

struct HostEvent {
    std::string kind;  // opened, closed, sent-im, chat, transfer
    std::string a;     // KIND of window, recipient, chat line, start|end
    std::string b;     // caption, text sent
    double at = 0;     // the host's clock (platform::MonotonicSeconds) when it happened
};

class HostEvents {
  public:
    explicit HostEvents(std::string path) : path_(std::move(path)) {}

    // Every complete line so far.
    std::vector<HostEvent> All() const;
    // A mark to read from: the events after it are the ones still to come.
    size_t Mark() const { return All().size(); }
    std::vector<HostEvent> Since(size_t mark) const;
    // Waits until the events after `mark` satisfy `done` or `seconds` pass;
    // returns them as they stand then.
    std::vector<HostEvent> WaitFor(size_t mark,
                                   const std::function<bool(const std::vector<HostEvent>&)>& done,
                                   double seconds) const;
    // Waits until at least `count` events of `kind` came after `mark`; returns those.
    std::vector<HostEvent> WaitForKind(size_t mark, const std::string& kind, size_t count,
                                       double seconds) const;

  private:
    std::string path_;
};

std::vector<HostEvent> OfKind(const std::vector<HostEvent>& events, const std::string& kind);
// What a list of events says, one per line, for failure messages.
std::string Describe(const std::vector<HostEvent>& events);

}  // namespace e2e
