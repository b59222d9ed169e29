// demo_session.exe FOLDER: a scripted run of replymate beside the simulated
// host, for a machine without a display of its own (scripts/demo runs it
// under Xvfb). It works the program with real mouse and keyboard input,
// tells what happened as it goes, and saves screenshots as BMP files in
// FOLDER (the script turns them into PNG).
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "screenshot.h"
#include "support/files.h"
#include "support/session.h"

namespace {

using e2e::HostEvent;
using e2e::Session;
namespace places = e2e::places;

constexpr double kAnswerLimit = 15;
constexpr double kLineLimit = 10;
// The idler's minute, and a little for its three lines to reach the room.
constexpr double kTickLimit = 75;
// One cycle of the splash title's pulse lasts about 1.4 s.
constexpr int kSplashTries = 10;
constexpr double kSplashTryStep = 0.15;

struct Message {
    const char* sender;
    const char* text;
};
constexpr Message kMessages[] = {
    {"alice", "are you around?"},
    {"bob", "lunch at noon?"},
    {"carol", "did you see the game last night"},
    {"alice", "ok, talk later"},
};

class Demo {
  public:
    explicit Demo(std::string folder) : folder_(std::move(folder)) {}

    int Run() {
        Say("replymate demo: quillostools.exe beside the simulated host hostsim.exe");
        Session session;
        if (!session.problem().empty()) return Fail(session.problem());
        Say("hostsim.exe is up: the host's frame at the right, its operator window below.");
        Say("quillostools.exe shows its splash window (caption \"Form2\").");
        SaveSplash(session.splash());

        const HWND main = session.MainWindow();
        if (!main) return Fail("a click on the splash title brought no main window");
        Say(std::string("Clicked the splash title: the main window (caption \"Form1\") is up") +
            ((GetWindowLongA(main, GWL_EXSTYLE) & WS_EX_TOPMOST) ? ", top-most." : "."));
        session.Press(main, places::kStart);
        Say("Pressed Start: the answering machine runs.");
        for (const Message& m : kMessages) Answer(session, main, m);
        Save(main, "main-window", "the main window with its two logs");
        ShowRecordFile(session);

        session.Tell("chat-open");
        Say("The host opens its chat room. Options > \"chat idle\":");
        const HWND idler = session.OpenIdler();
        if (!idler) return Fail("\"chat idle\" showed no idler window");
        Say("  the idler (caption \"Form4\") is up.");
        Save(idler, "idler", "the chat idler");
        RunIdler(session, idler);

        if (demo::SaveWholeScreen(Path("screen")))
            Say("Saved screen.bmp: the whole screen.");
        else
            problems_.push_back("the whole screen could not be saved");

        std::printf(
            "\nSummary: %d messages delivered, %d logged, %d answered with the away text;"
            " %d chat lines said.\n",
            delivered_, logged_, answered_, chatLines_);
        for (const std::string& p : problems_) std::printf("  problem: %s\n", p.c_str());
        return problems_.empty() ? 0 : 1;
    }

  private:
    void Say(const std::string& line) {
        std::printf("%s\n", line.c_str());
        std::fflush(stdout);
    }

    int Fail(const std::string& why) {
        Say("demo stopped: " + why);
        return 1;
    }

    std::string Path(const std::string& name) const { return folder_ + "\\" + name + ".bmp"; }

    void Save(HWND window, const std::string& name, const std::string& what) {
        if (demo::SaveWindow(window, Path(name)))
            Say("  saved " + name + ".bmp: " + what + ".");
        else
            problems_.push_back(name + ".bmp could not be saved");
    }

    // The title pulses from black to grey and back; the picture is kept from
    // the moment it shows brightest.
    void SaveSplash(HWND splash) {
        RECT r;
        GetWindowRect(splash, &r);
        double brightest = -1;
        for (int i = 0; i < kSplashTries; ++i) {
            const double b = demo::MeanBrightness(r);
            if (b > brightest) {
                brightest = b;
                demo::SaveWindow(splash, Path("splash"));
            }
            e2e::Settle(kSplashTryStep);
        }
        Say("  saved splash.bmp: the splash window.");
    }

