// Answering an incoming instant message, pressing the edit window's icon and
// sizing the message log's sideways scroll.
#include <gtest/gtest.h>

#include "answer/reply.h"
#include "host/signature.h"
#include "host/window_names.h"
#include "hostsim/host.h"
#include "hostsim/im_service.h"
#include "support/msg_sequence.h"

namespace {

using hostsim::Host;
using hostsim::ImService;
using testsupport::Expected;
using testsupport::kPosted;
using testsupport::kSent;

constexpr char kAway[] =
    "Sorry Im currently away from my computer, your message has been recorded.   :-)\r\n";

TEST(AnswerIM, ClosesTheIncomingWindowThenSendsExactlyTheAwayTextToItsSender) {
    Host host;
    ImService service(host);
    const HWND incoming = service.OpenIncomingIM("Buddy 1", {{"Buddy 1", "are you there?"}});
    host.ClearRecords();

    EXPECT_EQ(answer::AnswerIM(incoming, "Buddy 1", kAway), outgoing::SendResult::kPressed);
    testsupport::Settle(host);

    ASSERT_EQ(service.Sent().size(), 1u);
    EXPECT_EQ(service.Sent()[0].recipient, "Buddy 1");
    EXPECT_EQ(service.Sent()[0].text, kAway);
    // The close is asked for before the menu is opened.
    const auto closeAndMenu = testsupport::Only(host.Records(), {WM_CLOSE, WM_LBUTTONDOWN});
    ASSERT_FALSE(closeAndMenu.empty());
    EXPECT_EQ(closeAndMenu[0].window, incoming);
    EXPECT_EQ(closeAndMenu[0].message, static_cast<UINT>(WM_CLOSE));
    EXPECT_FALSE(IsWindow(incoming));
    ASSERT_EQ(service.Conversations().size(), 1u);
    EXPECT_FALSE(IsWindow(service.Conversations()[0]));
}

TEST(AnswerIM, AWindowGoneAlreadyIsNotAnsweredAndAHeldBackReplyOnlyClosesIt) {
    Host host;
    ImService service(host);
    const HWND gone = service.OpenIncomingIM("Buddy 1", {{"Buddy 1", "bye"}});
    host.DestroyNow(gone);
    EXPECT_EQ(answer::AnswerIM(gone, "Buddy 1", kAway), std::nullopt);

    const HWND held = service.OpenIncomingIM("Buddy 2", {{"Buddy 2", "hi"}});
    EXPECT_EQ(answer::AnswerIM(held, "Buddy 2", kAway, false), std::nullopt);
    testsupport::Settle(host);
    EXPECT_FALSE(IsWindow(held));
    EXPECT_EQ(service.MenusOpened(), 0);
    EXPECT_TRUE(service.Sent().empty());
}

TEST(AnswerIM, AReplyThatFailsIsSaidToHaveFailedAndTheWindowIsClosedAllTheSame) {
    Host host;
    ImService service(host);
    const HWND incoming = service.OpenIncomingIM("Buddy 1", {{"Buddy 1", "hello?"}});
    host.HangOn(host.frame(), 0, INFINITE, "toolbar");
    EXPECT_EQ(answer::AnswerIM(incoming, "Buddy 1", kAway), outgoing::SendResult::kHostHung);
    host.Release();
    testsupport::Settle(host);
    EXPECT_EQ(service.MenusOpened(), 0);
    EXPECT_TRUE(service.Sent().empty());
    EXPECT_FALSE(IsWindow(incoming));
}

TEST(PressEditWindowIcon, PressesTheFirstIconAndTheHostHasActedOnReturn) {
    Host host;
    ImService service(host);
    service.OpenIncomingIM("Buddy 1", {{"Buddy 1", "hi"}});
    const HWND edit = service.OpenEditWindow();
    const HWND first = host::NthChild(edit, host::kIconClass, 1);
    host.ClearRecords();

    EXPECT_TRUE(answer::PressEditWindowIcon());

    EXPECT_FALSE(IsWindow(edit));  // no settling: the press was sent
    EXPECT_SEQUENCE(testsupport::Only(host.Records(), {WM_LBUTTONDOWN, WM_LBUTTONUP}),
                    {
                        Expected{first, WM_LBUTTONDOWN, kSent},
                        Expected{first, WM_LBUTTONUP, kSent},
                    });

    host.ClearRecords();
    answer::PressEditWindowIcon();
    EXPECT_TRUE(testsupport::Only(host.Records(), {WM_LBUTTONDOWN, WM_LBUTTONUP}).empty());
}

}  // namespace
