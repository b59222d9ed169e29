#include "hosttext/im_text.h"

#include "hosttext/lines.h"

namespace hosttext {
namespace {

constexpr char kSenderSeparator[] = ": ";
constexpr size_t kSeparatorLength = sizeof kSenderSeparator - 1;
// Every line starts with one character of its own before the screen name.
constexpr size_t kLeadingCharacter = 1;
// Between the colon after the screen name and the message stand two
// characters, and one more ends the line.
constexpr size_t kGapAfterColon = 2;

// Whether line [begin, end) of `text`, LFs dropped, carries `mark` from its
// second character on.
bool CarriesMark(const std::string& text, size_t begin, size_t end, const std::string& mark) {
    size_t seen = 0;  // characters of the line so far, LFs not counted
    for (size_t at = begin; at < end; ++at) {
        if (text[at] == kLF) continue;
        if (seen >= kLeadingCharacter && text[at] != mark[seen - kLeadingCharacter]) return false;
        if (++seen == kLeadingCharacter + mark.size()) return true;
    }
    return false;
}

// Line [begin, end) of `text`, LFs dropped, from its character `from`
// (counted from 0) to its end, less its last character.
std::string MessageOf(const std::string& text, size_t begin, size_t end, size_t from) {
    std::string message(end - begin, '\0');  // the line may be the whole text
    size_t kept = 0;
    size_t seen = 0;  // characters of the line so far, LFs not counted
    for (size_t at = begin; at < end; ++at) {
        const char c = text[at];
        if (c == kLF) continue;
        if (seen++ >= from) message[kept++] = c;
    }
    message.resize(kept > 0 ? kept - 1 : 0);
    return message;
}

// Where the line that ends at `end` begins: just after the CR before it, or
// at the start of the text.
size_t LineStart(const std::string& text, size_t end) {
    const char* const first = text.data();
    const char* at = first + end;
    while (at != first && at[-1] != kCR) --at;
    return static_cast<size_t>(at - first);
}

}  // namespace

std::string SenderFromCaption(const std::string& caption) {
    const size_t separator = caption.find(kSenderSeparator);
    const size_t start = separator == std::string::npos ? 1 : separator + kSeparatorLength;
    return start < caption.size() ? caption.substr(start) : std::string();
}

std::string MessageFromTranscript(const std::string& transcript, const std::string& sender,
                                  const Pump& pump) {
    PacedPump paced(pump);
    const std::string mark = sender + ':';
    // From the last line back to the first. The text after the last CR is a
    // line only when it does not end in CR or LF; every other line ends at a CR.
    size_t end = HasUnendedLastLine(transcript) ? transcript.size() : transcript.rfind(kCR);
    while (end != std::string::npos) {
        const size_t begin = LineStart(transcript, end);
        paced.Step(end - begin + 1);
        if (CarriesMark(transcript, begin, end, mark)) {
            return MessageOf(transcript, begin, end,
                             kLeadingCharacter + mark.size() + kGapAfterColon);
        }
        end = begin == 0 ? std::string::npos : begin - 1;
    }
    return {};
}

}  // namespace hosttext