    // Every message recorded is also a line on disk, kept after the program ends.
    void ShowRecordFile(const Session& session) {
        const auto lines = testsupport::ReadLines(session.recordPath());
        Say("The record file (%APPDATA%\\replymate\\recorded.txt, here " + session.recordPath() +
            ") holds " + std::to_string(lines.size()) + " lines: time, sender, message:");
        for (const std::string& line : lines) {
            std::string shown;
            for (const std::string& field : testsupport::Fields(line))
                shown += (shown.empty() ? "  " : " | ") + field;
            Say(shown);
        }
        if (lines.size() != static_cast<size_t>(logged_))
            problems_.push_back("the record file does not hold every message logged");
    }

    void Answer(const Session& session, HWND main, const Message& m) {
        const size_t mark = session.events().Mark();
        ++delivered_;
        Say(std::string(m.sender) + " writes \"" + m.text + "\"");
        if (!session.DeliverIM(m.sender, m.text)) {
            problems_.push_back("the host did not take the message from " + std::string(m.sender));
            return;
        }
        const auto events = session.events().WaitFor(
            mark,
            [](const std::vector<HostEvent>& e) { return !e2e::OfKind(e, "sent-im").empty(); },
            kAnswerLimit);
        const auto sent = e2e::OfKind(events, "sent-im");
        const auto senders = e2e::ListItems(e2e::ChildAt(main, places::kSenders));
        const auto texts = e2e::ListItems(e2e::ChildAt(main, places::kMessages));
        if (!senders.empty() && !texts.empty() && senders.back() == m.sender &&
            texts.back() == m.text) {
            ++logged_;
            Say("  logged as entry " + std::to_string(senders.size()) + ": " + senders.back() +
                " / " + texts.back());
        } else {
            problems_.push_back("the message from " + std::string(m.sender) + " was not logged");
            Say("  not logged");
        }
        if (sent.empty()) {
            problems_.push_back("no answer to " + std::string(m.sender));
            Say("  no answer within the time limit");
            return;
        }
        double opened = sent[0].at;
        for (const HostEvent& e : events) {
            if (e.kind == "opened" && e.a == "incoming") opened = e.at;
        }
        const std::string away = e2e::WindowText(e2e::ChildAt(main, places::kAwayMessage));
        const bool isAway = sent[0].a == m.sender && sent[0].b == away;
        if (isAway)
            ++answered_;
        else
            problems_.push_back("the answer to " + std::string(m.sender) +
                                " was not the away text");
        char line[160];
        std::snprintf(line, sizeof line, "  answered %.2f s after it came: to %s, %s",
                      sent[0].at - opened, sent[0].a.c_str(),
                      isAway ? "the away text" : "NOT the away text");
        Say(line);
    }

    // Tells the chat lines said after `mark` and counts them.
    void TellLines(const std::vector<HostEvent>& events) {
        for (const HostEvent& e : e2e::OfKind(events, "chat")) {
            Say("    " + e.a);
            ++chatLines_;
        }
    }

    std::vector<HostEvent> WaitForLines(const Session& session, size_t mark, size_t count,
                                        double seconds) {
        return session.events().WaitFor(
            mark,
            [&](const std::vector<HostEvent>& e) { return e2e::OfKind(e, "chat").size() >= count; },
            seconds);
    }

    void RunIdler(const Session& session, HWND idler) {
        size_t mark = session.events().Mark();
        session.Press(idler, places::kIdlerStart);
        Say("Pressed the idler's Start; the room hears:");
        auto lines = WaitForLines(session, mark, 3, kLineLimit);
        TellLines(lines);
        if (e2e::OfKind(lines, "chat").size() < 3)
            problems_.push_back("the idler's Start said too little");

        mark = session.events().Mark();
        Say("Waiting for the idler's minute tick (about 60 s)...");
        lines = WaitForLines(session, mark, 3, kTickLimit);
        TellLines(lines);
        if (e2e::OfKind(lines, "chat").size() < 3) problems_.push_back("the idler did not tick");

        mark = session.events().Mark();
        session.Press(idler, places::kIdlerStop);
        Say("Pressed the idler's Stop; the room hears:");
        lines = WaitForLines(session, mark, 1, kLineLimit);
        TellLines(lines);
        if (e2e::OfKind(lines, "chat").empty())
            problems_.push_back("the idler's Stop said nothing");
    }

    std::string folder_;
    std::vector<std::string> problems_;
    int delivered_ = 0, logged_ = 0, answered_ = 0, chatLines_ = 0;
};

}  // namespace

int main(int argc, char** argv) {
    const std::string folder = argc > 1 ? argv[1] : ".";
    return Demo(folder).Run();
}
