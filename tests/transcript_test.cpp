// Cutting the sender and the message out of an incoming instant-message window.
#include <gtest/gtest.h>

#include <string>

#include "answer/detectors.h"
#include "answer/transcript.h"
#include "host/clock.h"
#include "host/host_link.h"
#include "host/signature.h"
#include "host/window_names.h"
#include "hostsim/host.h"
#include "hostsim/im_service.h"
#include "support/msg_sequence.h"

namespace {

using hostsim::Host;
using hostsim::ImService;

std::string Line(const std::string& name, const std::string& text) {
    return ImService::SenderLine(name, text);
}

// Each read is one operation on the window the detector finds now.
std::string Sender() {
    host::HostLink link;
    return answer::GetIMSender(link, answer::FindIMWindow());
}
std::string Transcript() {
    host::HostLink link;
    return answer::GetIMTranscript(link, answer::FindIMWindow());
}
std::string Message() {
    host::HostLink link;
    return answer::GetIMMessage(link, answer::FindIMWindow());
}

TEST(Transcript, NoWindowGivesEmptySenderTranscriptAndMessage) {
    Host host;
    EXPECT_EQ(Sender(), "");
    EXPECT_EQ(Transcript(), "");
    EXPECT_EQ(Message(), "");
}

struct CaptionCase {
    const char* caption;
    const char* sender;
};

const CaptionCase kCaptions[] = {
    {"  Instant Message From: Buddy 1", "Buddy 1"},
    {"From: a: b", "a: b"},  // everything after the first separator
    {"NoSeparator", "oSeparator"},  // as if a separator stood before the caption
    {"Tight:Colon", "ight:Colon"},
    {"Ends with: ", ""},
    {"X", ""},
    {"", ""},
};

TEST(Transcript, SenderIsTheCaptionAfterItsFirstSeparator) {
    Host host;
    ImService service(host);
    for (const CaptionCase& c : kCaptions) {
        SCOPED_TRACE(c.caption);
        const HWND w = service.OpenIMWindow(c.caption, "");
        EXPECT_EQ(Sender(), c.sender);
        host.DestroyNow(w);
    }
}

struct MessageCase {
    const char* name;
    std::string sender;
    std::string transcript;
    std::string message;
};

const MessageCase kMessages[] = {
    {"the sender's last line", "bob", Line("me", "hello") + "\r\n" + Line("bob", "hi there") + "\r\n",
     "hi there"},
    {"the last of several lines, later lines by others", "bob",
     Line("bob", "first") + "\r\n" + Line("bob", "second") + "\r\n" + Line("me", "reply") + "\r\n",
     "second"},
    {"the name must be followed directly by the colon", "bob",
     Line("bob", "mine") + "\r\n" + Line("bobby", "not mine") + "\r\n", "mine"},
    {"a longer name ending in the sender's is not the sender", "bob",
     Line("xbob", "not mine") + "\r\n", ""},
    {"lines ended by CR alone", "bob", Line("bob", "one") + "\r" + Line("bob", "two") + "\r", "two"},
    {"a last line without a line end", "bob", Line("bob", "one") + "\r\n" + Line("bob", "two"),
     "two"},
    {"three characters after the colon leave nothing", "bob", "\tbob:\t  \r\n", ""},
    {"two characters after the colon", "bob", "\tbob:ab\r\n", ""},
    {"a bare name and colon", "bob", "\tbob:\r\n", ""},
    {"one character of message", "bob", "\tbob:\t x \r\n", "x"},
    {"no line of the sender", "bob", Line("me", "anyone?") + "\r\n", ""},
    {"an empty transcript", "bob", "", ""},
    {"names compare with case", "bob", Line("Bob", "other") + "\r\n", ""},
    {"text with colons and separators", "bob", Line("bob", "a: b:\tc") + "\r\n", "a: b:\tc"},
};

TEST(Transcript, MessageIsTheSendersLatestLineCutDown) {
    Host host;
    ImService service(host);
    for (const MessageCase& c : kMessages) {
        SCOPED_TRACE(c.name);
        const HWND w = service.OpenIMWindow(ImService::kIncomingCaptionPrefix + c.sender, c.transcript);
        EXPECT_EQ(Transcript(), c.transcript);
        EXPECT_EQ(Message(), c.message);
        host.DestroyNow(w);
    }
}

TEST(Transcript, AHungTranscriptReadsAsEmptyAndNothingMoreIsAskedOfTheHost) {
    Host host;
    ImService service(host);
    const HWND w = service.OpenIncomingIM("bob", {{"bob", "hi"}});
    const HWND rich = host::NthChild(w, host::kRichClass, 1);
    host.HangOn(rich, WM_GETTEXTLENGTH, INFINITE, "transcript");
    host.ClearRecords();
    const double start = host::MonotonicSeconds();
    host::HostLink link;
    EXPECT_EQ(answer::GetIMMessage(link, w), "");
    EXPECT_TRUE(link.cut());
    // The caption read that would follow is never sent, so the whole read
    // costs one time limit.
    EXPECT_LT(host::MonotonicSeconds() - start, host::kHostReplyLimitMs / 1000.0 + 1);
    host.Release();
    host.Flush();
    EXPECT_TRUE(testsupport::OnlyWindows(host.Records(), {w}).empty());
    EXPECT_EQ(Message(), "hi");
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
};

TEST(Transcript, LineCountAndGetLine) {
    for (const LineCase& c : kLines) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(answer::LineCount(c.text), c.count);
        for (size_t n = 0; n < c.lines.size(); ++n) {
            EXPECT_EQ(answer::GetLine(c.text, static_cast<int>(n + 1)), c.lines[n]) << "line " << n + 1;
        }
        EXPECT_EQ(answer::GetLine(c.text, 0), "");
        EXPECT_EQ(answer::GetLine(c.text, -1), "");
    }
}

