// A caption and a transcript as a stranger writes them: the message is cut
// out of the sender's latest line. Input: one byte n, n bytes of caption,
// then the transcript.
#include "fuzz/fuzz_input.h"
#include "fuzz/reference.h"
#include "hosttext/im_text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::FuzzInput in(data, size);
    const std::string caption = in.Bytes(in.Byte());
    const std::string transcript = in.Rest();
    const std::string input(reinterpret_cast<const char*>(data), size);

    const std::string sender = hosttext::SenderFromCaption(caption);
    fuzz::ExpectSame(
        "MessageFromTranscript", input, hosttext::MessageFromTranscript(transcript, sender),
        reference::MessageFromTranscript(transcript, reference::SenderFromCaption(caption)));

    // The same lines again and again: a long conversation, or one written
    // to make every line look almost like the sender's.
    const std::string longer = fuzz::Repeated(transcript, fuzz::kTimedBytes);
    fuzz::WithinTimeBound("MessageFromTranscript", longer.size(),
                          [&] { hosttext::MessageFromTranscript(longer, sender); });
    return 0;
}
