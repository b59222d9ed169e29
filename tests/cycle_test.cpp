// One answering cycle against the simulated host: what is logged, in which
// order, and what is answered.
#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <vector>

#include "answer/cycle.h"
#include "host/signature.h"
#include "host/window_names.h"
#include "hostsim/host.h"
#include "hostsim/im_service.h"
#include "support/msg_sequence.h"

namespace {

using hostsim::Host;
using hostsim::ImService;

constexpr char kAway[] = "gone fishing\r\n";

// The main window's side of a cycle, kept in plain vectors. It leaves a
// failing host no time alone, so each cycle here does all it can.
struct FakeMainWindow {
    std::string away = kAway;
    std::vector<std::string> senders, messages;
    std::atomic<int> logged{0};
    answer::Backoff backoff{{0, 0}};

    void Cycle() {
        answer::AnswerLog log;
        log.awayText = [this] { return away; };
        log.record = [this](const std::string& sender, const std::string& message) {
            senders.push_back(sender);
            messages.push_back(message);
            ++logged;
        };
        answer::RunAnsweringCycle(log, backoff);
    }
};

TEST(AnsweringCycle, LogsSenderAndMessageBeforeTheReplyGoesOut) {
    Host host;
    FakeMainWindow main;
    std::atomic<int> loggedWhenSent{-1};
    ImService::Options options;
    options.onSent = [&](const hostsim::SentIM&) { loggedWhenSent = main.logged.load(); };
    ImService service(host, options);
    service.OpenIncomingIM("pal 7", {{"pal 7", "are you there?"}});

    main.Cycle();
    testsupport::Settle(host);

    EXPECT_EQ(main.senders, std::vector<std::string>{"pal 7"});
    EXPECT_EQ(main.messages, std::vector<std::string>{"are you there?"});
    EXPECT_EQ(loggedWhenSent, 1);
    ASSERT_EQ(service.Sent().size(), 1u);
    EXPECT_EQ(service.Sent()[0].recipient, "pal 7");
    EXPECT_EQ(service.Sent()[0].text, kAway);
}

TEST(AnsweringCycle, AnswersOneMessagePerCycleInChildOrder) {
    Host host;
    FakeMainWindow main;
    ImService service(host);
    service.OpenIncomingIM("older", {{"older", "first"}});
    service.OpenIncomingIM("newer", {{"newer", "second"}});  // first in child order

    main.Cycle();
    testsupport::Settle(host);
    EXPECT_EQ(main.senders, std::vector<std::string>{"newer"});
    ASSERT_EQ(service.Sent().size(), 1u);

    main.Cycle();
    testsupport::Settle(host);
    EXPECT_EQ(main.senders, (std::vector<std::string>{"newer", "older"}));
    EXPECT_EQ(main.messages, (std::vector<std::string>{"second", "first"}));
    ASSERT_EQ(service.Sent().size(), 2u);
    EXPECT_EQ(service.Sent()[1].recipient, "older");

    main.Cycle();  // nothing left
    EXPECT_EQ(main.senders.size(), 2u);
    EXPECT_EQ(service.Sent().size(), 2u);
}

TEST(AnsweringCycle, AnEditWindowIsPressedAwayAndNothingElseHappens) {
    Host host;
    FakeMainWindow main;
    ImService service(host);
    service.OpenIncomingIM("waiting", {{"waiting", "hello"}});
    const HWND edit = service.OpenEditWindow();

    main.Cycle();
    testsupport::Settle(host);
    EXPECT_FALSE(IsWindow(edit));
    EXPECT_TRUE(main.senders.empty());
    EXPECT_TRUE(service.Sent().empty());

    main.Cycle();
    testsupport::Settle(host);
    EXPECT_EQ(main.senders, std::vector<std::string>{"waiting"});
}

TEST(AnsweringCycle, AWindowThatVanishesLeavesItsEmptyEntriesInTheLogs) {
    Host host;
    FakeMainWindow main;
    ImService service(host);
    const HWND incoming = service.OpenIncomingIM("ghost", {{"ghost", "boo"}});
    service.VanishOnCaptionRead(incoming);

    main.Cycle();
    testsupport::Settle(host);

    ASSERT_EQ(main.senders.size(), 1u);
    ASSERT_EQ(main.messages.size(), 1u);
    EXPECT_EQ(main.messages[0], "");
    EXPECT_FALSE(IsWindow(incoming));
}

TEST(AnsweringCycle, TheWindowReadIsTheOneLoggedAnsweredAndClosedEvenWhenItGoesMidRead) {
    Host host;
    FakeMainWindow main;
    ImService service(host);
    service.OpenIncomingIM("behind", {{"behind", "still here"}});
    const HWND first = service.OpenIncomingIM("first", {{"first", "going"}});
    service.VanishOnCaptionRead(first);

    for (int cycle = 0; cycle < 3; ++cycle) {
        main.Cycle();
        testsupport::Settle(host);
    }
    // The window that went mid-read keeps its own, emptied, entry; the one
    // behind it is read, answered and closed once, by a cycle of its own.
    EXPECT_EQ(main.senders, (std::vector<std::string>{"first", "behind"}));
    EXPECT_EQ(main.messages, (std::vector<std::string>{"", "still here"}));
    ASSERT_EQ(service.Sent().size(), 1u);
    EXPECT_EQ(service.Sent()[0].recipient, "behind");
}

TEST(AnsweringCycle, AMessageTheHostWouldNotLetUsReadStaysUnloggedAndIsAnsweredLater) {
    Host host;
    FakeMainWindow main;
    ImService service(host);
    const HWND incoming = service.OpenIncomingIM("slow", {{"slow", "wait for me"}});
    host.HangOn(host::NthChild(incoming, host::kRichClass, 1), 0, INFINITE, "transcript");

    main.Cycle();
    EXPECT_TRUE(main.senders.empty());
    EXPECT_EQ(service.MenusOpened(), 0);
    host.Release();
    testsupport::Settle(host);
    EXPECT_TRUE(IsWindow(incoming));

    main.Cycle();
    testsupport::Settle(host);
    EXPECT_EQ(main.senders, std::vector<std::string>{"slow"});
    EXPECT_EQ(main.messages, std::vector<std::string>{"wait for me"});
    EXPECT_EQ(service.Sent().size(), 1u);
    EXPECT_FALSE(IsWindow(incoming));
}

TEST(AnsweringCycle, AnEmptyAwayTextIsStillSent) {
    Host host;
    FakeMainWindow main;
    main.away.clear();
    ImService service(host);
    service.OpenIncomingIM("pal", {{"pal", "yo"}});

    main.Cycle();
    testsupport::Settle(host);
    ASSERT_EQ(service.Sent().size(), 1u);
    EXPECT_EQ(service.Sent()[0].text, "");
}

TEST(AnsweringCycle, NothingWaitingLogsNothing) {
    Host host;
    FakeMainWindow main;
    ImService service(host);
    main.Cycle();
    EXPECT_TRUE(main.senders.empty());
    EXPECT_EQ(service.MenusOpened(), 0);
}

}  // namespace
