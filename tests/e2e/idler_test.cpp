// The chat idler of the whole program: opened from the options menu, worked
// with the mouse and keyboard, heard in the simulated host's chat room. One
// start-up serves every case; the minute tick is waited for once.
#include <gtest/gtest.h>

#include <memory>

#include "support/session.h"
#include "host/window_names.h"

namespace e2e {
namespace {

constexpr double kLineLimit = 10;
constexpr double kWindowLimit = 10;
// The idler's timer runs a minute; its tick and three searches for the room
// come a little after.
constexpr double kTickLimit = 75;
// Long enough after the last expected line for an unexpected one to show.
constexpr double kQuietWatch = 1.5;
constexpr char kRoomCaption[] = "Chat Room: lobby";
constexpr char kHalfTyped[] = "half typed";

constexpr char kHeader[] = "</i></u><b>i[]i quillo's idle i[]i";
constexpr char kOff[] = "</i></u><b>i[]i quillo's idle off i[]i";

std::string ReasonLine(const std::string& reason) {
    return "</i></u><b>i[]i <u>" + reason + "</u> i[]i";
}

std::string MinutesLine(const std::string& minutes) {
    return "</i></u><b>i[]i idle for <u>" + minutes + " </u>min's i[]i";
}

std::vector<std::string> Said(const std::vector<HostEvent>& events) {
    std::vector<std::string> lines;
    for (const HostEvent& e : OfKind(events, "chat")) lines.push_back(e.a);
    return lines;
}

class IdlerTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        session_ = std::make_unique<Session>();
        if (session_->problem().empty()) session_->Tell("chat-open");
    }
    static void TearDownTestSuite() { session_.reset(); }

    void SetUp() override {
        ASSERT_EQ(session_->problem(), "");
        ASSERT_TRUE(session_->MainWindow()) << "no visible main window captioned \"Form1\"";
        ASSERT_TRUE(InputBox()) << "the host's chat room is not open";
    }

    void TearDown() override {
        if (HWND idler = session_->ProgramWindow(nullptr, places::kIdlerCaption, 0)) Close(idler);
    }

    // Waits until `count` lines were said in the room after `mark`; returns all said since.
    std::vector<std::string> Lines(size_t mark, size_t count, double seconds) const {
        return Said(session_->events().WaitFor(
            mark, [&](const std::vector<HostEvent>& e) { return Said(e).size() >= count; },
            seconds));
    }

    // The room's input box, where the user types: its second "RICHCNTL".
    HWND InputBox() const {
        const HWND mdi =
            FindWindowExA(session_->HostFrame(), nullptr, host::kMdiClientClass, nullptr);
        const HWND room = FindWindowExA(mdi, nullptr, host::kChildClass, kRoomCaption);
        const HWND first = FindWindowExA(room, nullptr, host::kRichClass, nullptr);
        return room && first ? FindWindowExA(room, first, host::kRichClass, nullptr) : nullptr;
    }

    // Replaces the idle reason the way a person does: click in, select, type;
    // then waits until the box shows it.
    void TypeReason(HWND idler, const std::string& reason) const {
        ClickTwips(idler, places::kIdlerReason);
        PressKey(VK_END);
        PressWithShift(VK_HOME);
        TypeText(reason);
        const HWND box = ChildAt(idler, places::kIdlerReason);
        WaitUntil([&] { return WindowText(box) == reason; }, kWindowLimit);
    }

    void Close(HWND idler) const {
        session_->Press(idler, places::kIdlerClose);
        EXPECT_TRUE(
            WaitUntil([&] { return !IsWindow(idler) || !IsWindowVisible(idler); }, kWindowLimit))
            << "\"X\" did not close the idler";
    }

    static std::unique_ptr<Session> session_;
};

std::unique_ptr<Session> IdlerTest::session_;

TEST_F(IdlerTest, StartThenStopSayFourLinesInOrderAndGiveBackTheHalfTypedText) {
    const HWND idler = session_->OpenIdler();
    ASSERT_TRUE(idler) << "\"chat idle\" showed no window captioned \"Form4\"";
    EXPECT_TRUE(IsTopMost(idler));
    const HWND reason = ChildAt(idler, places::kIdlerReason);
    ASSERT_TRUE(reason) << "Text1 is not at its place";
    EXPECT_EQ(WindowText(reason), places::kDefaultReason);

    ASSERT_TRUE(session_->Tell(std::string("chat-type\t") + kHalfTyped));
    const size_t mark = session_->events().Mark();
    session_->Press(idler, places::kIdlerStart);
    // Stop once Start has said its lines, as a person would press it.
    Lines(mark, 3, kLineLimit);
    session_->Press(idler, places::kIdlerStop);

    Lines(mark, 4, kLineLimit);
    Settle(kQuietWatch);
    const std::vector<std::string> expected = {kHeader, ReasonLine(places::kDefaultReason),
                                               MinutesLine("0"), kOff};
    EXPECT_EQ(Said(session_->events().Since(mark)), expected);
    EXPECT_EQ(WindowText(InputBox()), kHalfTyped);
    Close(idler);
}

// A closed idler's timer must go with it: the first idler is closed while
// running and a second one started a few seconds later; in the minute that
// follows only the second one may tick.
TEST_F(IdlerTest, ATickCountsAMinuteAndAClosedIdlerSaysNothingMore) {
    const HWND first = session_->OpenIdler();
    ASSERT_TRUE(first);
    TypeReason(first, "brb");
    EXPECT_EQ(WindowText(ChildAt(first, places::kIdlerReason)), "brb");
    size_t mark = session_->events().Mark();
    session_->Press(first, places::kIdlerStart);
    const std::vector<std::string> firstStart = {kHeader, ReasonLine("brb"), MinutesLine("0")};
    EXPECT_EQ(Lines(mark, 3, kLineLimit), firstStart);
    Close(first);

    const HWND second = session_->OpenIdler();
    ASSERT_TRUE(second);
    EXPECT_EQ(WindowText(ChildAt(second, places::kIdlerReason)), places::kDefaultReason)
        << "the idler did not come back fresh";
    TypeReason(second, "lunch");
    mark = session_->events().Mark();
    session_->Press(second, places::kIdlerStart);

    Lines(mark, 6, kTickLimit);
    Settle(kQuietWatch);
    const std::vector<std::string> expected = {kHeader, ReasonLine("lunch"), MinutesLine("0"),
                                               kHeader, ReasonLine("lunch"), MinutesLine("1")};
    EXPECT_EQ(Said(session_->events().Since(mark)), expected);

    mark = session_->events().Mark();
    session_->Press(second, places::kIdlerStop);
    EXPECT_EQ(Lines(mark, 1, kLineLimit), std::vector<std::string>{kOff});
}

}  // namespace
}  // namespace e2e
