// The fault matrix: the simulated host misbehaves at each step of answering a
// message, of UpChat and UnUpChat and of a chat line, in each way it can,
// while the whole program runs as a user has it. Every cell asserts that the
// program is still running, that its window thread never went longer than
// 2.5 s without dispatching, that the pointer is back where it was, that no
// message was answered or logged twice, that the message the fault hit was
// answered once (or, where the host itself took it away, never, and it is not
// left waiting), and that once the fault has cleared the next message is
// answered as usual. The matrix is printed with each cell's longest stall.
#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <memory>
#include <string>

#include "host/clock.h"
#include "hostsim/command_channel.h"
#include "support/dispatch_watch.h"
#include "support/session.h"
#include "hostsim/im_service.h"

namespace e2e {
namespace {

constexpr double kLongestStall = 2.5;
// How long a 30 s hang is watched before the test ends it: past the send
// limit and several ticks.
constexpr double kHangWatch = 3.5;
// Long enough for a message whose first try met the fault to be tried again.
constexpr double kFaultLimit = 15;
constexpr double kAnswerLimit = 30;
constexpr double kPointerLimit = 2;
constexpr double kPointerSettle = 0.15;
constexpr const char* kIncomingPrefix = hostsim::ImService::kIncomingCaptionPrefix;

enum Column { kHang5, kHang30, kVanish, kSlow, kRefuse, kColumns };
const char* const kColumnNames[kColumns] = {"hang 5 s", "hang 30 s", "vanish", "slow fill",
                                            "refuse"};
// hostsim's words for each column's fault, and its seconds.
const char* const kFaultKinds[kColumns] = {"hang", "hang", "vanish", "slow", "refuse"};
const char* const kFaultSeconds[kColumns] = {"5", "30", "", "1.5", ""};

// What sets the step going.
enum class Trigger { kMessage, kUpChat, kUnUpChat, kChatLine };

// Cells: '.' none, 'A' the message is answered once, 'W' the host takes the
// message away (never answered, not left waiting), '*' not a message.
struct Row {
    const char* name;
    const char* step;  // hostsim's word for it
    Trigger trigger;
    const char* cells;  // one letter per column
};

const Row kRows[] = {
    {"search", "search", Trigger::kMessage, "AAWA."},
    {"read sender", "sender", Trigger::kMessage, "AAW.."},
    {"read transcript", "transcript", Trigger::kMessage, "AAW.."},
    {"close incoming", "close", Trigger::kMessage, "AA..."},
    {"toolbar click", "toolbar", Trigger::kMessage, "AAAA."},
    {"menu keys", "menu", Trigger::kMessage, "AAAA."},
    {"compose wait", "compose", Trigger::kMessage, "AAAA."},
    {"type recipient", "recipient", Trigger::kMessage, "AAA.W"},
    {"type message", "message", Trigger::kMessage, "AAA.."},
    // Gone before the click reaches it: the host lost a send we pressed.
    {"send click", "send", Trigger::kMessage, "AAW.."},
    {"answer wait", "answer", Trigger::kMessage, "AAAA."},
    {"close conversation", "conversation", Trigger::kMessage, "AAA.."},
    // Every cell of this row has the host refuse the reply.
    {"press the box", "box", Trigger::kMessage, "WWW.."},
    {"UpChat", "transfer", Trigger::kUpChat, "***.."},
    {"UnUpChat", "transfer", Trigger::kUnUpChat, "***.."},
    // The idler's Stop says one line.
    {"chat line", "chat", Trigger::kChatLine, "****."},
};
constexpr size_t kRowCount = sizeof kRows / sizeof kRows[0];

// Parks the pointer and waits until it really is there: Wine moves it only
// when the place it holds changes, and may hold a place the pointer never
// reached, showing where the pointer really is a moment after the last move.
bool PointerParked() {
    POINT parked{};
    return WaitUntil(
        [&] {
            ParkPointer();
            GetCursorPos(&parked);
            SetCursorPos(parked.x - 1, parked.y);
            ParkPointer();
            Settle(kPointerSettle);
            POINT now{};
            GetCursorPos(&now);
            return now.x == parked.x && now.y == parked.y;
        },
        kPointerLimit);
}

struct Cell {
    bool run = false;
    bool passed = true;
    double stall = 0;
};

class FaultMatrixTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(session_.problem(), "");
        main_ = session_.MainWindow();
        ASSERT_TRUE(main_) << "no visible main window captioned \"Form1\"";
        senders_ = ChildAt(main_, places::kSenders);
        ASSERT_TRUE(senders_);
        // A click on a window Wine is still activating can be lost; one more
        // try tells that from an idler that cannot open.
        idler_ = session_.OpenIdler();
        if (!idler_) idler_ = session_.OpenIdler();
        ASSERT_TRUE(idler_) << "the idler did not open";
        watch_ = std::make_unique<DispatchWatch>(main_);
        ASSERT_EQ(watch_->problem(), "");
        session_.Press(main_, places::kStart);
    }

