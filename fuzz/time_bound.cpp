// The time bound of the fuzzing build: cutting the message out of 1 MiB of
// text may take 20 ms of thread time on the benchmark machine, and every
// function held to it costs in proportion to the text. The instrumentation
// of a fuzzing build (coverage, AddressSanitizer, UndefinedBehaviorSanitizer)
// makes code several times slower, hence the slack; work that grows with the
// square of the text misses the bound by orders of magnitude, not by that.
#include <cstdio>
#include <cstdlib>

#include "fuzz/fuzz_input.h"

namespace fuzz {
namespace {
constexpr double kSecondsPerMiB = 0.020;
constexpr double kBytesPerMiB = 1024.0 * 1024.0;
constexpr double kInstrumentationSlack = 10;
// Below this a clock reading says little.
constexpr double kLeastBound = 0.001;

double Bound(size_t bytes) {
    return kLeastBound +
           kInstrumentationSlack * kSecondsPerMiB * static_cast<double>(bytes) / kBytesPerMiB;
}
}  // namespace

bool InTimeBound(size_t bytes, double seconds) {
    return seconds <= Bound(bytes);
}

void ReportOverTime(const char* what, size_t bytes, double seconds) {
    std::fprintf(stderr,
                 "\n%s: %zu bytes took %.2f ms of thread time, more than the bound of %.2f ms\n",
                 what, bytes, seconds * 1000, Bound(bytes) * 1000);
    std::abort();
}

}  // namespace fuzz
