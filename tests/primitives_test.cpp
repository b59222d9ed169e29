// Reading, writing, pressing and waiting against the simulated host.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <functional>
#include <thread>

#include "platform/clock.h"
#include "host/primitives.h"
#include "platform/pump.h"
#include "host/host_link.h"
#include "host/signature.h"
#include "host/window_names.h"
#include "hostsim/host.h"
#include "support/msg_sequence.h"

namespace {

using hostsim::Host;
using testsupport::Expected;
using testsupport::kPosted;
using testsupport::kSent;

// A window of our own, to see what our thread dispatches.
class OwnWindow {
  public:
    OwnWindow() {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = Proc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "primitives test window";
        RegisterClassA(&wc);
        window = CreateWindowA(wc.lpszClassName, "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                               GetModuleHandleA(nullptr), nullptr);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    }
    ~OwnWindow() { DestroyWindow(window); }
    static LRESULT CALLBACK Proc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
        auto* self = reinterpret_cast<OwnWindow*>(GetWindowLongPtrA(w, GWLP_USERDATA));
        if (self && m == WM_LBUTTONUP) ++self->clicks;
        if (self && m == WM_TIMER && self->onDispatch) self->onDispatch();
        return m == WM_LBUTTONUP ? 0 : DefWindowProcA(w, m, wp, lp);
    }
    HWND window;
    int clicks = 0;
    std::function<void()> onDispatch;
};

class Primitives : public ::testing::Test {
  protected:
    void SetUp() override {
        child = host.OpenChild({"Primitives", {{host::kRichClass, 1}, {host::kIconClass, 1}}});
        rich = host::NthChild(child, host::kRichClass, 1);
        icon = host::NthChild(child, host::kIconClass, 1);
        host.ClearRecords();
    }
    Host host;
    host::HostLink link;
    HWND child = nullptr, rich = nullptr, icon = nullptr;
};

TEST_F(Primitives, GetTextOfEmptyZeroAndVanishedWindowsIsEmpty) {
    EXPECT_EQ(host::GetText(link, rich), "");
    EXPECT_EQ(host::GetText(link, nullptr), "");
    host.DestroyNow(child);
    EXPECT_EQ(host::GetText(link, rich), "");
    EXPECT_FALSE(host::SetText(link, rich, "gone"));
    // A window that went is not a host that stopped answering.
    EXPECT_FALSE(link.cut());
}

TEST_F(Primitives, TextRoundTripsUnchangedIncludingHighBytes) {
    const std::string text = "caf\xE9 \xFC\xE4\xF6 \xA9 line\r\nnext";
    EXPECT_TRUE(host::SetText(link, rich, text));
    EXPECT_EQ(host.TextOf(rich), text);
    EXPECT_EQ(host::GetText(link, rich), text);
    EXPECT_EQ(host::GetText(link, child), "Primitives");
}

TEST_F(Primitives, TextThatShrinksBetweenTheTwoMessagesKeepsItsLengthWithANulTail) {
    host::SetText(link, rich, "abcdefgh");
    host.ShrinkOnNextRead(rich, "abc");
    EXPECT_EQ(host::GetText(link, rich), std::string("abc\0\0\0\0\0", 8));
}

TEST_F(Primitives, SentPrimitivesHaveBeenHandledWhenTheyReturn) {
    EXPECT_TRUE(host::SetText(link, rich, "typed"));
    EXPECT_TRUE(host::SendEnterChar(link, rich));
    EXPECT_TRUE(host::SendClick(link, icon));
    // no flush: sent messages are complete on return
    EXPECT_SEQUENCE(host.Records(), {
                                        Expected{rich, WM_SETTEXT, kSent, 0, "typed"},
                                        Expected{rich, WM_CHAR, kSent, VK_RETURN},
                                        Expected{icon, WM_LBUTTONDOWN, kSent},
                                        Expected{icon, WM_LBUTTONUP, kSent},
                                    });
}

TEST_F(Primitives, PostedPrimitivesArriveLaterInPostingOrder) {
    std::atomic<int> clicks{0};
    host.SetClickAction(icon, [&] { ++clicks; });
    host.ClearRecords();
    EXPECT_TRUE(host::PostClick(icon));
    EXPECT_TRUE(host::PostKey(icon, VK_DOWN));
    EXPECT_TRUE(host::PostKey(icon, VK_RETURN));
    EXPECT_TRUE(host::PostClose(child));
    testsupport::Settle(host);
    EXPECT_EQ(clicks, 1);
    EXPECT_SEQUENCE(host.Records(), {
                                        Expected{icon, WM_LBUTTONDOWN, kPosted},
                                        Expected{icon, WM_LBUTTONUP, kPosted},
                                        Expected{icon, WM_KEYDOWN, kPosted, VK_DOWN},
                                        Expected{icon, WM_KEYUP, kPosted, VK_DOWN},
                                        Expected{icon, WM_KEYDOWN, kPosted, VK_RETURN},
                                        Expected{icon, WM_KEYUP, kPosted, VK_RETURN},
                                        Expected{child, WM_CLOSE, kPosted},
                                    });
    EXPECT_FALSE(IsWindow(child));
}

TEST_F(Primitives, PostedPrimitivesWithHandleZeroPostNothingAnywhere) {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    }
    EXPECT_FALSE(host::PostClick(nullptr));
    EXPECT_FALSE(host::PostKey(nullptr, VK_RETURN));
    EXPECT_FALSE(host::PostClose(nullptr));
    // PostMessage to handle 0 would have queued them for this very thread.
    EXPECT_FALSE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        << "message 0x" << std::hex << msg.message;
}

// Our thread's longest stretch without dispatching a posted message while
// `work` runs; a timer keeps something to dispatch every few milliseconds.
template <typename Work>
double LongestStall(Work work) {
    OwnWindow own;
    SetTimer(own.window, 1, 10, nullptr);
    double last = platform::MonotonicSeconds(), longest = 0;
    own.onDispatch = [&] {
        const double now = platform::MonotonicSeconds();
        longest = std::max(longest, now - last);
        last = now;
    };
    work();
    KillTimer(own.window, 1);
    return std::max(longest, platform::MonotonicSeconds() - last);
}

// A hung host thread, whichever message it hangs on: the first unanswered one
// costs one time limit, later ones in the operation are not sent at all, and
// the next operation finds out with our windows running.
TEST_F(Primitives, AHungHostCutsTheOperationWithoutHoldingOurThread) {
    host::SetText(link, rich, "never read");
    // 0: any message, the round trip first; WM_GETTEXTLENGTH is the one whose
    // ANSI form Wine would wait on without a limit.
    for (UINT hangsOn : {0u, UINT(WM_GETTEXTLENGTH)}) {
        SCOPED_TRACE(hangsOn);
        host.HangOn(rich, hangsOn, INFINITE, "read");
        host::HostLink first, next;
        double took = 0;
        const double stall = LongestStall([&] {
            const double start = platform::MonotonicSeconds();
            EXPECT_EQ(host::GetText(first, rich), "");
            EXPECT_TRUE(first.cut());
            EXPECT_FALSE(host::SetText(first, rich, "not sent"));
            EXPECT_FALSE(first.Reach(child));
            took = platform::MonotonicSeconds() - start;
            EXPECT_EQ(host::GetText(next, rich), "");
            EXPECT_TRUE(next.cut());
        });
        EXPECT_LT(took, host::kHostReplyLimitMs / 1000.0 + 0.5);
        EXPECT_LT(stall, host::kHostReplyLimitMs / 1000.0 + 0.5);
        host.Release();
        host.Flush();
        host::HostLink after;
        EXPECT_EQ(host::GetText(after, rich), "never read");
    }
}

TEST(Pause, LastsAtLeastItsDurationAndHandlesClicksMeanwhile) {
    OwnWindow own;
    std::thread clicker([w = own.window] {
        Sleep(30);
        PostMessageA(w, WM_LBUTTONDOWN, 0, 0);
        PostMessageA(w, WM_LBUTTONUP, 0, 0);
    });
    const double start = platform::MonotonicSeconds();
    platform::Pause(0.1);
    const double took = platform::MonotonicSeconds() - start;
    clicker.join();
    EXPECT_GE(took, 0.1);
    EXPECT_EQ(own.clicks, 1);
}

LRESULT CALLBACK RepostingProc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
    if (m == WM_APP) {
        ++*reinterpret_cast<int*>(GetWindowLongPtrA(w, GWLP_USERDATA));
        PostMessageA(w, WM_APP, 0, 0);
        return 0;
    }
    return DefWindowProcA(w, m, wp, lp);
}

