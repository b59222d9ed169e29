#include "answer/transcript.h"

#include <windows.h>

#include "host/primitives.h"
#include "host/window_names.h"

namespace answer {
namespace {

constexpr char kSenderSeparator[] = ": ";
constexpr char kCR = '\r';
constexpr char kLF = '\n';
// Between the colon after the screen name and the message stand two
// characters, and one more ends the line.
constexpr size_t kGapAfterColon = 2;
constexpr size_t kLineTrailer = 1;

bool EndsWith(const std::string& s, const std::string& tail) {
    return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

}  // namespace

std::string GetIMSender(host::HostLink& link, HWND window) {
    if (!window) return {};
    const std::string caption = host::GetText(link, window);
    const size_t separator = caption.find(kSenderSeparator);
    // Without a separator the name is taken from the second character on,
    // as if a separator stood before the caption.
    const size_t start =
        separator == std::string::npos ? 1 : separator + sizeof kSenderSeparator - 1;
    return start < caption.size() ? caption.substr(start) : std::string();
}

std::string GetIMTranscript(host::HostLink& link, HWND window) {
    // Under handle 0 the lookup would search the top-level windows instead.
    if (!window) return {};
    return host::GetText(link, FindWindowExA(window, nullptr, host::kRichClass, nullptr));
}

std::string GetIMMessage(host::HostLink& link, HWND window) {
    if (!window) return {};
    const std::string transcript = GetIMTranscript(link, window);
    const std::string sender = GetIMSender(link, window);
    // The colon must follow the name directly: "bob:" is not a line of "bo".
    const std::string mark = sender + ":";
    for (int n = LineCount(transcript); n >= 1; --n) {
        const std::string line = GetLine(transcript, n);
        if (line.size() < 1 + mark.size() || line.compare(1, mark.size(), mark) != 0) continue;
        const size_t from = 1 + mark.size() + kGapAfterColon;
        if (line.size() < from + kLineTrailer) return {};
        return line.substr(from, line.size() - from - kLineTrailer);
    }
    return {};
}

int LineCount(const std::string& text) {
    if (text.empty()) return 0;
    int count = 0;
    for (char c : text) {
        if (c == kCR) ++count;
    }
    const char last = text.back();
    if (last != kCR && last != kLF) ++count;
    return count;
}

std::string GetLine(const std::string& text, int n) {
    if (n <= 0 || LineCount(text) < n) return {};
    // The appended CR closes a last line that has none of its own.
    const std::string copy = text + kCR + kLF;
    size_t start = 0;
    for (int i = 1; i < n; ++i) start = copy.find(kCR, start) + 1;
    const size_t end = copy.find(kCR, start);
    std::string line = copy.substr(start, end - start);
    line = ReplaceAll(line, std::string(1, kLF), "");
    return ReplaceAll(line, std::string(1, kCR), "");
}

std::string ReplaceAll(const std::string& text, const std::string& find, const std::string& with) {
    if (find.empty()) return text;
    std::string done;
    if (with.size() < find.size()) {
        // Repeatedly replacing the first occurrence from the start of the
        // text, as the host's own text tools do, so a replacement may join
        // its neighbours into a new occurrence. `done` never holds one, so
        // the first occurrence is always the one that ends where `done` ends;
        // the replacement goes back in front of what is left, to be looked
        // at again. Each replacement shortens the text, so this ends.
        std::string rest(text.rbegin(), text.rend());  // reversed: take from the back
        while (!rest.empty()) {
            done.push_back(rest.back());
            rest.pop_back();
            if (!EndsWith(done, find)) continue;
            host::PumpMessages();
            done.resize(done.size() - find.size());
            rest.append(with.rbegin(), with.rend());
        }
        return done;
    }
    // A replacement at least as long as what it replaces could go on for
    // ever from the start (it may even contain `find`), so each occurrence of
    // the original text is replaced once, left to right.
    size_t from = 0;
    for (size_t at = text.find(find); at != std::string::npos; at = text.find(find, from)) {
        host::PumpMessages();
        done.append(text, from, at - from);
        done += with;
        from = at + find.size();
    }
    done.append(text, from, std::string::npos);
    return done;
}

}  // namespace answer
