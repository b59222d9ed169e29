// A caption as a stranger's window could carry it: the sender is what
// follows its first ": ".
#include "fuzz/fuzz_input.h"
#include "fuzz/reference.h"
#include "hosttext/im_text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string caption(reinterpret_cast<const char*>(data), size);
    fuzz::ExpectSame("SenderFromCaption", caption, hosttext::SenderFromCaption(caption),
                     reference::SenderFromCaption(caption));
    const std::string longer = fuzz::Repeated(caption, fuzz::kTimedBytes);
    fuzz::WithinTimeBound("SenderFromCaption", longer.size(),
                          [&] { hosttext::SenderFromCaption(longer); });
    return 0;
}
