// Any text with any short find and replacement. Input: one byte giving the
// lengths of find (1 to 4) and replacement (0 to 5), those two, then the
// text. A replacement shorter than what it replaces must give what the steps
// give; a longer one, each occurrence of the original replaced once.
#include "fuzz/fuzz_input.h"
#include "fuzz/reference.h"
#include "hosttext/replace_all.h"

namespace {
constexpr int kLongestFind = 4;
constexpr int kLongestWith = 5;
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::FuzzInput in(data, size);
    const uint8_t lengths = in.Byte();
    const std::string find = in.Bytes(1 + lengths % kLongestFind);
    const std::string with = in.Bytes(lengths / kLongestFind % (kLongestWith + 1));
    const std::string text = in.Rest();
    const std::string input(reinterpret_cast<const char*>(data), size);

    int pumps = 0;
    const std::string fast = hosttext::ReplaceAll(text, find, with, [&] { ++pumps; });
    if (find.empty()) {
        fuzz::ExpectSame("ReplaceAll with nothing to find", input, fast, text);
    } else if (reference::ReplaceAllEnds(find, with)) {
        int literalPumps = 0;
        fuzz::ExpectSame("ReplaceAll", input, fast,
                         reference::ReplaceAll(text, find, with, &literalPumps));
        // Pumping is paced now, but still only when something is replaced.
        fuzz::Expect((pumps > 0) == (literalPumps > 0) && pumps <= literalPumps,
                     "ReplaceAll pumps when, and at most as often as, it replaces", input);
    } else {
        fuzz::ExpectSame("ReplaceAll, replacement not shorter", input, fast,
                         reference::ReplaceEachOnce(text, find, with));
    }

    // Every replacement is looked at again, so each byte may cost as many
    // steps as a replacement is long.
    const std::string longer = fuzz::Repeated(text, fuzz::kTimedBytes);
    fuzz::WithinTimeBound("ReplaceAll", longer.size() * (1 + with.size()),
                          [&] { hosttext::ReplaceAll(longer, find, with); });
    return 0;
}
