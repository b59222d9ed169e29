// The host-text functions against what they must give, and the literal
// rendering of the parsing steps (fuzz/reference.h) against the same tables,
// so the fuzzers' yardstick is itself held to the cases.
#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "fuzz/reference.h"
#include "hosttext/im_text.h"
#include "hosttext/lines.h"
#include "hosttext/record_line.h"
#include "hosttext/replace_all.h"

namespace {

constexpr size_t kMiB = 1024 * 1024;

// A transcript line as the host writes it: a tab, the name, a colon, a tab
// and a space, the text and one trailing space, ended by CR LF.
std::string Line(const std::string& name, const std::string& text) {
    return "\t" + name + ":\t " + text + " \r\n";
}

// About `bytes` of other people's lines, each about `lineBytes` long.
std::string Chatter(size_t bytes, size_t lineBytes) {
    std::string out;
    const std::string line = Line("someone", std::string(lineBytes, 'x'));
    while (out.size() + line.size() <= bytes) out += line;
    return out;
}

struct LineCase {
    const char* name;
    std::string text;
    int count;
    std::vector<std::string> lines;  // lines 1..count, then one past the end
};

const LineCase kLines[] = {
    {"empty", "", 0, {""}},
    {"one letter", "a", 1, {"a", ""}},
    {"a letter, CR, LF", "a\r\n", 1, {"a", ""}},
    {"a letter, CR, LF, a letter", "a\r\nb", 2, {"a", "b", ""}},
    {"a lone LF", "\n", 0, {""}},
    {"CR, LF, a letter, CR, LF", "\r\na\r\n", 2, {"", "a", ""}},
    {"CR alone ends lines", "a\rb\r", 2, {"a", "b", ""}},
    {"LF inside a line is dropped", "a\nb\rc", 2, {"ab", "c", ""}},
    {"a last line ending in LF is not counted", "a\rb\n", 1, {"a", ""}},
    {"blank lines", "\r\r\r", 3, {"", "", "", ""}},
    {"LF never ends a line", "a\n\nb\n\rc", 2, {"ab", "c", ""}},
};

TEST(HostText, LineCountAndGetLine) {
    for (const LineCase& c : kLines) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(hosttext::LineCount(c.text), c.count);
        EXPECT_EQ(reference::LineCount(c.text), c.count);
        for (int n = -1; n <= static_cast<int>(c.lines.size()); ++n) {
            const std::string want = n >= 1 ? c.lines[static_cast<size_t>(n - 1)] : "";
            EXPECT_EQ(hosttext::GetLine(c.text, n), want) << "line " << n;
            EXPECT_EQ(reference::GetLine(c.text, n), want) << "line " << n;
        }
    }
}

struct ReplaceCase {
    const char* name;
    std::string text, find, with, result;
};

const ReplaceCase kReplacements[] = {
    {"every occurrence", "a\nb\nc\n", "\n", "", "abc"},
    {"nothing to replace", "abc", "x", "", "abc"},
    {"what a removal joins is removed too", "aabb", "ab", "", ""},
    {"a shorter replacement", "xaab", "ab", "b", "xb"},
    {"a replacement that joins with what follows", "abcbc", "abc", "a", "a"},
    {"a replacement holding what it replaces", "aXa", "a", "aa", "aaXaa"},
    {"a replacement as long as what it replaces", "abab", "ab", "ba", "baba"},
};

TEST(HostText, ReplaceAllEndsForAnyFindAndReplacement) {
    for (const ReplaceCase& c : kReplacements) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(hosttext::ReplaceAll(c.text, c.find, c.with), c.result);
        if (reference::ReplaceAllEnds(c.find, c.with)) {
            EXPECT_EQ(reference::ReplaceAll(c.text, c.find, c.with), c.result);
        } else {
            EXPECT_EQ(reference::ReplaceEachOnce(c.text, c.find, c.with), c.result);
        }
    }
    // The steps would never end on an empty find; nothing is replaced.
    EXPECT_EQ(hosttext::ReplaceAll("abc", "", "x"), "abc");
}

struct CaptionCase {
    const char* caption;
    const char* sender;
};

const CaptionCase kCaptions[] = {
    {"  Instant Message From: Buddy 1", "Buddy 1"},
    {"From: a: b", "a: b"},         // everything after the first separator
    {"NoSeparator", "oSeparator"},  // as if a separator stood before the caption
    {"Tight:Colon", "ight:Colon"},
    {"Ends with: ", ""},
    {"X", ""},
    {"", ""},
};

TEST(HostText, SenderIsTheCaptionAfterItsFirstSeparator) {
    for (const CaptionCase& c : kCaptions) {
        SCOPED_TRACE(c.caption);
        EXPECT_EQ(hosttext::SenderFromCaption(c.caption), c.sender);
        EXPECT_EQ(reference::SenderFromCaption(c.caption), c.sender);
    }
}

struct MessageCase {
    const char* name;
    std::string sender;
    std::string transcript;
    std::string message;
};