TEST(PumpMessages, AWindowThatKeepsPostingToItselfDoesNotHoldThePump) {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = RepostingProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "reposting test window";
    RegisterClassA(&wc);
    HWND w = CreateWindowA(wc.lpszClassName, "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                           wc.hInstance, nullptr);
    int handled = 0;
    SetWindowLongPtrA(w, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&handled));
    PostMessageA(w, WM_APP, 0, 0);
    const double start = platform::MonotonicSeconds();
    platform::PumpMessages();
    EXPECT_LT(platform::MonotonicSeconds() - start, 1.0);
    EXPECT_GE(handled, 1);
    DestroyWindow(w);
    MSG msg;
    while (PeekMessageA(&msg, nullptr, WM_APP, WM_APP, PM_REMOVE)) {
    }
}

// A counter that reads earlier than before, as one processor's may after
// another's: the first reading is the start.
constexpr double kSkewedReadings[] = {100.0, 99.999999, 100.25, 100.1, 100.5};
int skewedRead = 0;
double SkewedClock() {
    return kSkewedReadings[skewedRead++];
}

TEST(Stopwatch, ElapsedTimeNeverRunsBackwards) {
    platform::Stopwatch watch(SkewedClock);
    for (double expected : {0.0, 0.25, 0.25, 0.5}) EXPECT_DOUBLE_EQ(watch.Elapsed(), expected);
}

TEST(Pause, ZeroOrNegativeReturnsAtOnceWithoutDispatching) {
    OwnWindow own;
    DWORD_PTR ours = 0, system = 0;
    GetProcessAffinityMask(GetCurrentProcess(), &ours, &system);
    // Round after round on alternate processors, whose counters may disagree.
    for (int round = 0; round < 200 && !HasFailure(); ++round) {
        SetThreadAffinityMask(GetCurrentThread(), DWORD_PTR{1} << (round % 2));
        for (double seconds : {0.0, -1.0}) {
            PostMessageA(own.window, WM_LBUTTONUP, 0, 0);
            const double start = platform::MonotonicSeconds();
            platform::Pause(seconds);
            EXPECT_LT(platform::MonotonicSeconds() - start, 0.05);
            EXPECT_EQ(own.clicks, 0) << "round " << round;
            MSG msg;
            EXPECT_TRUE(PeekMessageA(&msg, own.window, WM_LBUTTONUP, WM_LBUTTONUP, PM_REMOVE));
        }
    }
    SetThreadAffinityMask(GetCurrentThread(), ours);
}

}  // namespace
