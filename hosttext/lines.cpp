#include "hosttext/lines.h"

#include <algorithm>

#include "hosttext/replace_all.h"

namespace hosttext {

bool HasUnendedLastLine(const std::string& text) {
    return !text.empty() && text.back() != kCR && text.back() != kLF;
}

int LineCount(const std::string& text) {
    const auto ends = std::count(text.begin(), text.end(), kCR);
    return static_cast<int>(ends) + (HasUnendedLastLine(text) ? 1 : 0);
}

std::string GetLine(const std::string& text, int n, const Pump& pump) {
    if (n <= 0 || LineCount(text) < n) return {};
    // Line n runs from just after the (n-1)th CR to the next CR; the last
    // line, which has none, to the end of the text.
    size_t start = 0;
    for (int i = 1; i < n; ++i) start = text.find(kCR, start) + 1;
    const size_t end = std::min(text.find(kCR, start), text.size());
    const std::string line =
        ReplaceAll(text.substr(start, end - start), std::string(1, kLF), "", pump);
    return ReplaceAll(line, std::string(1, kCR), "", pump);
}

}  // namespace hosttext
