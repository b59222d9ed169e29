// One line of any text. Input: two bytes giving n (signed, so 0, negative
// and past the last line all come up), then the text.
#include "fuzz/fuzz_input.h"
#include "fuzz/reference.h"
#include "hosttext/lines.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::FuzzInput in(data, size);
    const uint8_t high = in.Byte();
    const int n = static_cast<int16_t>(high << 8 | in.Byte());
    const std::string text = in.Rest();
    const std::string input(reinterpret_cast<const char*>(data), size);

    fuzz::ExpectSame("GetLine", input, hosttext::GetLine(text, n), reference::GetLine(text, n));

    const std::string longer = fuzz::Repeated(text, fuzz::kTimedBytes);
    fuzz::WithinTimeBound("GetLine", longer.size(), [&] { hosttext::GetLine(longer, n); });
    return 0;
}
