// The answering machine of the whole program: messages arrive in the
// simulated host, the user works the main window with the mouse, and the host
// records what was answered. One start-up serves every case; each case begins
// with the machine stopped and leaves no message unanswered behind it.
#include <gtest/gtest.h>

#include <memory>

#include "support/session.h"
#include "host/window_names.h"
#include "hostsim/im_service.h"

namespace e2e {
namespace {

// An answer comes within a tick (0.5 s), two pauses and the host's windows.
constexpr double kAnswerLimit = 10;
// Three ticks: long enough for a second answer to a message to have shown.
constexpr double kQuietWatch = 1.6;
constexpr double kWindowLimit = 10;
constexpr const char* kIncomingPrefix = hostsim::ImService::kIncomingCaptionPrefix;
using host::kComposeCaption;
using host::kHostMessageBoxCaption;

class AnsweringTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { session_ = std::make_unique<Session>(); }
    static void TearDownTestSuite() { session_.reset(); }

    void SetUp() override {
        ASSERT_EQ(session_->problem(), "");
        main_ = session_->MainWindow();
        ASSERT_TRUE(main_) << "no visible main window captioned \"Form1\"";
        away_ = ChildAt(main_, places::kAwayMessage);
        senders_ = ChildAt(main_, places::kSenders);
        messages_ = ChildAt(main_, places::kMessages);
        ASSERT_TRUE(away_ && senders_ && messages_) << "Text1, List1 or List2 is not at its place";
        session_->Press(main_, places::kStop);
    }

    void TearDown() override {
        if (!main_) return;
        if (Unanswered() > 0) {
            session_->Press(main_, places::kStart);
            WaitUntil([&] { return Unanswered() == 0; }, kAnswerLimit);
        }
        session_->Press(main_, places::kStop);
        if (away_ && WindowText(away_) != places::kDefaultAwayMessage) {
            // Put back what the next case expects; typing 81 characters would
            // test nothing more.
            DWORD_PTR ignored = 0;
            SendMessageTimeoutA(away_, WM_SETTEXT, 0,
                                reinterpret_cast<LPARAM>(places::kDefaultAwayMessage),
                                SMTO_ABORTIFHUNG, 2000, &ignored);
        }
    }

    // Incoming windows the host opened and has not closed yet.
    static long Unanswered() {
        const auto all = session_->events().All();
        long open = 0;
        for (const HostEvent& e : all) {
            if (e.a != "incoming") continue;
            if (e.kind == "opened") ++open;
            if (e.kind == "closed") --open;
        }
        return open;
    }

    std::vector<HostEvent> Answers(size_t mark, size_t count) const {
        return session_->events().WaitForKind(mark, "sent-im", count, kAnswerLimit);
    }

    // The answers after a mark, once no further one has come for a while.
    std::vector<HostEvent> AllAnswersSince(size_t mark) const {
        Settle(kQuietWatch);
        return OfKind(session_->events().Since(mark), "sent-im");
    }

    static std::string Tail(const std::vector<std::string>& items, size_t fromEnd) {
        return items.size() >= fromEnd ? items[items.size() - fromEnd] : "<missing>";
    }

