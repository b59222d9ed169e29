// The program from the splash to the main window, its options menu and the
// UpChat and UnUpChat buttons, driven with real input. One start-up serves
// every case; they run in the order written, the splash cases first.
#include <gtest/gtest.h>

#include <memory>

#include "support/session.h"
#include "host/window_names.h"

namespace e2e {
namespace {

using places::Option;

constexpr double kWindowLimit = 10;
constexpr double kSendLimit = 15;
// Longer than either splash timer's interval, so a tick would have shown.
constexpr double kSplashWatch = 2;
constexpr char kIdlerText[] = "quillo's idler";
using host::kChildClass;
using host::kComposeCaption;
using host::kConversationCaptionPrefix;

struct TopWindowState {
    HWND window;
    bool visible;
    RECT place;
    std::string caption;
    bool operator==(const TopWindowState& o) const {
        return window == o.window && visible == o.visible && EqualRect(&place, &o.place) &&
               caption == o.caption;
    }
};

std::vector<TopWindowState> Snapshot(DWORD processId) {
    std::vector<TopWindowState> states;
    for (HWND w : TopWindows(processId)) {
        states.push_back({w, IsWindowVisible(w) != FALSE, ScreenRect(w), WindowText(w)});
    }
    return states;
}

std::vector<HWND> ChildrenOfClass(HWND parent, const char* cls) {
    std::vector<HWND> found;
    for (HWND c = FindWindowExA(parent, nullptr, cls, nullptr); c;
         c = FindWindowExA(parent, c, cls, nullptr)) {
        found.push_back(c);
    }
    return found;
}

class MainWindowTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { session_ = std::make_unique<Session>(); }
    static void TearDownTestSuite() { session_.reset(); }

    void SetUp() override { ASSERT_EQ(session_->problem(), ""); }

    HWND Main() {
        HWND main = session_->MainWindow();
        EXPECT_TRUE(main) << "no visible main window captioned \"Form1\"";
        return main;
    }

