#include "hosttext/replace_all.h"

#include <vector>

namespace hosttext {
namespace {

// The only case our callers have: one character, removed. One pass.
std::string Removed(const std::string& text, char gone, PacedPump& pump) {
    std::string kept;
    kept.reserve(text.size());
    for (char c : text) {
        pump.Step();
        if (c != gone) kept.push_back(c);
    }
    return kept;
}

// For each i, the length of the longest proper prefix of find[0..i] that is
// also a suffix of it: where a partial match goes on after a mismatch.
std::vector<size_t> Borders(const std::string& find) {
    std::vector<size_t> border(find.size(), 0);
    for (size_t i = 1, k = 0; i < find.size(); ++i) {
        while (k > 0 && find[i] != find[k]) k = border[k - 1];
        if (find[i] == find[k]) ++k;
        border[i] = k;
    }
    return border;
}

// Replacing the first occurrence from the start again and again. `done`
// never holds an occurrence, so the first occurrence is always the one that
// ends where `done` ends; the replacement goes back in front of what is
// left, to be looked at again. Each replacement shortens the text, so this
// ends. matched[i] is how much of `find` done[0..i] ends with, so a character
// added to `done` is checked without comparing `find` again.
std::string ReplacedFromTheStart(const std::string& text, const std::string& find,
                                 const std::string& with, PacedPump& pump) {
    const std::vector<size_t> border = Borders(find);
    std::string done;
    std::vector<size_t> matched;
    done.reserve(text.size());
    matched.reserve(text.size());
    std::string putBack;  // replacements still to look at, the next character last
    size_t next = 0;      // the next character of `text` after those
    while (!putBack.empty() || next < text.size()) {
        char c;
        if (putBack.empty()) {
            c = text[next++];
        } else {
            c = putBack.back();
            putBack.pop_back();
        }
        pump.Step();
        size_t k = matched.empty() ? 0 : matched.back();
        while (k > 0 && find[k] != c) k = border[k - 1];
        if (find[k] == c) ++k;
        done.push_back(c);
        matched.push_back(k);
        if (k < find.size()) continue;
        done.resize(done.size() - find.size());
        matched.resize(matched.size() - find.size());
        putBack.append(with.rbegin(), with.rend());
    }
    return done;
}

std::string ReplacedLeftToRightOnce(const std::string& text, const std::string& find,
                                    const std::string& with, PacedPump& pump) {
    std::string done;
    size_t from = 0;
    for (size_t at = text.find(find); at != std::string::npos; at = text.find(find, from)) {
        pump.Step(at + find.size() - from);
        done.append(text, from, at - from);
        done += with;
        from = at + find.size();
    }
    done.append(text, from, std::string::npos);
    return done;
}

}  // namespace

std::string ReplaceAll(const std::string& text, const std::string& find, const std::string& with,
                       const Pump& pump) {
    if (find.empty() || text.find(find) == std::string::npos) return text;
    PacedPump paced(pump);
    paced.Now();
    if (with.size() >= find.size()) return ReplacedLeftToRightOnce(text, find, with, paced);
    if (with.empty() && find.size() == 1) return Removed(text, find[0], paced);
    return ReplacedFromTheStart(text, find, with, paced);
}

}  // namespace hosttext