    // Every answer the host sent to `sender` so far.
    size_t Answers(const std::string& sender) const {
        size_t n = 0;
        for (const HostEvent& e : OfKind(session_.events().All(), "sent-im")) n += e.a == sender;
        return n;
    }

    size_t Logged(const std::string& sender) const {
        size_t n = 0;
        for (const std::string& s : ListItems(senders_)) n += s == sender;
        return n;
    }

    // Whether the host still shows the incoming window from `sender`.
    bool Waiting(const std::string& sender) const {
        const std::string caption = kIncomingPrefix + sender;
        long open = 0;
        for (const HostEvent& e : session_.events().All()) {
            if (e.a != "incoming" || e.b != caption) continue;
            open += e.kind == "opened" ? 1 : e.kind == "closed" ? -1 : 0;
        }
        return open > 0;
    }

    // Waits until the host reports `what` ("hang", "hang over"; any when
    // null) of the fault at `step`.
    bool FaultWent(size_t mark, const char* step, const char* what = nullptr) const {
        const auto went = [&](const std::vector<HostEvent>& events) {
            for (const HostEvent& e : OfKind(events, "fault")) {
                if ((!what || e.a == what) && e.b == step) return true;
            }
            return false;
        };
        return went(session_.events().WaitFor(mark, went, kFaultLimit));
    }

    static int Failures() {
        const ::testing::TestResult* result =
            ::testing::UnitTest::GetInstance()->current_test_info()->result();
        int failed = 0;
        for (int i = 0; i < result->total_part_count(); ++i) {
            failed += result->GetTestPartResult(i).failed();
        }
        return failed;
    }

    // Sets up what a row needs, and arms the fault.
    void Arm(const Row& row, Column column) {
        if (row.trigger == Trigger::kUpChat || row.trigger == Trigger::kUnUpChat) {
            session_.Tell("transfer-end");
            EXPECT_TRUE(session_.Tell("transfer-start"));
        }
        const std::string fault = hostsim::FormatCommand(
            {"fault", {row.step, kFaultKinds[column], kFaultSeconds[column]}});
        if (row.trigger == Trigger::kChatLine) {
            // A room fills as it opens, so a slow one is opened afresh.
            if (column == kSlow) {
                session_.Tell("chat-close");
                EXPECT_TRUE(session_.Tell(fault));
            }
            EXPECT_TRUE(session_.Tell("chat-open"));
            if (column == kSlow) return;
        }
        EXPECT_TRUE(session_.Tell(fault)) << "hostsim did not take: " << fault;
    }

    POINT Pull(const Row& row, const std::string& sender) {
        switch (row.trigger) {
            case Trigger::kMessage:
                EXPECT_TRUE(session_.DeliverIM(sender, "are you there?"));
                break;
            case Trigger::kUpChat:
                session_.Press(main_, places::kUpChat);
                break;
            case Trigger::kUnUpChat:
                session_.Press(main_, places::kUnUpChat);
                break;
            case Trigger::kChatLine:
                session_.Press(idler_, places::kIdlerStop);
                break;
        }
        POINT p{};
        GetCursorPos(&p);
        return p;
    }

