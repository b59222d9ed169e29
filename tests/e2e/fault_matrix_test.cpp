// The fault matrix: the simulated host misbehaves at each step of answering a
// message, of UpChat and UnUpChat and of a chat line, in each way it can,
// while the whole program runs as a user has it, started afresh for each
// cell. Every cell asserts that the program is still running, that its
// window thread never went longer than 2.5 s without dispatching, that the
// pointer is back where it was, that the message the fault hit was recorded
// once (in the lists and on disk) and answered once or never as the cell
// says, that nothing is answered or recorded twice, and what became of the
// next message. Each cell is a test of its own; each leaves its longest stall
// in a file, and the last test prints the table.
#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/clock.h"
#include "hostsim/command_channel.h"
#include "hostsim/im_service.h"
#include "support/dispatch_watch.h"
#include "support/files.h"
#include "support/session.h"

namespace e2e {
namespace {

constexpr double kLongestStall = 2.5;
// How long a 30 s hang is watched before the test ends it: past the send
// limit and several ticks.
constexpr double kHangWatch = 3.5;
// Long enough for a fault armed at a late step to go off.
constexpr double kFaultLimit = 15;
constexpr double kAnswerLimit = 30;
constexpr double kPointerLimit = 2;
constexpr double kPointerSettle = 0.15;
constexpr const char* kIncomingPrefix = hostsim::ImService::kIncomingCaptionPrefix;

enum Column { kHang5, kHang30, kVanish, kSlow, kRefuse, kColumns };
const char* const kColumnNames[kColumns] = {"hang 5 s", "hang 30 s", "vanish", "slow fill",
                                            "refuse"};
// How a cell's test is named: the row's word, then this.
const char* const kColumnWords[kColumns] = {"hang5", "hang30", "vanish", "slow", "refuse"};
// hostsim's words for each column's fault, and its seconds.
const char* const kFaultKinds[kColumns] = {"hang", "hang", "vanish", "slow", "refuse"};
const char* const kFaultSeconds[kColumns] = {"5", "30", "", "1.5", ""};

// What sets the step going.
enum class Trigger { kMessage, kUpChat, kUnUpChat, kChatLine };

// Cells: '.' none; for the message the fault hit, read and recorded once in
// every case but 'W':
//   'A' answered once;
//   'R' its reply failed or was refused, and is never tried again;
//   'P' as 'R', because the host's menu or compose window did not come: the
//       next message is recorded and closed, its reply skipped and the
//       pointer left alone (the pointer rests a minute after such a failure);
//   'W' the host took the message away (never answered, not left waiting);
//   '*' not a message.
// Unless the cell is 'P', the next message is answered as usual.
struct Row {
    const char* name;
    const char* word;  // the cell's test name begins with it
    const char* step;  // hostsim's word for it
    Trigger trigger;
    const char* cells;  // one letter per column
};

const Row kRows[] = {
    {"search", "search", "search", Trigger::kMessage, "AAWA."},
    {"read sender", "sender", "sender", Trigger::kMessage, "AAW.."},
    {"read transcript", "transcript", "transcript", Trigger::kMessage, "AAW.."},
    // The host hangs on our close, and so does not answer the reply's first look.
    {"close incoming", "close", "close", Trigger::kMessage, "RR..."},
    {"toolbar click", "toolbar", "toolbar", Trigger::kMessage, "AAPA."},
    {"menu keys", "menu", "menu", Trigger::kMessage, "AAPA."},
    {"compose wait", "compose", "compose", Trigger::kMessage, "AAPA."},
    {"type recipient", "recipient", "recipient", Trigger::kMessage, "RRP.R"},
    {"type message", "message", "message", Trigger::kMessage, "RRP.."},
    // Gone before the click reaches it: the host lost a send we pressed.
    {"send click", "send", "send", Trigger::kMessage, "AAR.."},
    {"answer wait", "answer", "answer", Trigger::kMessage, "AAAA."},
    {"close conversation", "conversation", "conversation", Trigger::kMessage, "AAA.."},
    // Every cell of this row has the host refuse the reply.
    {"press the box", "box", "box", Trigger::kMessage, "RRR.."},
    {"UpChat", "upchat", "transfer", Trigger::kUpChat, "***.."},
    {"UnUpChat", "unupchat", "transfer", Trigger::kUnUpChat, "***.."},
    // The idler's Stop says one line.
    {"chat line", "chat", "chat", Trigger::kChatLine, "****."},
};
constexpr size_t kRowCount = sizeof kRows / sizeof kRows[0];

struct CellName {
    size_t row;
    Column column;
};

std::vector<CellName> AllCells() {
    std::vector<CellName> cells;
    for (size_t r = 0; r < kRowCount; ++r) {
        for (int c = 0; c < kColumns; ++c) {
            if (kRows[r].cells[c] != '.') cells.push_back({r, static_cast<Column>(c)});
        }
    }
    return cells;
}

std::string TestName(const CellName& cell) {
    return std::string(kRows[cell.row].word) + "_" + kColumnWords[cell.column];
}

// Where each cell leaves its longest stall for the table: "stall passed".
std::string ResultPath(const CellName& cell) {
    return BuildRoot() + "\\fault-matrix-" + TestName(cell) + ".txt";
}

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

class FaultMatrix : public ::testing::TestWithParam<CellName> {
  protected:
    void SetUp() override {
        ASSERT_EQ(session_.problem(), "");
        main_ = session_.MainWindow();
        ASSERT_TRUE(main_) << "no visible main window captioned \"Form1\"";
        senders_ = ChildAt(main_, places::kSenders);
        ASSERT_TRUE(senders_);
        if (kRows[GetParam().row].trigger == Trigger::kChatLine) {
            // A click on a window Wine is still activating can be lost; one
            // more try tells that from an idler that cannot open.
            idler_ = session_.OpenIdler();
            if (!idler_) idler_ = session_.OpenIdler();
            ASSERT_TRUE(idler_) << "the idler did not open";
        }
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

    // The senders of the record file's lines, in order.
    std::vector<std::string> OnDisk() const {
        std::vector<std::string> senders;
        for (const std::string& line : testsupport::ReadLines(session_.recordPath())) {
            const auto fields = testsupport::Fields(line);
            senders.push_back(fields.size() == 3 ? fields[1] : "malformed: " + line);
        }
        return senders;
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

    // Runs the cell; returns its longest stall.
    double Run(const Row& row, Column column) {
        const char fate = row.trigger == Trigger::kMessage ? row.cells[column] : '*';
        const std::string faulted = "hit", next = "next";
        if (row.trigger == Trigger::kMessage) {
            EXPECT_TRUE(PointerParked());
        }
        const size_t mark = session_.events().Mark();
        const double start = platform::MonotonicSeconds();

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

        const auto recordedAndGone = [&](const std::string& who) {
            return Logged(who) >= 1 && !Waiting(who);
        };
        if (fate == 'A') {
            EXPECT_TRUE(WaitUntil([&] { return Answers(faulted) >= 1; }, kAnswerLimit))
                << "the message the fault hit was not answered\n"
                << Describe(session_.events().Since(mark));
        } else if (fate == 'R' || fate == 'P') {
            EXPECT_TRUE(WaitUntil([&] { return recordedAndGone(faulted); }, kAnswerLimit))
                << "the message the fault hit was not recorded and closed\n"
                << Describe(session_.events().Since(mark));
        } else if (fate == 'W') {
            EXPECT_TRUE(WaitUntil([&] { return !Waiting(faulted); }, kAnswerLimit))
                << "the message the host took away is still waiting";
        }
        if (fate == 'P') {
            EXPECT_TRUE(WaitUntil([&] { return recordedAndGone(next); }, kAnswerLimit))
                << "the next message was not recorded and closed\n"
                << Describe(session_.events().Since(mark));
        } else {
            EXPECT_TRUE(WaitUntil([&] { return Answers(next) >= 1; }, kAnswerLimit))
                << "the next message was not answered\n"
                << Describe(session_.events().Since(mark));
        }
        EXPECT_TRUE(WaitUntil([&] { return !Waiting(next) && !Waiting(faulted); }, kAnswerLimit));
        const double stall = watch_->LongestGap(start, platform::MonotonicSeconds());
        // Whatever is still armed is disarmed before the checks.
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
        if (fate != '*') {
            EXPECT_EQ(Answers(faulted), fate == 'A' ? 1u : 0u);
            if (fate == 'W') {
                EXPECT_LE(Logged(faulted), 1u);
            } else {
                EXPECT_EQ(Logged(faulted), 1u);
            }
        }
        EXPECT_EQ(Answers(next), fate == 'P' ? 0u : 1u);
        EXPECT_EQ(Logged(next), 1u);
        if (fate == 'P') {
            // The pointer was parked for the failed reply, and not again.
            EXPECT_EQ(OfKind(session_.events().Since(mark), "toolbar").size(), 1u)
                << Describe(session_.events().Since(mark));
        }
        // On disk exactly what the lists hold, in the same order.
        EXPECT_EQ(OnDisk(), ListItems(senders_));

        std::printf("%-34s longest stall %.2f s, cell took %.1f s\n",
                    (std::string(row.name) + ", " + kColumnNames[column]).c_str(), stall,
                    platform::MonotonicSeconds() - start);
        std::fflush(stdout);
        return stall;
    }

    Session session_;
    HWND main_ = nullptr;
    HWND senders_ = nullptr;
    HWND idler_ = nullptr;
    std::unique_ptr<DispatchWatch> watch_;
};

TEST_P(FaultMatrix, Run) {
    const CellName& cell = GetParam();
    DeleteFileA(ResultPath(cell).c_str());
    const double stall = Run(kRows[cell.row], cell.column);
    FILE* out = std::fopen(ResultPath(cell).c_str(), "w");
    if (out) {
        std::fprintf(out, "%.2f %d\n", stall, HasFailure() ? 0 : 1);
        std::fclose(out);
    }
}

INSTANTIATE_TEST_SUITE_P(Cell, FaultMatrix, ::testing::ValuesIn(AllCells()),
                         [](const ::testing::TestParamInfo<CellName>& info) {
                             return TestName(info.param);
                         });

// The table of every cell's longest stall, from the files the cells left. A
// suite of its own after the cells', so a run of the whole program prints it
// last.
class FaultMatrixTable : public ::testing::TestWithParam<int> {};

TEST_P(FaultMatrixTable, Print) {
    std::printf(
        "\nlongest stall of replymate's thread, seconds (limit %.1f; ! = the cell failed, "
        "? = no result)\n",
        kLongestStall);
    std::printf("%-20s", "step");
    for (const char* c : kColumnNames) std::printf("%11s", c);
    std::printf("\n");
    for (size_t r = 0; r < kRowCount; ++r) {
        std::printf("%-20s", kRows[r].name);
        for (int c = 0; c < kColumns; ++c) {
            if (kRows[r].cells[c] == '.') {
                std::printf("%11s", "-");
                continue;
            }
            char figure[16] = "?";
            double stall = 0;
            int passed = 0;
            if (FILE* in = std::fopen(ResultPath({r, static_cast<Column>(c)}).c_str(), "r")) {
                if (std::fscanf(in, "%lf %d", &stall, &passed) == 2)
                    std::snprintf(figure, sizeof figure, "%.2f%s", stall, passed ? "" : "!");
                std::fclose(in);
            }
            std::printf("%11s", figure);
        }
        std::printf("\n");
    }
    std::fflush(stdout);
}

INSTANTIATE_TEST_SUITE_P(Last, FaultMatrixTable, ::testing::Values(0));

}  // namespace
}  // namespace e2e
