// Any text: one line per CR, and one more after the last CR unless the text
// ends in CR or LF.
#include "fuzz/fuzz_input.h"
#include "fuzz/reference.h"
#include "hosttext/lines.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    fuzz::ExpectSame("LineCount", text, hosttext::LineCount(text), reference::LineCount(text));
    const std::string longer = fuzz::Repeated(text, fuzz::kTimedBytes);
    fuzz::WithinTimeBound("LineCount", longer.size(), [&] { hosttext::LineCount(longer); });
    return 0;
}
