// Cutting the sender and the message out of an incoming instant-message window.
#include <gtest/gtest.h>

#include <string>

#include "answer/detectors.h"
#include "answer/transcript.h"
#include "platform/clock.h"
#include "host/host_link.h"
#include "host/primitives.h"
#include "platform/pump.h"
#include "host/signature.h"
#include "host/window_names.h"
#include "hostsim/host.h"
#include "hostsim/im_service.h"
#include "hosttext/replace_all.h"
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

TEST(Transcript, SenderIsReadFromTheCaption) {
    // The quirks of the cut are tabled in tests/native; here, that the
    // caption comes through from the host's window.
    Host host;
    ImService service(host);
    const struct {
        const char* caption;
        const char* sender;
    } cases[] = {{"  Instant Message From: Buddy 1", "Buddy 1"}, {"NoSeparator", "oSeparator"}};
    for (const auto& c : cases) {
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

// The cut itself is tabled in tests/native; these check that the transcript
// comes through from the host's window as it stands (CR alone, LF alone,
// tabs, bytes above 0x7F) and that the message is cut from it.
const MessageCase kMessages[] = {
    {"the sender's last line", "bob",
     Line("me", "hello") + "\r\n" + Line("bob", "hi there") + "\r\n", "hi there"},
    {"CR alone, LF alone and bytes above 0x7F", "b\xe9\xff",
     Line("b\xe9\xff", "one") + "\r\n\n" + Line("b\xe9\xff", "\x80\xa0\xfe") + "\r" +
         Line("me", "x") + "\n",
     "\x80\xa0\xfe"},
    {"no line of the sender", "bob", Line("me", "anyone?") + "\r\n", ""},
};

TEST(Transcript, MessageIsTheSendersLatestLineCutDown) {
    Host host;
    ImService service(host);
    for (const MessageCase& c : kMessages) {
        SCOPED_TRACE(c.name);
        const HWND w =
            service.OpenIMWindow(ImService::kIncomingCaptionPrefix + c.sender, c.transcript);
        EXPECT_EQ(Transcript(), c.transcript);
        EXPECT_EQ(Message(), c.message);
        host.DestroyNow(w);
    }
}

TEST(Transcript, ATranscriptLongerThanWeReadSaysSoAndNeverGivesAnOlderLine) {
    Host host;
    ImService service(host);
    std::string transcript = Line("bob", "an older line") + "\r\n";
    const std::string chatter = Line("someone", std::string(200, 'x')) + "\r\n";
    while (transcript.size() <= static_cast<size_t>(host::kMaxHostTextLength))
        transcript += chatter;
    transcript += Line("bob", "the latest line") + "\r\n";
    service.OpenIMWindow(std::string(ImService::kIncomingCaptionPrefix) + "bob", transcript);
    EXPECT_EQ(Message(), answer::kMessageTooLong);
    EXPECT_EQ(Sender(), "bob");
}

TEST(Transcript, AHungTranscriptReadsAsEmptyAndNothingMoreIsAskedOfTheHost) {
    Host host;
    ImService service(host);
    const HWND w = service.OpenIncomingIM("bob", {{"bob", "hi"}});
    const HWND rich = host::NthChild(w, host::kRichClass, 1);
    host.HangOn(rich, WM_GETTEXTLENGTH, INFINITE, "transcript");
    host.ClearRecords();
    const double start = platform::MonotonicSeconds();
    host::HostLink link;
    EXPECT_EQ(answer::GetIMMessage(link, w), "");
    EXPECT_TRUE(link.cut());
    // The caption read that would follow is never sent, so the whole read
    // costs one time limit.
    EXPECT_LT(platform::MonotonicSeconds() - start, host::kHostReplyLimitMs / 1000.0 + 1);
    host.Release();
    host.Flush();
    EXPECT_TRUE(testsupport::OnlyWindows(host.Records(), {w}).empty());
    EXPECT_EQ(Message(), "hi");
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
    hosttext::ReplaceAll("no line feed", "\n", "", platform::PumpMessages);
    EXPECT_EQ(counter.count, 0);
    hosttext::ReplaceAll("a\nb", "\n", "", platform::PumpMessages);
    EXPECT_EQ(counter.count, 1);
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
}

}  // namespace
