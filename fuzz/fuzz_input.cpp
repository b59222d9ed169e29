#include "fuzz/fuzz_input.h"

#include <time.h>

#include <cstdio>
#include <cstdlib>

namespace fuzz {
namespace {

constexpr size_t kShownBytes = 300;

// A text as C would write it, cut short: what a person reads in a report.
std::string Shown(const std::string& text) {
    std::string out = "\"";
    for (size_t i = 0; i < text.size() && i < kShownBytes; ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
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
            case '"':
                out += "\\\"";
                break;
            default:
                if (c >= 0x20 && c < 0x7f) {
                    out += static_cast<char>(c);
                } else {
                    char escaped[8];
                    std::snprintf(escaped, sizeof escaped, "\\x%02x", c);
                    out += escaped;
                }
        }
    }
    out += '"';
    if (text.size() > kShownBytes) out += " ... (" + std::to_string(text.size()) + " bytes)";
    return out;
}

[[noreturn]] void Fail(const char* what, const std::string& input, const std::string& detail) {
    std::fprintf(stderr, "\n%s\n  input: %s\n%s\n", what, Shown(input).c_str(), detail.c_str());
    std::abort();
}

}  // namespace

uint8_t FuzzInput::Byte() {
    return at_ < size_ ? data_[at_++] : 0;
}

std::string FuzzInput::Bytes(size_t count) {
    const size_t n = count < size_ - at_ ? count : size_ - at_;
    std::string out(reinterpret_cast<const char*>(data_) + at_, n);
    at_ += n;
    return out;
}

std::string FuzzInput::Rest() {
    return Bytes(size_ - at_);
}

std::string Repeated(const std::string& unit, size_t bytes) {
    std::string out;
    if (unit.empty()) return out;
    out.reserve(bytes + unit.size());
    while (out.size() < bytes) out += unit;
    return out;
}

void ExpectSame(const char* what, const std::string& input, const std::string& fast,
                const std::string& literal) {
    if (fast == literal) return;
    Fail(what, input, "  fast:    " + Shown(fast) + "\n  literal: " + Shown(literal));
}

void ExpectSame(const char* what, const std::string& input, long fast, long literal) {
    if (fast == literal) return;
    Fail(what, input,
         "  fast:    " + std::to_string(fast) + "\n  literal: " + std::to_string(literal));
}

void Expect(bool holds, const char* what, const std::string& input) {
    if (!holds) Fail(what, input, "");
}

double ThreadSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

}  // namespace fuzz