    static std::unique_ptr<Session> session_;
    HWND main_ = nullptr;
    HWND away_ = nullptr;
    HWND senders_ = nullptr;
    HWND messages_ = nullptr;
};

std::unique_ptr<Session> AnsweringTest::session_;

TEST_F(AnsweringTest, AnswersAMessageOnceWithExactlyTheAwayTextAndLogsIt) {
    ASSERT_EQ(WindowText(away_), places::kDefaultAwayMessage);
    const size_t logged = ListItems(senders_).size();
    const size_t mark = session_->events().Mark();
    // Start twice: still one timer, so still one answer.
    session_->Press(main_, places::kStart);
    session_->Press(main_, places::kStart);
    ASSERT_TRUE(session_->DeliverIM("buddy", "are you there?"));

    const auto answers = Answers(mark, 1);
    ASSERT_EQ(answers.size(), 1u) << Describe(session_->events().Since(mark));
    EXPECT_EQ(answers[0].a, "buddy");
    EXPECT_EQ(answers[0].b, places::kDefaultAwayMessage);
    EXPECT_TRUE(WaitUntil([&] { return Unanswered() == 0; }, kWindowLimit))
        << "the incoming window was not closed";
    EXPECT_EQ(AllAnswersSince(mark).size(), 1u) << Describe(session_->events().Since(mark));

    const auto senders = ListItems(senders_);
    const auto messages = ListItems(messages_);
    ASSERT_EQ(senders.size(), logged + 1);
    ASSERT_EQ(messages.size(), logged + 1);
    EXPECT_EQ(senders.back(), "buddy");
    EXPECT_EQ(messages.back(), "are you there?");
}

TEST_F(AnsweringTest, TwoWaitingMessagesAreAnsweredInChildOrderEachOnce) {
    const size_t mark = session_->events().Mark();
    ASSERT_TRUE(session_->DeliverIM("first", "one"));
    // The newer window comes first in the host's child order.
    ASSERT_TRUE(session_->DeliverIM("second", "two"));
    session_->Press(main_, places::kStart);

    ASSERT_EQ(Answers(mark, 2).size(), 2u) << Describe(session_->events().Since(mark));
    const auto answers = AllAnswersSince(mark);
    ASSERT_EQ(answers.size(), 2u) << Describe(session_->events().Since(mark));
    EXPECT_EQ(answers[0].a, "second");
    EXPECT_EQ(answers[1].a, "first");
    const auto senders = ListItems(senders_);
    const auto messages = ListItems(messages_);
    EXPECT_EQ(Tail(senders, 2), "second");
    EXPECT_EQ(Tail(senders, 1), "first");
    EXPECT_EQ(Tail(messages, 2), "two");
    EXPECT_EQ(Tail(messages, 1), "one");
}

TEST_F(AnsweringTest, AWindowWithAnEditFieldIsPressedAwayBeforeAnyAnswer) {
    const size_t mark = session_->events().Mark();
    ASSERT_TRUE(session_->Tell("edit-open"));
    ASSERT_TRUE(session_->DeliverIM("buddy", "hello?"));
    session_->Press(main_, places::kStart);

    ASSERT_EQ(Answers(mark, 1).size(), 1u) << Describe(session_->events().Since(mark));
    const auto events = session_->events().Since(mark);
    const HostEvent* editClosed = nullptr;
    const HostEvent* answered = nullptr;
    for (const HostEvent& e : events) {
        if (!editClosed && e.kind == "closed" && e.a == "edit") editClosed = &e;
        if (!answered && e.kind == "sent-im") answered = &e;
    }
    ASSERT_TRUE(editClosed) << Describe(events);
    ASSERT_TRUE(answered);
    EXPECT_LT(editClosed - events.data(), answered - events.data()) << Describe(events);
    EXPECT_LT(editClosed->at, answered->at) << Describe(events);
}

TEST_F(AnsweringTest, AfterStopNothingMoreIsAnsweredUntilStartAgain) {
    session_->Press(main_, places::kStart);
    session_->Press(main_, places::kStop);
    const size_t mark = session_->events().Mark();
    ASSERT_TRUE(session_->DeliverIM("late", "anyone?"));
    EXPECT_EQ(AllAnswersSince(mark).size(), 0u) << Describe(session_->events().Since(mark));
    EXPECT_EQ(Unanswered(), 1);

    // The message waited; the machine started again answers it.
    session_->Press(main_, places::kStart);
    const auto answers = Answers(mark, 1);
    ASSERT_EQ(answers.size(), 1u) << Describe(session_->events().Since(mark));
    EXPECT_EQ(answers[0].a, "late");
}

TEST_F(AnsweringTest, TheHostsRefusalIsPressedAwayAndTheNextMessageIsAnswered) {
    const size_t logged = ListItems(senders_).size();
    const size_t mark = session_->events().Mark();
    session_->Press(main_, places::kStart);
    // No sender: the reply goes to the empty screen name, which the host refuses.
    ASSERT_TRUE(session_->DeliverIM("", "who am i"));
    ASSERT_TRUE(WaitUntil([&] { return Unanswered() == 0; }, kAnswerLimit))
        << Describe(session_->events().Since(mark));
    EXPECT_TRUE(WaitUntil(
        [&] { return !FindTopWindow(session_->hostId(), "#32770", kHostMessageBoxCaption); },
        kWindowLimit))
        << "the host's \"America Online\" box was left standing";
    const HWND mdi = FindWindowExA(session_->HostFrame(), nullptr, host::kMdiClientClass, nullptr);
    EXPECT_TRUE(
        WaitUntil([&] { return !FindWindowExA(mdi, nullptr, host::kChildClass, kComposeCaption); },
                  kWindowLimit))
        << "the compose window was left standing";

    ASSERT_TRUE(session_->DeliverIM("buddy", "next one"));
    const auto answers = Answers(mark, 1);
    ASSERT_EQ(answers.size(), 1u) << Describe(session_->events().Since(mark));
    EXPECT_EQ(answers[0].a, "buddy");
    const auto senders = ListItems(senders_);
    const auto messages = ListItems(messages_);
    ASSERT_EQ(senders.size(), logged + 2);
    EXPECT_EQ(Tail(senders, 2), "");
    EXPECT_EQ(Tail(messages, 2), "who am i");
    EXPECT_EQ(Tail(senders, 1), "buddy");
}

TEST_F(AnsweringTest, AfterClearRecordedTheNextMessageIsTheFirstEntryAgain) {
    if (ListItems(senders_).empty()) {
        const size_t mark = session_->events().Mark();
        ASSERT_TRUE(session_->DeliverIM("earlier", "to be cleared"));
        session_->Press(main_, places::kStart);
        ASSERT_EQ(Answers(mark, 1).size(), 1u);
        session_->Press(main_, places::kStop);
    }
    ASSERT_FALSE(ListItems(messages_).empty());
    session_->Press(main_, places::kClearRecorded);
    WaitUntil([&] { return ListItems(senders_).empty() && ListItems(messages_).empty(); },
              kWindowLimit);
    EXPECT_TRUE(ListItems(senders_).empty());
    EXPECT_TRUE(ListItems(messages_).empty());

    const size_t mark = session_->events().Mark();
    ASSERT_TRUE(session_->DeliverIM("again", "fresh start"));
    session_->Press(main_, places::kStart);
    ASSERT_EQ(Answers(mark, 1).size(), 1u);
    EXPECT_EQ(ListItems(senders_), std::vector<std::string>{"again"});
    EXPECT_EQ(ListItems(messages_), std::vector<std::string>{"fresh start"});
}

TEST_F(AnsweringTest, AfterClearAwayMessageTheAnswerIsTheEmptyText) {
    session_->Press(main_, places::kClearAwayMessage);
    WaitUntil([&] { return WindowText(away_).empty(); }, kWindowLimit);
    EXPECT_EQ(WindowText(away_), "");
    const size_t mark = session_->events().Mark();
    ASSERT_TRUE(session_->DeliverIM("buddy", "say nothing"));
    session_->Press(main_, places::kStart);
    const auto answers = Answers(mark, 1);
    ASSERT_EQ(answers.size(), 1u) << Describe(session_->events().Since(mark));
    EXPECT_EQ(answers[0].a, "buddy");
    EXPECT_EQ(answers[0].b, "");
}

}  // namespace
}  // namespace e2e
