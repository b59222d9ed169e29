// What the answering machine records, on disk and in its lists, as the whole
// program runs: a crash loses nothing recorded, a file it cannot write stops
// nothing, a host whose menu stays broken gets the pointer at most once a
// minute, and ending the program while the pointer is parked gives it back.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/clock.h"
#include "hostsim/command_channel.h"
#include "support/files.h"
#include "support/session.h"

namespace e2e {
namespace {

constexpr double kAnswerLimit = 15;
constexpr double kRecordLimit = 5;
// The program's own: once the host's menu failed it (after its 10 s wait for
// the menu), the pointer is not parked for a reply again for this long.
constexpr double kPointerRest = 60;
constexpr double kMenuWait = 10;
constexpr double kExitLimit = 10;
constexpr char kNoticeClass[] = "replymate notice";

class Recording : public ::testing::Test {
  protected:
    void Start(Session& session) {
        ASSERT_EQ(session.problem(), "");
        main_ = session.MainWindow();
        ASSERT_TRUE(main_) << "no visible main window captioned \"Form1\"";
        senders_ = ChildAt(main_, places::kSenders);
        ASSERT_TRUE(senders_);
        session.Press(main_, places::kStart);
    }

    // Delivers a message and waits until the host has sent its answer.
    static bool Answered(Session& session, const std::string& sender) {
        const size_t mark = session.events().Mark();
        if (!session.DeliverIM(sender, "are you there?")) return false;
        const auto sent = session.events().WaitFor(
            mark,
            [&](const std::vector<HostEvent>& events) {
                for (const HostEvent& e : OfKind(events, "sent-im"))
                    if (e.a == sender) return true;
                return false;
            },
            kAnswerLimit);
        for (const HostEvent& e : OfKind(sent, "sent-im"))
            if (e.a == sender) return true;
        return false;
    }

    std::vector<std::string> RecordedSenders(const std::string& path) const {
        std::vector<std::string> senders;
        for (const std::string& line : testsupport::ReadLines(path)) {
            const auto fields = testsupport::Fields(line);
            senders.push_back(fields.size() == 3 ? fields[1] : "malformed: " + line);
        }
        return senders;
    }

    HWND main_ = nullptr;
    HWND senders_ = nullptr;
};

TEST_F(Recording, AProgramKilledAfterThreeAnswersLeavesExactlyThreeLinesOnDisk) {
    Session session;
    Start(session);
    const std::vector<std::string> who{"one", "two", "three"};
    for (const std::string& sender : who) ASSERT_TRUE(Answered(session, sender)) << sender;
    session.KillProgram();
    EXPECT_EQ(RecordedSenders(session.recordPath()), who);
}

TEST_F(Recording, AFileThatCannotBeWrittenStopsNothingAndIsReportedOnce) {
    HANDLE locked = INVALID_HANDLE_VALUE;
    Session::Options options;
    // Locked by another program. (A read-only file would do on Windows, but
    // Wine lets root write to one.)
    options.beforeStart = [&](const std::string& path) {
        locked = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_ALWAYS,
                             FILE_ATTRIBUTE_NORMAL, nullptr);
    };
    Session session(options);
    ASSERT_NE(locked, INVALID_HANDLE_VALUE);
    Start(session);
    const std::vector<std::string> who{"one", "two", "three"};
    for (const std::string& sender : who) EXPECT_TRUE(Answered(session, sender)) << sender;
    EXPECT_TRUE(WaitUntil([&] { return ListItems(senders_).size() == who.size(); }, kRecordLimit));
    EXPECT_EQ(ListItems(senders_), who);
    std::vector<HWND> notices;
    for (HWND w : TopWindows(session.programId()))
        if (ClassOf(w) == kNoticeClass && IsWindowVisible(w)) notices.push_back(w);
    EXPECT_EQ(notices.size(), 1u) << DescribeWindows(session.programId());
    CloseHandle(locked);
    EXPECT_TRUE(testsupport::ReadLines(session.recordPath()).empty());
}

TEST_F(Recording, AMenuThatStaysBrokenTakesThePointerAtMostOnceAMinute) {
    Session session;
    Start(session);
    ASSERT_TRUE(session.Tell("break\tmenu"));
    const size_t mark = session.events().Mark();
    // A message now, then more while the first failure's rest lasts, then
    // one once it is over.
    const double offsets[] = {0, 12, 25, 40, 55, 65, kMenuWait + kPointerRest + 4};
    std::vector<std::string> who;
    const double start = platform::MonotonicSeconds();
    for (double at : offsets) {
        WaitUntil([] { return false; }, at - (platform::MonotonicSeconds() - start));
        who.push_back("pal " + std::to_string(who.size() + 1));
        ASSERT_TRUE(session.DeliverIM(who.back(), "are you there?"));
    }
    // The last one is recorded, then its reply parks the pointer again.
    session.events().WaitForKind(mark, "toolbar", 2, kAnswerLimit);
    EXPECT_EQ(ListItems(senders_), who);
    EXPECT_EQ(RecordedSenders(session.recordPath()), who);
    const auto events = session.events().Since(mark);
    EXPECT_TRUE(OfKind(events, "sent-im").empty()) << Describe(events);
    const auto clicks = OfKind(events, "toolbar");
    ASSERT_EQ(clicks.size(), 2u) << Describe(events);
    EXPECT_GE(clicks[1].at - clicks[0].at, kPointerRest);
    session.Tell("release");
}

TEST_F(Recording, EndingTheProgramWhileThePointerIsParkedGivesItBack) {
    Session session;
    Start(session);
    ASSERT_TRUE(session.Tell("break\tmenu"));
    ParkPointer();
    POINT before{};
    WaitUntil([] { return false; }, 0.3);
    GetCursorPos(&before);
    const size_t mark = session.events().Mark();
    ASSERT_TRUE(session.DeliverIM("pal", "are you there?"));
    // The click comes after the pointer has been parked, and the menu is
    // then waited for (10 s) with the pointer in the corner.
    ASSERT_EQ(session.events().WaitForKind(mark, "toolbar", 1, kAnswerLimit).size(), 1u);
    POINT parked{};
    GetCursorPos(&parked);
    EXPECT_EQ(parked.x, GetSystemMetrics(SM_CXSCREEN) - 1);
    PostMessageA(main_, WM_CLOSE, 0, 0);  // as Alt+F4 does
    ASSERT_TRUE(session.WaitForProgramExit(kExitLimit));
    POINT now{};
    EXPECT_TRUE(WaitUntil(
        [&] {
            GetCursorPos(&now);
            return now.x == before.x && now.y == before.y;
        },
        2))
        << "the pointer is at " << now.x << "," << now.y << ", not back at " << before.x << ","
        << before.y;
    session.Tell("release");
}

}  // namespace
}  // namespace e2e