struct ReplaceCase {
    const char* name;
    std::string text, find, with, result;
};

const ReplaceCase kReplacements[] = {
    {"every occurrence", "a\nb\nc\n", "\n", "", "abc"},
    {"nothing to replace", "abc", "x", "", "abc"},
    {"an empty find leaves the text", "abc", "", "", "abc"},
    {"what a removal joins is removed too", "aabb", "ab", "", ""},
    {"a shorter replacement", "xaab", "ab", "b", "xb"},
    {"a replacement holding what it replaces", "aXa", "a", "aa", "aaXaa"},
    {"a replacement as long as what it replaces", "abab", "ab", "ba", "baba"},
};

TEST(Transcript, ReplaceAllEndsForAnyFindAndReplacement) {
    for (const ReplaceCase& c : kReplacements) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(answer::ReplaceAll(c.text, c.find, c.with), c.result);
    }
}

// Counts the messages this thread dispatches.
class DispatchCounter {
public:
    DispatchCounter() {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = Proc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "transcript test counter";
        RegisterClassA(&wc);
        window = CreateWindowExA(0, wc.lpszClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                 wc.hInstance, nullptr);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&count));
    }
    ~DispatchCounter() { DestroyWindow(window); }
    static LRESULT CALLBACK Proc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
        if (m == WM_APP) {
            ++*reinterpret_cast<int*>(GetWindowLongPtrA(w, GWLP_USERDATA));
            return 0;
        }
        return DefWindowProcA(w, m, wp, lp);
    }
    HWND window = nullptr;
    int count = 0;
};

TEST(Transcript, ReplaceAllKeepsOurWindowsAnsweringOnlyWhileItReplaces) {
    DispatchCounter counter;
    PostMessageA(counter.window, WM_APP, 0, 0);
    answer::ReplaceAll("no line feed", "\n", "");
    EXPECT_EQ(counter.count, 0);
    answer::ReplaceAll("a\nb", "\n", "");
    EXPECT_EQ(counter.count, 1);
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
}

}  // namespace
