#include "support/session.h"

#include "hostsim/command_channel.h"
#include "hostsim/event_log.h"
#include "host/window_names.h"

namespace e2e {
namespace {

// A cold Wine start of a program in a prefix can take several seconds.
constexpr double kStartLimit = 20;
constexpr double kWindowLimit = 10;
constexpr double kMenuLimit = 5;
using host::kMenuClass;
constexpr int kArrangeGapPx = 10;

// The host's event log: a new empty file of a name no other test holds. Tests
// in other lanes share the temporary folder and may have the same process id.
std::string NewLogPath() {
    char folder[MAX_PATH] = "";
    GetTempPathA(sizeof folder, folder);
    char name[MAX_PATH] = "";
    GetTempFileNameA(folder, "rme", 0, name);
    return name;
}

constexpr char kRecordFolder[] = "replymate";
constexpr char kRecordFile[] = "recorded.txt";

// Sets an environment variable for the programs started while it lives.
class ScopedEnvironment {
  public:
    ScopedEnvironment(const char* name, const std::string& value) : name_(name) {
        char old[MAX_PATH] = "";
        const DWORD n = GetEnvironmentVariableA(name, old, sizeof old);
        had_ = n > 0 && n < sizeof old;
        if (had_) old_ = old;
        SetEnvironmentVariableA(name, value.c_str());
    }
    ~ScopedEnvironment() { SetEnvironmentVariableA(name_, had_ ? old_.c_str() : nullptr); }
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

  private:
    const char* name_;
    bool had_ = false;
    std::string old_;
};

// Keys reach the focus of the foreground thread, and only a thread whose
// menu loop has begun gives them to the menu rather than to its windows.
bool TracksMenu(HWND menu) {
    const DWORD thread = GetWindowThreadProcessId(menu, nullptr);
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    return IsWindowVisible(menu) && GetGUIThreadInfo(thread, &info) &&
           (info.flags & GUI_INMENUMODE) && info.hwndMenuOwner &&
           GetWindowThreadProcessId(GetForegroundWindow(), nullptr) == thread;
}

bool Overlap(const RECT& a, const RECT& b) {
    RECT common;
    return IntersectRect(&common, &a, &b) != FALSE;
}

}  // namespace

Session::Session() : Session(Options{}) {}

Session::Session(const Options& options)
    : appData_(std::make_unique<testsupport::TempFolder>()), logPath_(NewLogPath()) {
    events_ = std::make_unique<HostEvents>(logPath_);
    std::string arguments = "--log \"" + logPath_ + "\"";
    for (const std::string& name : options.refused) arguments += " --refuse \"" + name + "\"";
    host_ = std::make_unique<ChildProcess>(BuildRoot() + "\\hostsim.exe", arguments);
    if (!WaitForTopWindow(host_->id(), hostsim::kOperatorClass, nullptr, kStartLimit, true) ||
        !WaitForTopWindow(host_->id(), host::kFrameClass, nullptr, kStartLimit)) {
        problem_ = "hostsim.exe did not come up";
        return;
    }
    CreateDirectoryA(appData_->File(kRecordFolder).c_str(), nullptr);
    if (options.beforeStart) options.beforeStart(recordPath());
    const ScopedEnvironment appData("APPDATA", appData_->path());
    program_ = std::make_unique<ChildProcess>(BuildRoot() + "\\quillostools.exe", "");
    splash_ = WaitForTopWindow(program_->id(), nullptr, places::kSplashCaption, kStartLimit, true);
    if (!splash_) problem_ = "quillostools.exe showed no splash window captioned \"Form2\"";
}

Session::~Session() {
    program_.reset();
    host_.reset();
    DeleteFileA(logPath_.c_str());
}

std::string Session::recordPath() const {
    return appData_->File(kRecordFolder) + "\\" + kRecordFile;
}

HWND Session::MainWindow() {
    if (main_ && IsWindow(main_)) return main_;
    main_ = ProgramWindow(nullptr, places::kMainCaption, 0);
    // Once it failed to come, every later case fails at once instead of
    // waiting again for the same thing.
    if (main_ || !splash_ || mainNeverCame_) return main_;
    ClickTwips(splash_, places::kSplashTitleText);
    main_ = ProgramWindow(nullptr, places::kMainCaption, kWindowLimit);
    mainNeverCame_ = !main_;
    return main_;
}

HWND Session::HostFrame() const {
    return FindTopWindow(hostId(), host::kFrameClass, nullptr);
}

HWND Session::ProgramWindow(const char* cls, const char* caption, double seconds) const {
    return WaitForTopWindow(programId(), cls, caption, seconds, true);
}

bool Session::Tell(const std::string& commandLine) const {
    return hostsim::SendOperatorCommand(commandLine);
}

bool Session::DeliverIM(const std::string& sender, const std::string& text) const {
    return Tell(hostsim::FormatCommand({"im", {sender, text}}));
}

bool Session::DeliverIMWindow(const std::string& caption, const std::string& transcript) const {
    return Tell(hostsim::FormatCommand(
        {"im-window", {hostsim::EscapeField(caption), hostsim::EscapeField(transcript)}}));
}

void Session::Press(HWND form, const Twips& place) const {
    ClickTwips(form, place);
}

bool Session::ChooseOption(places::Option item) {
    HWND main = MainWindow();
    if (!main) return false;
    Press(main, places::kOptions);
    HWND menu = ProgramWindow(kMenuClass, nullptr, kMenuLimit);
    if (!menu || !WaitUntil([&] { return TracksMenu(menu); }, kMenuLimit)) return false;
    // The menu opens under the pointer; off it, no item is picked by the mouse.
    ParkPointer();
    PressKey(VK_HOME);
    PressKeys(VK_DOWN, static_cast<int>(item) - 1);
    PressKey(VK_RETURN);
    return WaitUntil([&] { return !IsWindowVisible(menu); }, kMenuLimit);
}

HWND Session::OpenIdler() {
    if (!ChooseOption(places::Option::kChatIdle)) return nullptr;
    HWND idler = ProgramWindow(nullptr, places::kIdlerCaption, kWindowLimit);
    if (!idler || !main_) return idler;
    const RECT mainRect = ScreenRect(main_);
    const RECT idlerRect = ScreenRect(idler);
    if (Overlap(mainRect, idlerRect)) {
        // Where the window system put it the idler would cover the main
        // window's controls; a person would drag it aside.
        const POINT to{mainRect.left, mainRect.bottom + kArrangeGapPx};
        SetWindowPos(idler, nullptr, to.x, to.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        WaitUntil(
            [&] {
                const RECT r = ScreenRect(idler);
                return r.left == to.x && r.top == to.y;
            },
            kWindowLimit);
    }
    return idler;
}

}  // namespace e2e