    static std::unique_ptr<Session> session_;
};

std::unique_ptr<Session> MainWindowTest::session_;

TEST_F(MainWindowTest, SplashStandsAtItsPlaceClippedToAnEllipseAndItsTimersDoNothing) {
    if (session_->ProgramWindow(nullptr, places::kMainCaption, 0)) {
        GTEST_SKIP() << "the splash is gone already";
    }
    const HWND splash = session_->splash();
    const RECT r = ScreenRect(splash);
    EXPECT_EQ(r.left, places::kSplashLeftPx);
    EXPECT_EQ(r.top, places::kSplashTopPx);
    EXPECT_EQ(r.right - r.left, places::kSplashWidthPx);
    EXPECT_EQ(r.bottom - r.top, places::kSplashHeightPx);

    // The window system hit-tests through the region, so the ellipse shows in
    // which points belong to the window: its centre does, its corners do not.
    const POINT centre{r.left + places::kEllipseWidthPx / 2, r.top + places::kEllipseHeightPx / 2};
    EXPECT_EQ(GetAncestor(WindowFromPoint(centre), GA_ROOT), splash);
    const POINT corners[] = {{r.left + 2, r.top + 2},
                             {r.left + places::kEllipseWidthPx - 3, r.top + 2},
                             {r.left + 2, r.top + places::kEllipseHeightPx - 3}};
    for (const POINT& p : corners) {
        EXPECT_NE(GetAncestor(WindowFromPoint(p), GA_ROOT), splash)
            << "corner " << p.x << "," << p.y << " is not cut away";
    }

    const size_t mark = session_->events().Mark();
    const std::vector<TopWindowState> before = Snapshot(session_->programId());
    Settle(kSplashWatch);
    EXPECT_TRUE(Snapshot(session_->programId()) == before)
        << "the program's windows changed while nobody touched them";
    EXPECT_EQ(session_->events().Since(mark).size(), 0u);
    EXPECT_FALSE(session_->ProgramWindow(nullptr, places::kMainCaption, 0));
}

TEST_F(MainWindowTest, ClickOnTheSplashTitleHidesItAndShowsTheTopMostMainWindow) {
    const HWND main = Main();
    ASSERT_TRUE(main);
    EXPECT_TRUE(IsWindowVisible(main));
    EXPECT_TRUE(IsTopMost(main));
    const RECT r = ScreenRect(main);
    EXPECT_EQ(r.right - r.left, places::kMainWidthPx);
    EXPECT_EQ(r.bottom - r.top, places::kMainHeightPx);
    // Hidden, not destroyed: its title pulse goes on.
    EXPECT_TRUE(IsWindow(session_->splash()));
    EXPECT_FALSE(IsWindowVisible(session_->splash()));

    const HWND away = ChildAt(main, places::kAwayMessage);
    const HWND senders = ChildAt(main, places::kSenders);
    const HWND messages = ChildAt(main, places::kMessages);
    ASSERT_TRUE(away && senders && messages) << "Text1, List1 or List2 is not at its place";
    EXPECT_EQ(WindowText(away), places::kDefaultAwayMessage);
    EXPECT_TRUE(ListItems(senders).empty());
    EXPECT_TRUE(ListItems(messages).empty());
}

struct WindowedControl {
    const char* name;
    Twips place;
    const char* cls;
    const char* text;  // null: not checked
};

TEST_F(MainWindowTest, MainWindowHoldsItsButtonsBoxesAndListsAtTheirPlaces) {
    const HWND main = Main();
    ASSERT_TRUE(main);
    const WindowedControl controls[] = {
        {"Command1", places::kStart, "Button", "Start"},
        {"Command2", places::kClearAwayMessage, "Button", "Clear  Away Msg"},
        {"Command3", places::kStop, "Button", "Stop"},
        {"Command4", places::kUpChat, "Button", "UpChat"},
        {"Command5", places::kClearRecorded, "Button", "Clear Recorded"},
        {"Command6", places::kUnUpChat, "Button", "UnUpChat"},
        {"Command7", places::kOptions, "Button", "Options"},
        {"List1", places::kSenders, "ListBox", nullptr},
        {"List2", places::kMessages, "ListBox", nullptr},
        {"Text1", places::kAwayMessage, "Edit", nullptr},
    };
    for (const WindowedControl& c : controls) {
        SCOPED_TRACE(c.name);
        const HWND control = ChildAt(main, c.place);
        ASSERT_TRUE(control) << "nothing at its place";
        EXPECT_EQ(lstrcmpiA(ClassOf(control).c_str(), c.cls), 0) << ClassOf(control);
        if (c.text) {
            EXPECT_EQ(WindowText(control), c.text);
        }
    }
}

struct SentOption {
    Option item;
    const char* recipient;
};

TEST_F(MainWindowTest, ImsOffAndOnSendTheIdlerTextToTheHostsSpecialRecipients) {
    ASSERT_TRUE(Main());
    const SentOption cases[] = {
        {Option::kImsOff, "$im_off"}, {Option::kImsOn, "$im_on"}, {Option::kImsOff, "$im_off"}};
    for (const SentOption& c : cases) {
        SCOPED_TRACE(c.recipient);
        const size_t mark = session_->events().Mark();
        ASSERT_TRUE(session_->ChooseOption(c.item)) << "the options menu did not open and close";
        const auto sent = session_->events().WaitForKind(mark, "sent-im", 1, kSendLimit);
        ASSERT_EQ(sent.size(), 1u) << Describe(session_->events().Since(mark)) << "program:\n"
                                   << DescribeWindows(session_->programId()) << "host:\n"
                                   << DescribeWindows(session_->hostId());
        EXPECT_EQ(sent[0].a, c.recipient);
        EXPECT_EQ(sent[0].b, kIdlerText);
        // Neither the compose window nor the conversation the host opened for
        // the message is left standing. The conversation's close is waited
        // for first: the host takes the compose window away a moment before
        // it opens the conversation, and in that moment neither is there.
        // (One that came and went between two looks of the host's log has
        // no caption there.)
        const HWND mdi =
            FindWindowExA(session_->HostFrame(), nullptr, host::kMdiClientClass, nullptr);
        const std::string conversation = std::string(kConversationCaptionPrefix) + c.recipient;
        const auto conversationClosed = [&](const std::vector<HostEvent>& events) {
            for (const HostEvent& e : OfKind(events, "closed"))
                if (e.a == "conversation" && (e.b == conversation || e.b.empty())) return true;
            return false;
        };
        EXPECT_TRUE(conversationClosed(
                        session_->events().WaitFor(mark, conversationClosed, kWindowLimit)) &&
                    !FindWindowExA(mdi, nullptr, kChildClass, conversation.c_str()) &&
                    !FindWindowExA(mdi, nullptr, kChildClass, kComposeCaption))
            << "a compose or conversation window was left standing\n"
            << Describe(session_->events().Since(mark)) << "host's windows:\n"
            << DescribeChildren(mdi);
    }
    EXPECT_FALSE(FindTopWindow(session_->programId(), nullptr, "Form3", true))
        << "the menu's holder window became visible";
}

struct InformationBox {
    Option item;
    const char* opening;  // how the text begins, or a part it must hold
    const char* ending;
};

TEST_F(MainWindowTest, AboutAndGreetsShowABoxTitledReplymateWithOneOkButton) {
    ASSERT_TRUE(Main());
    const InformationBox cases[] = {
        {Option::kAbout,
         " that may be helpfull to you, It will answer all incoming instant messages",
         "hopefully ill have a lot more improved things to come.  -quillo-"},
        {Option::kGreets, "Greets: my bro ", " thats helped me more than you can imagine.   "},
    };
    for (const InformationBox& c : cases) {
        SCOPED_TRACE(c.opening);
        ASSERT_TRUE(session_->ChooseOption(c.item));
        const HWND box = session_->ProgramWindow(places::kMessageBoxClass,
                                                 places::kApplicationTitle, kWindowLimit);
        ASSERT_TRUE(box) << "no box titled \"replymate\"";
        const std::vector<HWND> buttons = ChildrenOfClass(box, "Button");
        ASSERT_EQ(buttons.size(), 1u);
        EXPECT_EQ(WindowText(buttons[0]), "OK");

        std::string text;
        for (HWND s : ChildrenOfClass(box, "Static")) text += WindowText(s);
        EXPECT_NE(text.find(c.opening), std::string::npos) << text;
        EXPECT_EQ(text.find('\n'), std::string::npos) << "one paragraph, no line breaks";
        const std::string ending = c.ending;
        EXPECT_TRUE(text.size() >= ending.size() &&
                    text.compare(text.size() - ending.size(), ending.size(), ending) == 0)
            << text;

        const POINT centre = [&] {
            const RECT r = ScreenRect(buttons[0]);
            return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
        }();
        ASSERT_EQ(WindowFromPoint(centre), buttons[0]) << "something covers the OK button";
        ClickCentre(buttons[0]);
        EXPECT_TRUE(
            WaitUntil([&] { return !IsWindow(box) || !IsWindowVisible(box); }, kWindowLimit));
    }
}

TEST_F(MainWindowTest, UpChatThenUnUpChatLeaveTheFrameDisabledAndTheTransferEnabled) {
    const HWND main = Main();
    ASSERT_TRUE(main);
    ASSERT_TRUE(session_->Tell("transfer-start"));
    const HWND frame = session_->HostFrame();
    const HWND transfer =
        FindWindowExA(frame, nullptr, host::kMdiClientClass, host::kModalTransferName);
    ASSERT_TRUE(frame && transfer);
    ASSERT_FALSE(IsWindowEnabled(frame)) << "the host blocks its frame during a transfer";

    // Pressed twice, each still finds both windows afresh.
    for (int round : {1, 2}) {
        SCOPED_TRACE(round);
        session_->Press(main, places::kUpChat);
        EXPECT_TRUE(WaitUntil([&] { return IsWindowEnabled(frame) && !IsWindowEnabled(transfer); },
                              kWindowLimit))
            << "UpChat: frame " << IsWindowEnabled(frame) << ", transfer "
            << IsWindowEnabled(transfer);

        session_->Press(main, places::kUnUpChat);
        EXPECT_TRUE(WaitUntil([&] { return !IsWindowEnabled(frame) && IsWindowEnabled(transfer); },
                              kWindowLimit))
            << "UnUpChat: frame " << IsWindowEnabled(frame) << ", transfer "
            << IsWindowEnabled(transfer);
    }
    EXPECT_TRUE(session_->Tell("transfer-end"));
}

// Ends the program, so it has a start-up of its own.
TEST(MainWindowEndTest, MinimisedItGoesOnAnsweringAndItsXEndsTheProgram) {
    Session session;
    ASSERT_EQ(session.problem(), "");
    const HWND main = session.MainWindow();
    ASSERT_TRUE(main);
    session.Press(main, places::kStart);
    session.Press(main, places::kMinimise);
    ASSERT_TRUE(WaitUntil([&] { return IsIconic(main) != FALSE; }, kWindowLimit))
        << "\"-\" did not minimise the main window";

    const size_t mark = session.events().Mark();
    ASSERT_TRUE(session.DeliverIM("buddy", "you there?"));
    const auto sent = session.events().WaitForKind(mark, "sent-im", 1, kSendLimit);
    ASSERT_EQ(sent.size(), 1u) << Describe(session.events().Since(mark));
    EXPECT_EQ(sent[0].a, "buddy");

    // Brought back as a person would from the task list; the window system's
    // part, not the program's.
    ShowWindow(main, SW_RESTORE);
    ASSERT_TRUE(WaitUntil(
        [&] {
            const RECT r = ScreenRect(main);
            return !IsIconic(main) && r.right - r.left == places::kMainWidthPx &&
                   r.bottom - r.top == places::kMainHeightPx;
        },
        kWindowLimit));
    session.Press(main, places::kClose);
    EXPECT_TRUE(WaitUntil([&] { return !session.programRunning(); }, kWindowLimit))
        << "\"X\" did not end the program";
}

}  // namespace
}  // namespace e2e
