#pragma once
// What the fuzz targets share: reading an input as the fields a target
// needs, stretching a text to a size, and stopping at the first difference
// between the fast code and the literal steps.
#include <cstddef>
#include <cstdint>
#include <string>

namespace fuzz {

// The size the fast code is timed at: the input repeated up to this.
constexpr size_t kTimedBytes = 32 * 1024;

class FuzzInput {
  public:
    FuzzInput(const uint8_t* data, size_t size) : data_(data), size_(size) {}
    // The next byte; 0 once the input is used up.
    uint8_t Byte();
    // The next `count` bytes, fewer where the input ends.
    std::string Bytes(size_t count);
    std::string Rest();

  private:
    const uint8_t* data_;
    size_t size_;
    size_t at_ = 0;
};

// `unit` repeated to at least `bytes` (empty stays empty).
std::string Repeated(const std::string& unit, size_t bytes);

// Reports the input and both results, and aborts, when they differ.
void ExpectSame(const char* what, const std::string& input, const std::string& fast,
                const std::string& literal);
void ExpectSame(const char* what, const std::string& input, long fast, long literal);
// Reports the input and aborts when `holds` is false.
void Expect(bool holds, const char* what, const std::string& input);

double ThreadSeconds();
// Whether `seconds` of thread time is within what the parse may spend on
// `bytes` of text. Always so in the corpus replay, whose time `make test`
// does not judge; the fuzzing build holds it to the bound.
bool InTimeBound(size_t bytes, double seconds);
[[noreturn]] void ReportOverTime(const char* what, size_t bytes, double seconds);

// Runs `work` on `bytes` of text and fails when even the fastest of a few
// runs took longer than the bound (a run may lose the processor midway).
template <typename Work>
void WithinTimeBound(const char* what, size_t bytes, Work work) {
    constexpr int kRuns = 3;
    double fastest = 0;
    for (int run = 0; run < kRuns; ++run) {
        const double start = ThreadSeconds();
        work();
        const double took = ThreadSeconds() - start;
        fastest = run == 0 || took < fastest ? took : fastest;
        if (InTimeBound(bytes, fastest)) return;
    }
    ReportOverTime(what, bytes, fastest);
}

}  // namespace fuzz
