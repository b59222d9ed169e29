#include "support/desktop.h"

#include "platform/clock.h"
#include "platform/pump.h"

namespace e2e {
namespace {
constexpr DWORD kEndWaitMs = 5000;
constexpr int kTwipsPerPixel = 15;
// A control of another process that takes longer than this to give its text is hung.
constexpr UINT kTextReplyLimitMs = 2000;
// Bare desktop on the 1280 x 1024 test screen: right of the operator window,
// below the host's frame.
constexpr POINT kParkingPlace{1100, 950};
constexpr double kPollSeconds = 0.02;

struct Search {
    DWORD processId;
    const char* cls;
    const char* caption;
    bool visibleOnly;
    HWND found;
};

DWORD ProcessOf(HWND window) {
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    return pid;
}

BOOL CALLBACK Match(HWND window, LPARAM lParam) {
    auto* s = reinterpret_cast<Search*>(lParam);
    if (s->processId && ProcessOf(window) != s->processId) return TRUE;
    if (s->visibleOnly && !IsWindowVisible(window)) return TRUE;
    char text[256] = "";
    if (s->cls) {
        GetClassNameA(window, text, sizeof text);
        if (lstrcmpA(text, s->cls) != 0) return TRUE;
    }
    if (s->caption && WindowText(window) != s->caption) return TRUE;
    s->found = window;
    return FALSE;
}

std::string Narrow(const std::wstring& wide) {
    if (wide.empty()) return {};
    const int n = WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()),
                                      nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), out.data(), n,
                        nullptr, nullptr);
    return out;
}

struct Children {
    HWND parent;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectChild(HWND window, LPARAM lParam) {
    auto* c = reinterpret_cast<Children*>(lParam);
    if (GetParent(window) == c->parent) c->found.push_back(window);
    return TRUE;
}

struct Owned {
    DWORD processId;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectTop(HWND window, LPARAM lParam) {
    auto* o = reinterpret_cast<Owned*>(lParam);
    if (ProcessOf(window) == o->processId) o->found.push_back(window);
    return TRUE;
}

int ToPixels(int twips) {
    return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel;
}

bool Near(int a, int b) {
    return a - b <= 1 && b - a <= 1;
}

void Key(WORD virtualKey, bool down) {
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
    SendInput(1, &input, sizeof input);
}

// One of the 65,536 steps across the screen that lands on pixel `at`.
LONG AbsoluteStep(int at, int pixels) {
    return static_cast<LONG>((static_cast<LONGLONG>(at) * 65536 + pixels - 1) / pixels);
}

// A button event at `p` itself, not wherever the pointer is when the window
// system takes it: Wine may put the pointer back for a moment on a place it
// held before, and a click right after a move would land there.
void MouseButton(DWORD flags, POINT p) {
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dx = AbsoluteStep(p.x, GetSystemMetrics(SM_CXSCREEN));
    input.mi.dy = AbsoluteStep(p.y, GetSystemMetrics(SM_CYSCREEN));
    input.mi.dwFlags = flags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &input, sizeof input);
}

void MoveToScreen(POINT p) {
    SetCursorPos(p.x, p.y);
    // A real move event too, so the window under the pointer hears of it.
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = MOUSEEVENTF_MOVE;
    SendInput(1, &input, sizeof input);
}

void ClickScreen(POINT p) {
    MoveToScreen(p);
    MouseButton(MOUSEEVENTF_LEFTDOWN, p);
    MouseButton(MOUSEEVENTF_LEFTUP, p);
}

}  // namespace

ChildProcess::ChildProcess(const std::string& program, const std::string& arguments) {
    std::string commandLine = "\"" + program + "\" " + arguments;
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &info))
        return;
    process_.Reset(info.hProcess);
    const platform::KernelObject firstThread(info.hThread);  // never used: closed here
    id_ = info.dwProcessId;
}

ChildProcess::~ChildProcess() {
    if (!process_) return;
    TerminateProcess(process_, 0);
    WaitForSingleObject(process_, kEndWaitMs);
}

void ChildProcess::Kill() {
    if (!running()) return;
    TerminateProcess(process_, 1);
    WaitForSingleObject(process_, kEndWaitMs);
}

bool ChildProcess::WaitForExit(double seconds) const {
    return process_ &&
           WaitForSingleObject(process_, static_cast<DWORD>(seconds * 1000)) == WAIT_OBJECT_0;
}

bool ChildProcess::running() const {
    return process_ && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT;
}

std::string BuildRoot() {
    char path[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, path, sizeof path);
    std::string folder = path;
    // Tests, benchmarks and the demo live at different depths below the
    // build's root, where hostsim.exe and quillostools.exe are.
    for (size_t cut; (cut = folder.find_last_of("\\/")) != std::string::npos;) {
        folder.resize(cut);
        if (GetFileAttributesA((folder + "\\hostsim.exe").c_str()) != INVALID_FILE_ATTRIBUTES) {
            return folder;
        }
    }
    return ".";
}

bool WaitUntil(const std::function<bool()>& done, double seconds) {
    const double start = platform::MonotonicSeconds();
    while (!done()) {
        if (platform::MonotonicSeconds() - start > seconds) return false;
        platform::PumpMessages();
        platform::WaitForMessageOrTimeout(kPollSeconds);
    }
    return true;
}

