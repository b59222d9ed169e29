// Handing input between the host's main window and its modal transfer window.
#include <gtest/gtest.h>

#include <string>

#include "answer/upchat.h"
#include "platform/clock.h"
#include "host/host_link.h"
#include "host/window_names.h"
#include "hostsim/host.h"
#include "hostsim/transfer.h"

namespace {

using answer::UnUpChat;
using answer::UpChat;
using hostsim::Host;
using hostsim::Transfer;

// Enabled states are set and read on the host's thread, as the host would.
void SetEnabled(Host& host, HWND window, bool enabled) {
    host.Invoke([&] { EnableWindow(window, enabled ? TRUE : FALSE); });
}

bool Enabled(HWND window) {
    return IsWindowEnabled(window) != FALSE;
}

TEST(Transfer, BlocksTheFrameWhileItRunsAndIsFoundByNameUnderTheFrame) {
    Host host;
    {
        Transfer transfer(host);
        EXPECT_EQ(
            FindWindowExA(host.frame(), nullptr, host::kMdiClientClass, host::kModalTransferName),
            transfer.window());
        // the document area is still the frame's first "MDIClient"
        EXPECT_EQ(FindWindowExA(host.frame(), nullptr, host::kMdiClientClass, nullptr),
                  host.mdiClient());
        EXPECT_FALSE(Enabled(host.frame()));
        EXPECT_TRUE(Enabled(transfer.window()));
        transfer.SetProgress(40);
        EXPECT_EQ(host.TextOf(transfer.progress()), "Uploading file... 40%");
    }
    EXPECT_EQ(FindWindowExA(host.frame(), nullptr, host::kMdiClientClass, host::kModalTransferName),
              nullptr);
    EXPECT_TRUE(Enabled(host.frame()));
}

TEST(UpChat, HandsInputToTheFrameAndUnUpChatGivesItBackFromAnyStart) {
    Host host;
    Transfer transfer(host);
    for (bool frameBefore : {false, true}) {
        for (bool modalBefore : {false, true}) {
            SetEnabled(host, host.frame(), frameBefore);
            SetEnabled(host, transfer.window(), modalBefore);
            UpChat();
            EXPECT_TRUE(Enabled(host.frame())) << frameBefore << modalBefore;
            EXPECT_FALSE(Enabled(transfer.window())) << frameBefore << modalBefore;
            UnUpChat();
            EXPECT_FALSE(Enabled(host.frame())) << frameBefore << modalBefore;
            EXPECT_TRUE(Enabled(transfer.window())) << frameBefore << modalBefore;
        }
    }
}

TEST(UpChat, AHungHostHoldsUsNoLongerThanTheReplyLimitAndIsLeftAsItWas) {
    Host host;
    Transfer transfer(host);
    for (auto press : {&UpChat, &UnUpChat}) {
        SetEnabled(host, host.frame(), false);
        SetEnabled(host, transfer.window(), true);
        host.HangOn(nullptr, 0, INFINITE, "upchat");
        const double start = platform::MonotonicSeconds();
        press();
        EXPECT_LT(platform::MonotonicSeconds() - start, host::kHostReplyLimitMs / 1000.0 + 0.5);
        host.Release();
        host.Flush();
        EXPECT_FALSE(Enabled(host.frame()));
        EXPECT_TRUE(Enabled(transfer.window()));
    }
}

TEST(UpChat, AHostThatStopsAnsweringHalfWayStillTakesInputSomewhere) {
    Host host;
    Transfer transfer(host);
    struct Case {
        void (*press)();
        bool upChatted;  // the state the press starts from
        bool hangAtFrame;
    };
    for (const Case c : {Case{&UpChat, false, false}, Case{&UpChat, false, true},
                         Case{&UnUpChat, true, false}, Case{&UnUpChat, true, true}}) {
        SCOPED_TRACE(std::string(c.press == &UpChat ? "UpChat" : "UnUpChat") +
                     (c.hangAtFrame ? ", hung at the frame" : ", hung at the transfer window"));
        SetEnabled(host, host.frame(), c.upChatted);
        SetEnabled(host, transfer.window(), !c.upChatted);
        host.HangOn(c.hangAtFrame ? host.frame() : transfer.window(), 0, INFINITE, "upchat");
        c.press();
        host.Release();
        host.Flush();
        EXPECT_TRUE(Enabled(host.frame()) || Enabled(transfer.window()));
    }
}

TEST(UpChat, WithoutATransferOnlyTheFrameChanges) {
    Host host;
    UnUpChat();
    EXPECT_FALSE(Enabled(host.frame()));
    EXPECT_TRUE(Enabled(host.mdiClient()));
    UpChat();
    EXPECT_TRUE(Enabled(host.frame()));
    EXPECT_TRUE(Enabled(host.mdiClient()));
}

TEST(UpChat, WithoutAHostNoOtherWindowIsTouched) {
    // A top-level window that a lookup under handle 0 would find.
    CLIENTCREATESTRUCT ccs = {};
    const HWND stranger =
        CreateWindowExA(0, host::kMdiClientClass, host::kModalTransferName, WS_POPUP, 0, 0, 10, 10,
                        nullptr, nullptr, GetModuleHandleA(nullptr), &ccs);
    ASSERT_NE(stranger, nullptr);
    UpChat();
    EXPECT_TRUE(Enabled(stranger));
    EnableWindow(stranger, FALSE);
    UnUpChat();
    EXPECT_FALSE(Enabled(stranger));
    DestroyWindow(stranger);
}

}  // namespace
