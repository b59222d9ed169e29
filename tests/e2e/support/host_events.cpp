#include "support/host_events.h"

#include <cstdio>
#include <cstdlib>

#include "hostsim/event_log.h"
#include "support/desktop.h"

namespace e2e {
namespace {

std::vector<std::string> Fields(const std::string& line) {
    std::vector<std::string> fields;
    size_t start = 0;
    for (;;) {
        const size_t tab = line.find('\t', start);
        fields.push_back(line.substr(start, tab == std::string::npos ? tab : tab - start));
        if (tab == std::string::npos) return fields;
        start = tab + 1;
    }
}

HostEvent Parse(const std::string& line) {
    const std::vector<std::string> f = Fields(line);
    HostEvent e;
    e.kind = f[0];
    if (f.size() > 1) e.a = hostsim::UnescapeField(f[1]);
    if (f.size() > 2) e.b = hostsim::UnescapeField(f[2]);
    if (f.size() > 3) e.at = std::atof(f[3].c_str());
    return e;
}

}  // namespace

std::vector<HostEvent> HostEvents::All() const {
    std::vector<HostEvent> events;
    FILE* f = std::fopen(path_.c_str(), "rb");
    if (!f) return events;
    std::string content;
    char buffer[4096];
    for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, f)) > 0;) content.append(buffer, n);
    std::fclose(f);
    // A line still being written has no line end yet; it is read next time.
    for (size_t start = 0, end; (end = content.find('\n', start)) != std::string::npos;
         start = end + 1) {
        events.push_back(Parse(content.substr(start, end - start)));
    }
    return events;
}

std::vector<HostEvent> HostEvents::Since(size_t mark) const {
    std::vector<HostEvent> all = All();
    if (mark >= all.size()) return {};
    return {all.begin() + static_cast<std::ptrdiff_t>(mark), all.end()};
}

std::vector<HostEvent> HostEvents::WaitFor(
    size_t mark, const std::function<bool(const std::vector<HostEvent>&)>& done,
    double seconds) const {
    std::vector<HostEvent> events;
    WaitUntil([&] { return done(events = Since(mark)); }, seconds);
    return events;
}

std::vector<HostEvent> HostEvents::WaitForKind(size_t mark, const std::string& kind, size_t count,
                                               double seconds) const {
    return OfKind(
        WaitFor(
            mark, [&](const std::vector<HostEvent>& e) { return OfKind(e, kind).size() >= count; },
            seconds),
        kind);
}

std::vector<HostEvent> OfKind(const std::vector<HostEvent>& events, const std::string& kind) {
    std::vector<HostEvent> out;
    for (const HostEvent& e : events) {
        if (e.kind == kind) out.push_back(e);
    }
    return out;
}

std::string Describe(const std::vector<HostEvent>& events) {
    std::string out;
    for (const HostEvent& e : events) {
        char when[32];
        std::snprintf(when, sizeof when, "%.3f", e.at);
        out += std::string("  ") + when + " " + e.kind + " [" + hostsim::EscapeField(e.a) + "] [" +
               hostsim::EscapeField(e.b) + "]\n";
    }
    return out.empty() ? "  (no events)\n" : out;
}

}  // namespace e2e
