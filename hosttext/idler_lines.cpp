#include "hosttext/idler_lines.h"

#include <cstdlib>

namespace hosttext {

namespace {
constexpr char kLineStart[] = "</i></u><b>i[]i ";
}

std::string IdleHeaderLine() {
    return std::string(kLineStart) + "quillo's idle i[]i";
}

std::string IdleReasonLine(const std::string& reason) {
    return std::string(kLineStart) + "<u>" + reason + "</u> i[]i";
}

std::string IdleMinutesLine(const std::string& counter) {
    return std::string(kLineStart) + "idle for <u>" + counter + " </u>min's i[]i";
}

std::string IdleOffLine() {
    return std::string(kLineStart) + "quillo's idle off i[]i";
}

std::string NextIdleCount(const std::string& counter) {
    // The caption only ever holds what the idler wrote there, a whole number;
    // anything else counts from 0 rather than failing the tick.
    const long long value = std::strtoll(counter.c_str(), nullptr, 10);
    return std::to_string(value + 1);
}

}  // namespace hosttext
