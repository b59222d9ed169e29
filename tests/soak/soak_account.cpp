#include "soak_account.h"

namespace soak {
namespace {

constexpr char kIncoming[] = "incoming";

bool IsReplyTo(const e2e::HostEvent& e, const Message& m) {
    return e.kind == "sent-im" && e.a == m.sender;
}

bool Is(const e2e::HostEvent& e, const char* kind, const Message& m) {
    return e.kind == kind && e.a == kIncoming && e.b == m.caption;
}

}  // namespace

bool Account::Done(const std::vector<Message>& burst, const std::vector<bool>& delivered,
                   const std::vector<e2e::HostEvent>& events) {
    for (size_t i = 0; i < burst.size(); ++i) {
        if (!delivered[i]) continue;
        bool closed = false, replied = burst[i].refused;
        for (const e2e::HostEvent& e : events) {
            closed = closed || Is(e, "closed", burst[i]);
            replied = replied || IsReplyTo(e, burst[i]);
        }
        if (!closed || !replied) return false;
    }
    return true;
}

void Account::AddBurst(const std::vector<Message>& burst, const std::vector<bool>& delivered,
                       const std::vector<e2e::HostEvent>& events) {
    const size_t first = fates_.size();
    for (size_t i = 0; i < burst.size(); ++i) {
        Fate f;
        f.message = burst[i];
        f.delivered = delivered[i];
        fates_.push_back(f);
    }
    for (const e2e::HostEvent& e : events) {
        if (e.kind != "sent-im") continue;
        Fate* to = nullptr;
        for (size_t i = first; i < fates_.size(); ++i) {
            if (!fates_[i].message.refused && IsReplyTo(e, fates_[i].message)) to = &fates_[i];
        }
        if (!to) {
            ++unaskedReplies_;
            unasked_.push_back(e.a);
            continue;
        }
        if (++to->replies > 1) continue;
        for (const e2e::HostEvent& opened : events) {
            if (Is(opened, "opened", to->message)) {
                to->latency = e.at - opened.at;
                break;
            }
        }
    }
    for (size_t i = first; i < fates_.size(); ++i) {
        for (const e2e::HostEvent& e : events)
            fates_[i].closed = fates_[i].closed || Is(e, "closed", fates_[i].message);
    }
}

void Account::AddLateEvents(const std::vector<e2e::HostEvent>& events) {
    for (const e2e::HostEvent& e : events) {
        if (e.kind != "sent-im") continue;
        ++unaskedReplies_;
        unasked_.push_back(e.a);
    }
}

void Account::AddLogs(const std::vector<std::string>& senders,
                      const std::vector<std::string>& messages) {
    for (size_t i = 0; i < senders.size() && i < messages.size(); ++i) {
        bool known = false;
        for (Fate& f : fates_) {
            if (senders[i] != f.message.sender || messages[i] != f.message.message) continue;
            ++f.logEntries;
            known = true;
        }
        if (!known) strayEntries_.push_back("\"" + senders[i] + "\": \"" + messages[i] + "\"");
    }
}

Totals Account::Sum() const {
    Totals t;
    t.answeredTwice = unaskedReplies_;
    for (const Fate& f : fates_) {
        if (!f.delivered) continue;
        ++t.delivered;
        if (f.logEntries > 0) ++t.logged;
        if (f.replies > 1 || f.logEntries > 1) {
            ++t.answeredTwice;
        } else if (!f.closed || f.logEntries == 0 || (!f.message.refused && f.replies == 0)) {
            ++t.lost;
        } else {
            ++t.answeredOnce;
            if (f.message.refused) ++t.refused;
        }
        if (f.latency >= 0) t.latencies.push_back(f.latency);
    }
    return t;
}

}  // namespace soak

namespace soak {

std::string Account::Problems() const {
    std::string out;
    for (const Fate& f : fates_) {
        const bool once = f.delivered && f.closed && f.logEntries == 1 &&
                          f.replies == (f.message.refused ? 0 : 1);
        if (once) continue;
        out += "  message " + std::to_string(f.message.number) + " from \"" + f.message.sender +
               "\" (caption \"" + f.message.caption + "\", " +
               std::to_string(f.message.transcript.size()) + " bytes" +
               (f.message.refused ? ", refused" : "") + "): delivered " +
               std::to_string(f.delivered) + ", closed " + std::to_string(f.closed) + ", replies " +
               std::to_string(f.replies) + ", logged " + std::to_string(f.logEntries) + "\n";
    }
    for (const std::string& to : unasked_)
        out += "  a reply to \"" + to + "\" that nobody waited for\n";
    for (const std::string& e : strayEntries_)
        out += "  a log entry that is no message: " + e + "\n";
    return out;
}

}  // namespace soak
