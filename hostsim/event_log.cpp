#include "hostsim/event_log.h"

#include <cstdio>

#include "hostsim/clock.h"

namespace hostsim {

EventLog::EventLog(std::string path) : path_(std::move(path)) {
    if (path_.empty()) return;
    if (FILE* f = std::fopen(path_.c_str(), "wb")) std::fclose(f);
}

void EventLog::Write(const std::string& kind, const std::string& a, const std::string& b) {
    Write(kind, a, b, NowSeconds());
}

void EventLog::Write(const std::string& kind, const std::string& a, const std::string& b,
                     double at) {
    if (path_.empty()) return;
    char when[32];
    std::snprintf(when, sizeof when, "%.4f", at);
    std::lock_guard<std::mutex> guard(lock_);
    // Opened per line so a reader in another process sees each line at once.
    if (FILE* f = std::fopen(path_.c_str(), "ab")) {
        const std::string line =
            kind + "\t" + EscapeField(a) + "\t" + EscapeField(b) + "\t" + when + "\n";
        std::fwrite(line.data(), 1, line.size(), f);
        std::fclose(f);
    }
}

std::string EscapeField(const std::string& text) {
    std::string out;
    for (char c : text) {
        switch (c) {
            case '\r':
                out += "\\r";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\t':
                out += "\\t";
                break;
            case '\\':
                out += "\\\\";
                break;
            default:
                out += c;
        }
    }
    return out;
}

std::string UnescapeField(const std::string& text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            out += text[i];
            continue;
        }
        switch (text[++i]) {
            case 'r':
                out += '\r';
                break;
            case 'n':
                out += '\n';
                break;
            case 't':
                out += '\t';
                break;
            default:
                out += text[i];
        }
    }
    return out;
}

}  // namespace hostsim
