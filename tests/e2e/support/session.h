#pragma once
// One run of the whole program: hostsim.exe with its event log and
// quillostools.exe, started as their own processes and driven from outside
// with real input, as a person at the screen would.
#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "support/desktop.h"
#include "support/files.h"
#include "support/host_events.h"
#include "support/places.h"

namespace e2e {

class Session {
  public:
    struct Options {
        // Screen names the host refuses besides the empty one.
        std::vector<std::string> refused;
        // Called once the folder the program keeps its record file in exists
        // and before the program starts (to lock the file, say).
        std::function<void(const std::string& recordPath)> beforeStart;
    };

    Session();
    explicit Session(const Options& options);
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // Empty when both programs came up; otherwise what went wrong.
    const std::string& problem() const { return problem_; }
    DWORD hostId() const { return host_ ? host_->id() : 0; }
    DWORD programId() const { return program_ ? program_->id() : 0; }
    bool programRunning() const { return program_ && program_->running(); }
    // The program's record file: each session's program keeps its own,
    // under an APPDATA folder of the session's.
    std::string recordPath() const;
    // Ends the program at once, as a crash or a power cut would.
    void KillProgram() { program_->Kill(); }
    bool WaitForProgramExit(double seconds) const { return program_->WaitForExit(seconds); }

    // The splash window as it came up.
    HWND splash() const { return splash_; }
    // The main window; the first call clicks the splash title to bring it up.
    // Null when it does not come.
    HWND MainWindow();
    HWND HostFrame() const;
    // A visible top-level window of the program.
    HWND ProgramWindow(const char* cls, const char* caption, double seconds) const;

    // Tells the simulated host what happens next (an incoming message, the
    // chat room opening...); false when it did not take the command.
    bool Tell(const std::string& commandLine) const;
    bool DeliverIM(const std::string& sender, const std::string& text) const;
    // An incoming window with any caption and transcript, as they stand.
    bool DeliverIMWindow(const std::string& caption, const std::string& transcript) const;
    const HostEvents& events() const { return *events_; }

    // Clicks a control of one of the program's windows at its layout place.
    // The program takes the click in its own time, after whatever it was
    // given before: wait for what the click does.
    void Press(HWND form, const Twips& place) const;
    // Opens the options menu from the main window and chooses an item with
    // the keyboard; false when the menu did not open or did not close.
    bool ChooseOption(places::Option item);
    // "chat idle": the idler window, moved clear of the main window when the
    // two would overlap; null when it does not show.
    HWND OpenIdler();

  private:
    std::unique_ptr<testsupport::TempFolder> appData_;
    std::string problem_;
    std::string logPath_;
    std::unique_ptr<HostEvents> events_;
    std::unique_ptr<ChildProcess> host_;
    std::unique_ptr<ChildProcess> program_;
    HWND splash_ = nullptr;
    HWND main_ = nullptr;
    bool mainNeverCame_ = false;
};

}  // namespace e2e