    Cell Run(size_t rowIndex, Column column) {
        const Row& row = kRows[rowIndex];
        const std::string name = std::string(row.name) + ", " + kColumnNames[column];
        SCOPED_TRACE(name);
        const int failedBefore = Failures();
        // Each cell has senders of its own, so a second answer shows wherever it lands.
        const std::string cell = std::to_string(rowIndex) + "." + std::to_string(column);
        const std::string faulted = "hit " + cell, next = "next " + cell;
        if (row.trigger == Trigger::kMessage) {
            EXPECT_TRUE(PointerParked());
        }
        const size_t mark = session_.events().Mark();
        const double start = host::MonotonicSeconds();

        Arm(row, column);
        const POINT pointer = Pull(row, faulted);

        // The next message comes once the fault has gone off, and for a hang
        // once the host answers again.
        const char* went = column == kHang5 ? "hang over" : column == kHang30 ? "hang" : nullptr;
        EXPECT_TRUE(FaultWent(mark, row.step, went)) << "the fault never went off";
        if (column == kHang30) {
            Settle(kHangWatch);
            EXPECT_TRUE(session_.Tell("release"));
        }
        EXPECT_TRUE(session_.DeliverIM(next, "after the fault"));

        const char fate = row.trigger == Trigger::kMessage ? row.cells[column] : '*';
        if (fate == 'A') {
            EXPECT_TRUE(WaitUntil([&] { return Answers(faulted) >= 1; }, kAnswerLimit))
                << "the message the fault hit was not answered\n"
                << Describe(session_.events().Since(mark));
        } else if (fate == 'W') {
            EXPECT_TRUE(WaitUntil([&] { return !Waiting(faulted); }, kAnswerLimit))
                << "the message the host took away is still waiting";
        }
        EXPECT_TRUE(WaitUntil([&] { return Answers(next) >= 1; }, kAnswerLimit))
            << "the next message was not answered\n"
            << Describe(session_.events().Since(mark));
        EXPECT_TRUE(WaitUntil([&] { return !Waiting(next) && !Waiting(faulted); }, kAnswerLimit));
        const double stall = watch_->LongestGap(start, host::MonotonicSeconds());
        // Whatever is still armed is disarmed before the next cell.
        EXPECT_TRUE(session_.Tell("release"));

        EXPECT_TRUE(session_.programRunning()) << "replymate is gone";
        EXPECT_LE(stall, kLongestStall) << "replymate's thread did not dispatch for that long";
        POINT now{};
        EXPECT_TRUE(WaitUntil(
            [&] {
                GetCursorPos(&now);
                return now.x == pointer.x && now.y == pointer.y;
            },
            kPointerLimit))
            << "the pointer is at " << now.x << "," << now.y << ", not back at " << pointer.x << ","
            << pointer.y;
        if (fate == 'A' || fate == 'W') {
            EXPECT_EQ(Answers(faulted), fate == 'A' ? 1u : 0u);
        }
        EXPECT_LE(Logged(faulted), 1u);
        EXPECT_EQ(Answers(next), 1u);
        EXPECT_EQ(Logged(next), 1u);

        const bool passed = Failures() == failedBefore;
        // What the host saw, for a cell that failed.
        if (!passed) std::printf("%s", Describe(session_.events().Since(mark)).c_str());
        std::printf("%-34s longest stall %.2f s, cell took %.1f s\n", name.c_str(), stall,
                    host::MonotonicSeconds() - start);
        std::fflush(stdout);
        return {true, passed, stall};
    }

    Session session_;
    HWND main_ = nullptr;
    HWND senders_ = nullptr;
    HWND idler_ = nullptr;
    std::unique_ptr<DispatchWatch> watch_;
};

void Print(const Cell (&cells)[kRowCount][kColumns]) {
    std::printf(
        "\nlongest stall of replymate's thread, seconds (limit %.1f; ! = the cell failed)\n",
        kLongestStall);
    std::printf("%-20s", "step");
    for (const char* c : kColumnNames) std::printf("%11s", c);
    std::printf("\n");
    for (size_t r = 0; r < kRowCount; ++r) {
        std::printf("%-20s", kRows[r].name);
        for (int c = 0; c < kColumns; ++c) {
            const Cell& cell = cells[r][c];
            if (!cell.run) {
                std::printf("%11s", "-");
            } else {
                char figure[16];
                std::snprintf(figure, sizeof figure, "%.2f%s", cell.stall, cell.passed ? "" : "!");
                std::printf("%11s", figure);
            }
        }
        std::printf("\n");
    }
    std::fflush(stdout);
}

TEST_F(FaultMatrixTest, AMisbehavingHostNeverFreezesUsNorMakesUsAnswerTwice) {
    Cell cells[kRowCount][kColumns] = {};
    for (size_t r = 0; r < kRowCount; ++r) {
        for (int c = 0; c < kColumns; ++c) {
            if (kRows[r].cells[c] != '.') cells[r][c] = Run(r, static_cast<Column>(c));
        }
    }
    Print(cells);

    // Over the whole run, wherever an answer or a log entry came late.
    std::map<std::string, int> answered, logged;
    for (const HostEvent& e : OfKind(session_.events().All(), "sent-im")) ++answered[e.a];
    for (const std::string& s : ListItems(senders_)) ++logged[s];
    logged.erase("");  // a window gone before its sender was read
    for (const auto& [sender, n] : answered) EXPECT_EQ(n, 1) << "answered twice: " << sender;
    for (const auto& [sender, n] : logged) EXPECT_EQ(n, 1) << "logged twice: " << sender;
}

}  // namespace
}  // namespace e2e