std::vector<MessageCase> MessageCases() {
    // Long lines keep the literal steps, which copy the whole text for every
    // line, quick enough to run on a whole MiB.
    const std::string mib = Chatter(kMiB - 100, 64 * 1024);
    return {
        {"the sender's last line", "bob", Line("me", "hello") + Line("bob", "hi there"),
         "hi there"},
        {"the last of several lines, later lines by others", "bob",
         Line("bob", "first") + Line("bob", "second") + Line("me", "reply"), "second"},
        {"the colon must follow the name directly", "bo", Line("bob", "not mine"), ""},
        {"the name must be followed directly by the colon", "bob",
         Line("bob", "mine") + Line("bobby", "not mine"), "mine"},
        {"a longer name ending in the sender's is not the sender", "bob", Line("xbob", "not mine"),
         ""},
        {"lines ended by CR alone", "bob", "\tbob:\t one \r\tbob:\t two \r", "two"},
        {"a last line without a line end", "bob", Line("bob", "one") + "\tbob:\t two ", "two"},
        {"a last line ending in LF is no line", "bob", Line("bob", "one") + "\tbob:\t two \n",
         "one"},
        {"LF never ends a line and is dropped from it", "bob", "\tbo\nb:\t a\nb \n\r", "ab"},
        {"the line's last character is dropped, whatever it is", "bob", "\tbob:\t hi!\r", "hi"},
        {"three characters after the colon leave nothing", "bob", "\tbob:\t  \r\n", ""},
        {"two characters after the colon", "bob", "\tbob:ab\r\n", ""},
        {"a bare name and colon", "bob", "\tbob:\r\n", ""},
        {"one character of message", "bob", "\tbob:\t x \r\n", "x"},
        {"no line of the sender", "bob", Line("me", "anyone?"), ""},
        {"an empty transcript", "bob", "", ""},
        {"names compare with case", "bob", Line("Bob", "other"), ""},
        {"text with colons and separators", "bob", Line("bob", "a: b:\tc"), "a: b:\tc"},
        {"an empty sender matches a colon in second place", "", "\t:\t hi \r", "hi"},
        {"bytes above 0x7F", "b\xe9\xff", Line("b\xe9\xff", "\x80\xa0\xfe"), "\x80\xa0\xfe"},
        {"1 MiB, the sender's line first", "bob", Line("bob", "early") + mib, "early"},
        {"1 MiB, the sender's line last", "bob", mib + Line("bob", "late"), "late"},
        {"1 MiB, no line of the sender", "bob", mib + Line("bobby", "no"), ""},
    };
}

TEST(HostText, MessageIsTheSendersLatestLineCutDown) {
    for (const MessageCase& c : MessageCases()) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(hosttext::MessageFromTranscript(c.transcript, c.sender), c.message);
        EXPECT_EQ(reference::MessageFromTranscript(c.transcript, c.sender), c.message);
    }
}

TEST(HostText, AMiBOfShortLinesGivesTheSameMessageWhereverTheSendersLineIs) {
    // Too many lines for the literal steps to finish in a test; the fuzz
    // targets compare the two on shorter texts of this shape.
    const std::string mib = Chatter(kMiB - 100, 60);
    EXPECT_EQ(hosttext::MessageFromTranscript(Line("bob", "early") + mib, "bob"), "early");
    EXPECT_EQ(hosttext::MessageFromTranscript(mib + Line("bob", "late"), "bob"), "late");
    EXPECT_EQ(hosttext::MessageFromTranscript(mib, "bob"), "");
    EXPECT_EQ(hosttext::MessageFromTranscript(std::string(kMiB, '\n'), "bob"), "");
    EXPECT_EQ(hosttext::MessageFromTranscript(std::string(kMiB, '\r'), "bob"), "");
}

// How many times `work` pumped, less the most its own duration allows.
template <typename Work>
long PumpsBeyondThePace(Work work) {
    int pumps = 0;
    const auto start = std::chrono::steady_clock::now();
    work([&] { ++pumps; });
    const auto took = std::chrono::steady_clock::now() - start;
    return pumps - (1 + took / hosttext::PacedPump::kInterval);
}

TEST(HostText, PumpsOnlyWhileReplacingAndAtMostOncePerInterval) {
    int pumps = 0;
    const auto count = [&] { ++pumps; };
    hosttext::ReplaceAll("no line feed", "\n", "", count);
    EXPECT_EQ(pumps, 0);
    hosttext::ReplaceAll("a\nb", "\n", "", count);
    EXPECT_EQ(pumps, 1);

    const std::string feeds(8 * kMiB, '\n');
    EXPECT_LE(PumpsBeyondThePace(
                  [&](const hosttext::Pump& pump) { hosttext::ReplaceAll(feeds, "\n", "", pump); }),
              0);
    const std::string lines = Chatter(8 * kMiB, 60);
    EXPECT_LE(PumpsBeyondThePace([&](const hosttext::Pump& pump) {
                  hosttext::MessageFromTranscript(lines, "bob", pump);
              }),
              0);
}

TEST(HostText, ARecordedMessageIsOneLineOfThreeTabSeparatedFields) {
    struct Case {
        const char* name;
        std::string sender, message, line;
    };
    const Case cases[] = {
        {"plain", "pal 7", "are you there?", "2026-12-10 10:18:15\tpal 7\tare you there?\r\n"},
        {"empty fields", "", "", "2026-12-10 10:18:15\t\t\r\n"},
        {"tab, CR, LF and backslash inside", "a\tb", "1\r\n2\\3",
         "2026-12-10 10:18:15\ta\\tb\t1\\r\\n2\\\\3\r\n"},
        {"other bytes as given", "\xe9t\xe9", std::string("x\0y\x7f", 4),
         std::string("2026-12-10 10:18:15\t\xe9t\xe9\tx\0y\x7f\r\n", 30)},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(hosttext::RecordLine("2026-12-10 10:18:15", c.sender, c.message), c.line)
            << c.name;
    }
}

}  // namespace