void Settle(double seconds) {
    WaitUntil([] { return false; }, seconds);
}

HWND FindTopWindow(DWORD processId, const char* cls, const char* caption, bool visibleOnly) {
    Search s{processId, cls, caption, visibleOnly, nullptr};
    EnumWindows(Match, reinterpret_cast<LPARAM>(&s));
    return s.found;
}

HWND WaitForTopWindow(DWORD processId, const char* cls, const char* caption, double seconds,
                      bool visibleOnly) {
    HWND found = nullptr;
    WaitUntil(
        [&] { return (found = FindTopWindow(processId, cls, caption, visibleOnly)) != nullptr; },
        seconds);
    return found;
}

std::vector<HWND> TopWindows(DWORD processId) {
    Owned o{processId, {}};
    EnumWindows(CollectTop, reinterpret_cast<LPARAM>(&o));
    return o.found;
}

std::string DescribeWindows(DWORD processId) {
    std::string out;
    for (HWND w : TopWindows(processId)) {
        if (IsWindowVisible(w)) out += "  " + ClassOf(w) + " \"" + WindowText(w) + "\"\n";
    }
    return out.empty() ? "  (no visible window)\n" : out;
}

std::string DescribeChildren(HWND parent) {
    std::string out;
    for (HWND w = FindWindowExA(parent, nullptr, nullptr, nullptr); w;
         w = FindWindowExA(parent, w, nullptr, nullptr)) {
        out += "  " + ClassOf(w) + " \"" + WindowText(w) + "\"" +
               (IsWindowVisible(w) ? "" : " (hidden)") + "\n";
    }
    return out.empty() ? "  (no child window)\n" : out;
}

HWND ChildAt(HWND form, const Twips& place) {
    Children c{form, {}};
    EnumChildWindows(form, CollectChild, reinterpret_cast<LPARAM>(&c));
    for (HWND child : c.found) {
        RECT r = ScreenRect(child);
        MapWindowPoints(HWND_DESKTOP, form, reinterpret_cast<POINT*>(&r), 2);
        if (Near(r.left, ToPixels(place.left)) && Near(r.top, ToPixels(place.top)) &&
            Near(r.right - r.left, ToPixels(place.width)) &&
            Near(r.bottom - r.top, ToPixels(place.height))) {
            return child;
        }
    }
    return nullptr;
}

POINT ScreenPointOf(HWND form, const Twips& place) {
    POINT p{(place.left + place.width / 2) / kTwipsPerPixel,
            (place.top + place.height / 2) / kTwipsPerPixel};
    ClientToScreen(form, &p);
    return p;
}

RECT ScreenRect(HWND window) {
    RECT r = {};
    GetWindowRect(window, &r);
    return r;
}

bool IsTopMost(HWND window) {
    return (GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

void MoveTo(HWND window, int x, int y) {
    POINT p{x, y};
    ClientToScreen(window, &p);
    MoveToScreen(p);
}

void ParkPointer() {
    MoveToScreen(kParkingPlace);
}

void ClickAt(HWND window, int x, int y) {
    POINT p{x, y};
    ClientToScreen(window, &p);
    ClickScreen(p);
}

void ClickTwips(HWND window, const Twips& place) {
    ClickScreen(ScreenPointOf(window, place));
}

void ClickCentre(HWND window) {
    const RECT r = ScreenRect(window);
    ClickScreen({(r.left + r.right) / 2, (r.top + r.bottom) / 2});
}

void PressKey(WORD virtualKey) {
    Key(virtualKey, true);
    Key(virtualKey, false);
}

void PressKeys(WORD virtualKey, int times) {
    for (int i = 0; i < times; ++i) PressKey(virtualKey);
}

void PressWithShift(WORD virtualKey) {
    Key(VK_SHIFT, true);
    PressKey(virtualKey);
    Key(VK_SHIFT, false);
}

void TypeText(const std::string& text) {
    for (char c : text) {
        const SHORT scan = VkKeyScanA(c);
        if (scan == -1) continue;
        const WORD key = LOBYTE(scan);
        if (HIBYTE(scan) & 1)
            PressWithShift(key);
        else
            PressKey(key);
    }
}

std::vector<std::string> ListItems(HWND list) {
    std::vector<std::string> items;
    const LRESULT count = SendMessageW(list, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        const LRESULT length = SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0);
        if (length < 0) break;
        std::wstring text(static_cast<size_t>(length) + 1, L'\0');
        SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(i),
                     reinterpret_cast<LPARAM>(text.data()));
        text.resize(static_cast<size_t>(length));
        items.push_back(Narrow(text));
    }
    return items;
}

std::string WindowText(HWND window) {
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kTextReplyLimitMs,
                             &length)) {
        return {};
    }
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                             SMTO_ABORTIFHUNG, kTextReplyLimitMs, &copied)) {
        return {};
    }
    text.resize(copied < length ? static_cast<size_t>(copied) : static_cast<size_t>(length));
    return Narrow(text);
}

std::string ClassOf(HWND window) {
    char name[256] = "";
    GetClassNameA(window, name, sizeof name);
    return name;
}

}  // namespace e2e
