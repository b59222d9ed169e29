// Sending an instant message through the simulated host's compose window.
#include <gtest/gtest.h>

#include <algorithm>

#include "platform/clock.h"
#include "host/signature.h"
#include "host/window_names.h"
#include "hostsim/host.h"
#include "hostsim/im_service.h"
#include "outgoing/send_im.h"
#include "outgoing/toolbar_menu.h"
#include "support/msg_sequence.h"

namespace {

using hostsim::Host;
using hostsim::ImService;
using testsupport::Expected;
using testsupport::kPosted;
using testsupport::kSent;

// Short enough that the tests of the limits do not wait out the real ones;
// the compose window, which a test of the answer wait needs ready first,
// keeps room to get ready under load.
const outgoing::SendImLimits kShortLimits{1.0, 2.0, 1.0};

// What SendIM owns in the host's record: the typing, the clicks and the closes.
std::vector<hostsim::Record> Typed(const std::vector<hostsim::Record>& records) {
    return testsupport::Only(records, {WM_SETTEXT, WM_LBUTTONDOWN, WM_LBUTTONUP, WM_CLOSE});
}

std::vector<hostsim::Record> Except(std::vector<hostsim::Record> records, HWND window) {
    records.erase(std::remove_if(records.begin(), records.end(),
                                 [&](const hostsim::Record& r) { return r.window == window; }),
                  records.end());
    return records;
}

class SendIM : public ::testing::Test {
  protected:
    void SetUp() override { SetCursorPos(40, 50); }
    void Start(ImService::Options options = {}) {
        service.reset();  // one service per host at a time
        service = std::make_unique<ImService>(host, std::move(options));
        host.ClearRecords();
    }
    // The toolbar icon's click is the menu runner's; leave it out.
    std::vector<hostsim::Record> Record() {
        testsupport::Settle(host);
        return Typed(Except(host.Records(), host.toolbarIcons()[ImService::kMenuIcon - 1]));
    }
    Host host;
    std::unique_ptr<ImService> service;
};

TEST_F(SendIM, TypesClicksSendAndClosesTheConversationOnlyWhenAsked) {
    for (bool closeAfter : {true, false}) {
        SCOPED_TRACE(closeAfter ? "CloseAfter" : "left open");
        Start();
        outgoing::SendIM("Buddy 1", "away\r\n", closeAfter);
        ASSERT_EQ(service->ComposeWindows().size(), 1u);
        ASSERT_EQ(service->Conversations().size(), 1u);
        const auto compose = service->ComposeWindows()[0];
        const HWND conversation = service->Conversations()[0];

        std::vector<Expected> expected{
            {compose.recipient, WM_SETTEXT, kSent, 0, "Buddy 1"},
            {compose.message, WM_SETTEXT, kSent, 0, "away\r\n"},
            {compose.send, WM_LBUTTONDOWN, kPosted},
            {compose.send, WM_LBUTTONUP, kPosted},
        };
        if (closeAfter) expected.push_back({conversation, WM_CLOSE, kPosted});
        EXPECT_SEQUENCE(Record(), expected);
        EXPECT_EQ(IsWindow(conversation) != FALSE, !closeAfter);
        ASSERT_EQ(service->Sent().size(), 1u);
        EXPECT_EQ(service->Sent()[0].recipient, "Buddy 1");
        EXPECT_EQ(service->Sent()[0].text, "away\r\n");
        if (!closeAfter) host.DestroyNow(conversation);
    }
}

TEST_F(SendIM, ARefusedRecipientsBoxIsPressedAwayAndTheComposeWindowClosed) {
    ImService::Options options;
    options.refused = {"$im_off"};
    for (const char* refused : {"$im_off", ""}) {
        SCOPED_TRACE(refused);
        Start(options);
        outgoing::SendIM(refused, "quillo's idler", true);
        ASSERT_EQ(service->ComposeWindows().size(), 1u);
        ASSERT_EQ(service->MessageBoxButtons().size(), 1u);
        const auto compose = service->ComposeWindows()[0];
        const HWND button = service->MessageBoxButtons()[0];
        EXPECT_SEQUENCE(Record(),
                        {
                            Expected{compose.recipient, WM_SETTEXT, kSent, 0, refused},
                            Expected{compose.message, WM_SETTEXT, kSent, 0, "quillo's idler"},
                            Expected{compose.send, WM_LBUTTONDOWN, kPosted},
                            Expected{compose.send, WM_LBUTTONUP, kPosted},
                            Expected{button, WM_LBUTTONDOWN, kPosted},
                            Expected{button, WM_LBUTTONUP, kPosted},
                            Expected{compose.window, WM_CLOSE, kPosted},
                        });
        EXPECT_TRUE(testsupport::PumpUntil(
            [&] { return !IsWindow(service->MessageBoxes()[0]) && !IsWindow(compose.window); }, 5));
        EXPECT_TRUE(service->Sent().empty());
        EXPECT_TRUE(service->Conversations().empty());
    }
}

TEST_F(SendIM, AConversationCaptionSpacedOtherwiseIsNotTakenAndTheWaitEndsAtItsLimit) {
    ImService::Options options;
    options.conversationCaption = [](const std::string& to) {
        std::string squeezed = to;
        squeezed.erase(std::remove(squeezed.begin(), squeezed.end(), ' '), squeezed.end());
        return host::kConversationCaptionPrefix + squeezed;
    };
    Start(options);
    const double start = platform::MonotonicSeconds();
    outgoing::SendIM("Jo Ann", "hi", true, kShortLimits);
    const double took = platform::MonotonicSeconds() - start;
    EXPECT_GE(took, kShortLimits.answer);
    EXPECT_LT(took, kShortLimits.answer + 4);
    ASSERT_EQ(service->Conversations().size(), 1u);
    const HWND conversation = service->Conversations()[0];
    EXPECT_SEQUENCE(testsupport::Only(Record(), {WM_CLOSE}), {});
    EXPECT_TRUE(IsWindow(conversation));
}

TEST_F(SendIM, WhenTheHostNeverAnswersTheComposeWindowIsClosedAtTheLimit) {
    ImService::Options options;
    options.answers = false;
    Start(options);
    const double start = platform::MonotonicSeconds();
    // Send was pressed, so the message may have gone: it counts as sent, and
    // its caller must not send it again.
    EXPECT_EQ(outgoing::SendIM("Buddy 1", "hi", true, kShortLimits),
              outgoing::SendResult::kPressed);
    const double took = platform::MonotonicSeconds() - start;
    EXPECT_GE(took, kShortLimits.answer);
    EXPECT_LT(took, kShortLimits.answer + 4);
    ASSERT_EQ(service->ComposeWindows().size(), 1u);
    const HWND compose = service->ComposeWindows()[0].window;
    EXPECT_SEQUENCE(testsupport::Only(Record(), {WM_CLOSE}),
                    {Expected{compose, WM_CLOSE, kPosted}});
    EXPECT_FALSE(IsWindow(compose));
}

TEST_F(SendIM, AComposeWindowIsReadyOnlyWhenItsNinthIconStepLandsOnAnIcon) {
    struct Case {
        int icons;
        bool ready;
    };
    // Step 9 over K icons is none exactly when 9 is a multiple of K + 1.
    for (const Case c : {Case{0, false}, Case{1, true}, Case{2, false}, Case{4, true},
                         Case{8, false}, Case{9, true}, Case{10, true}}) {
        SCOPED_TRACE(c.icons);
        const HWND w = host.OpenChild(
            {host::kComposeCaption,
             {{host::kEditClass, 1}, {host::kRichClass, 1}, {host::kIconClass, c.icons}}});
        EXPECT_EQ(outgoing::FindComposeWindow(host.mdiClient()).ready(), c.ready);
        host.DestroyNow(w);
    }
    const HWND noEdit =
        host.OpenChild({host::kComposeCaption, {{host::kRichClass, 1}, {host::kIconClass, 10}}});
    EXPECT_FALSE(outgoing::FindComposeWindow(host.mdiClient()).ready());
    host.DestroyNow(noEdit);
    const HWND otherCaption =
        host.OpenChild({"Send  Instant Message",
                        {{host::kEditClass, 1}, {host::kRichClass, 1}, {host::kIconClass, 10}}});
    EXPECT_FALSE(outgoing::FindComposeWindow(host.mdiClient()).ready());
    host.DestroyNow(otherCaption);
}

TEST_F(SendIM, WithASingleComposeIconThatIconSends) {
    ImService::Options options;
    options.composeIcons = 1;
    Start(options);
    outgoing::SendIM("Buddy 1", "hi", true);
    ASSERT_EQ(service->Sent().size(), 1u);
    const HWND onlyIcon = service->ComposeWindows()[0].send;
    ASSERT_NE(onlyIcon, nullptr);
    EXPECT_EQ(testsupport::OnlyWindows(Record(), {onlyIcon}).size(), 2u);  // down and up
}

TEST_F(SendIM, AComposeWindowThatOpensLateIsWaitedFor) {
    ImService::Options options;
    options.composeDelayMs = 1500;
    Start(options);
    outgoing::SendIM("Buddy 1", "hi", true);
    ASSERT_EQ(service->Sent().size(), 1u);
    EXPECT_EQ(service->Sent()[0].recipient, "Buddy 1");
}

TEST_F(SendIM, AComposeWindowStillBeingFilledInIsNotTakenForReady) {
    ImService::Options options;
    // With one or four icons in place the 9-step chain already lands on one,
    // and an icon every 150 ms outlasts a single second look.
    options.composeIconIntervalMs = 150;
    Start(options);
    outgoing::SendIM("Buddy 1", "hi", true);
    ASSERT_EQ(service->Sent().size(), 1u);
    const HWND send = service->ComposeWindows()[0].send;
    EXPECT_SEQUENCE(testsupport::Only(Record(), {WM_LBUTTONDOWN, WM_LBUTTONUP}),
                    {
                        Expected{send, WM_LBUTTONDOWN, kPosted},
                        Expected{send, WM_LBUTTONUP, kPosted},
                    });
}

TEST_F(SendIM, AComposeWindowThatNeverGetsReadyIsClosedAtTheLimit) {
    ImService::Options options;
    options.composeIcons = 2;
    Start(options);
    const double start = platform::MonotonicSeconds();
    EXPECT_EQ(outgoing::SendIM("Buddy 1", "hi", true, kShortLimits),
              outgoing::SendResult::kNoCompose);
    const double took = platform::MonotonicSeconds() - start;
    EXPECT_GE(took, kShortLimits.compose);
    EXPECT_LT(took, kShortLimits.compose + 3);
    ASSERT_EQ(service->ComposeWindows().size(), 1u);
    const HWND compose = service->ComposeWindows()[0].window;
    EXPECT_SEQUENCE(Record(), {Expected{compose, WM_CLOSE, kPosted}});
    EXPECT_TRUE(service->Sent().empty());
}

TEST_F(SendIM, AHostThatDoesNotTakeTheTypingGetsNoClickAndItsComposeWindowIsClosed) {
    Start();
    host.HangOn(nullptr, WM_SETTEXT, INFINITE, "recipient");
    const double start = platform::MonotonicSeconds();
    EXPECT_EQ(outgoing::SendIM("Buddy 1", "hi", true), outgoing::SendResult::kHostHung);
    EXPECT_LT(platform::MonotonicSeconds() - start, 3.0);
    host.Release();
    ASSERT_EQ(service->ComposeWindows().size(), 1u);
    const auto compose = service->ComposeWindows()[0];
    EXPECT_SEQUENCE(Record(), {
                                  Expected{compose.recipient, WM_SETTEXT, kSent, 0, "Buddy 1"},
                                  Expected{compose.window, WM_CLOSE, kPosted},
                              });
    EXPECT_TRUE(service->Sent().empty());
}

TEST_F(SendIM, TheUsersOwnComposeAndConversationWindowsAreNeitherTypedIntoNorClosed) {
    ImService::Options options;
    options.composeDelayMs = 1500;
    Start(options);
    // The user's, half-typed (or a compose window a slow host brought after
    // we gave up), and the user's own conversation with the same person.
    const HWND compose = host.OpenChild({host::kComposeCaption,
                                         {{host::kEditClass, 1, "pal"},
                                          {host::kRichClass, 1, "half a thought"},
                                          {host::kIconClass, 10}}});
    const HWND conversation =
        host.OpenChild({std::string(host::kConversationCaptionPrefix) + "Buddy 1",
                        {{host::kRichClass, 1, "\tYou:\t earlier line \r\n"},
                         {host::kRichClass, 1, "half typed"},
                         {host::kIconClass, 4}}});
    host.ClearRecords();
    EXPECT_EQ(outgoing::SendIM("Buddy 1", "hi", true), outgoing::SendResult::kPressed);
    EXPECT_TRUE(testsupport::OnlyWindows(Record(), {compose, conversation}).empty());
    ASSERT_EQ(service->Sent().size(), 1u);
    EXPECT_EQ(service->Sent()[0].recipient, "Buddy 1");
    // The host's answer was waited for and closed; the user's windows stay.
    ASSERT_EQ(service->Conversations().size(), 1u);
    EXPECT_FALSE(IsWindow(service->Conversations()[0]));
    EXPECT_EQ(host.TextOf(host::NthChild(conversation, host::kRichClass, 2)), "half typed");
    EXPECT_EQ(host.TextOf(host::NthChild(compose, host::kRichClass, 1)), "half a thought");
    host.DestroyNow(compose);
    host.DestroyNow(conversation);
}

TEST_F(SendIM, WithoutTheHostsMenuItReturnsAtOnceAndTypesIntoNothing) {
    ImService::Options options;
    options.menuOpens = false;
    Start(options);
    const double start = platform::MonotonicSeconds();
    EXPECT_EQ(outgoing::SendIM("Buddy 1", "hi", true, kShortLimits), outgoing::SendResult::kNoMenu);
    EXPECT_LT(platform::MonotonicSeconds() - start, kShortLimits.menu + kShortLimits.compose / 2);
    EXPECT_SEQUENCE(Record(), {});
    EXPECT_TRUE(service->Sent().empty());
}

}  // namespace
