#include "hostsim/faults.h"

#include <cstdlib>

namespace hostsim {
namespace {

constexpr const char* kStepNames[] = {
    "search", "sender",       "transcript", "close",    "toolbar",
    "menu",   "compose",      "recipient",  "message",  "send",
    "answer", "conversation", "box",        "transfer", "chat",
};
constexpr const char* kKindNames[] = {"hang", "vanish", "slow", "refuse"};

template <typename Enum, size_t N>
std::optional<Enum> Named(const char* const (&names)[N], const std::string& word) {
    for (size_t i = 0; i < N; ++i) {
        if (word == names[i]) return static_cast<Enum>(i);
    }
    return std::nullopt;
}

}  // namespace

const char* StepName(Step step) {
    return kStepNames[static_cast<size_t>(step)];
}
const char* FaultKindName(FaultKind kind) {
    return kKindNames[static_cast<size_t>(kind)];
}

std::optional<Fault> ParseFault(const std::string& step, const std::string& kind,
                                const std::string& seconds) {
    const auto s = Named<Step>(kStepNames, step);
    const auto k = Named<FaultKind>(kKindNames, kind);
    if (!s || !k) return std::nullopt;
    const double at = std::atof(seconds.c_str());
    return Fault{*s, *k, at > 0 ? static_cast<DWORD>(at * 1000) : 0};
}

}  // namespace hostsim
