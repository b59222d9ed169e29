#include "fuzz/reference.h"

namespace reference {
namespace {

const std::string kCR = "\r";
const std::string kLF = "\n";

// The steps count characters from 1 and take "from position p" and "p
// characters from position q" the way these two do: past the end there is
// nothing, never an error.
std::string Mid(const std::string& s, size_t from) {
    return from >= 1 && from <= s.size() ? s.substr(from - 1) : std::string();
}

std::string Mid(const std::string& s, size_t from, size_t count) {
    return from >= 1 && from <= s.size() ? s.substr(from - 1, count) : std::string();
}

// The position (from 1) of the first `find` in `s` at or after `from`; 0 when none.
size_t InStr(size_t from, const std::string& s, const std::string& find) {
    const size_t at = s.find(find, from - 1);
    return at == std::string::npos ? 0 : at + 1;
}

}  // namespace

int LineCount(const std::string& text) {
    if (text.empty()) return 0;
    int count = 0;
    for (size_t i = 1; i <= text.size(); ++i) {
        if (text[i - 1] == kCR[0]) ++count;
    }
    const std::string last = Mid(text, text.size(), 1);
    if (last != kCR && last != kLF) ++count;
    return count;
}

std::string GetLine(const std::string& text, int n) {
    if (LineCount(text) == 0 || LineCount(text) < n) return "";
    const std::string copy = text + kCR + kLF;
    if (n <= 0) return "";
    size_t start = 1;
    for (int i = 1; i < n; ++i) start = InStr(start, copy, kCR) + 1;
    const size_t end = InStr(start, copy, kCR);
    std::string line = Mid(copy, start, end - start);
    line = ReplaceAll(line, kLF, "");
    line = ReplaceAll(line, kCR, "");
    return line;
}

bool ReplaceAllEnds(const std::string& find, const std::string& with) {
    return !find.empty() && with.size() < find.size();
}

std::string ReplaceAll(std::string text, const std::string& find, const std::string& with,
                       int* pumps) {
    while (InStr(1, text, find) > 0) {
        if (pumps) ++*pumps;
        const size_t p = InStr(1, text, find);
        text = Mid(text, 1, p - 1) + with + Mid(text, p + find.size());
    }
    return text;
}

std::string ReplaceEachOnce(const std::string& text, const std::string& find,
                            const std::string& with) {
    if (find.empty()) return text;
    std::string out;
    size_t from = 1;
    for (size_t p = InStr(1, text, find); p > 0; p = InStr(from, text, find)) {
        out += Mid(text, from, p - from) + with;
        from = p + find.size();
    }
    return out + Mid(text, from);
}

std::string SenderFromCaption(const std::string& caption) {
    const size_t p = InStr(1, caption, ": ");
    return Mid(caption, p + 2);
}

std::string MessageFromTranscript(const std::string& transcript, const std::string& sender) {
    const size_t L = sender.size();
    std::string line;
    bool found = false;
    for (int n = LineCount(transcript); n >= 1 && !found; --n) {
        line = GetLine(transcript, n);
        found = Mid(line, 2, L) == sender && Mid(line, L + 2, 1) == ":";
    }
    if (!found) return "";
    const std::string rest = Mid(line, L + 5);
    if (rest.empty()) return "";
    return Mid(rest, 1, rest.size() - 1);
}

}  // namespace reference
