#include "hostsim/host.h"

#include <algorithm>

#include "host/window_names.h"
#include "hostsim/controls.h"

namespace hostsim {
namespace {

constexpr UINT kInvokeMessage = WM_APP + 1;  // lParam: std::function<void()>*, run and kept
constexpr UINT kPostMessage = WM_APP + 2;    // lParam: std::function<void()>*, run and freed
constexpr UINT kFlushMessage = WM_APP + 3;   // lParam: an event to set
constexpr char kMessageWindowClass[] = "hostsim messages";
constexpr DWORD kInvokeLimitMs = 20000;
constexpr DWORD kFlushLimitMs = 5000;

constexpr int kFrameLeft = 545, kFrameTop = 0, kFrameWidth = 735, kFrameHeight = 640;
constexpr int kToolbarHeight = 34, kIconSize = 28;
constexpr int kChildWidth = 460, kChildHeight = 250;

// The Host whose thread this is; the recording hooks carry no context of their own.
thread_local Host* tCurrentHost = nullptr;

bool IsRecorded(UINT message) {
    switch (message) {
        case WM_SETTEXT: case WM_GETTEXT: case WM_GETTEXTLENGTH: case WM_CLOSE:
        case WM_LBUTTONDOWN: case WM_LBUTTONUP: case WM_KEYDOWN: case WM_KEYUP: case WM_CHAR:
        case WM_ENABLE:
            return true;
    }
    return false;
}

LRESULT CALLBACK SentHook(int code, WPARAM fromThisThread, LPARAM lParam) {
    const auto* cwp = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && !fromThisThread && tCurrentHost && IsRecorded(cwp->message)) {
        Record r{cwp->hwnd, cwp->message, false, cwp->wParam, cwp->lParam, {}};
        if (cwp->message == WM_SETTEXT && cwp->lParam) {
            r.text = reinterpret_cast<const char*>(cwp->lParam);
        }
        tCurrentHost->Append(r);
    }
    return CallNextHookEx(nullptr, code, fromThisThread, lParam);
}

LRESULT CALLBACK PostedHook(int code, WPARAM removal, LPARAM lParam) {
    const auto* msg = reinterpret_cast<const MSG*>(lParam);
    if (code == HC_ACTION && (removal & PM_REMOVE) && tCurrentHost && msg->hwnd &&
        IsRecorded(msg->message)) {
        tCurrentHost->Append({msg->hwnd, msg->message, true, msg->wParam, msg->lParam, {}});
    }
    return CallNextHookEx(nullptr, code, removal, lParam);
}

LRESULT CALLBACK MessageWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case kInvokeMessage:
            (*reinterpret_cast<std::function<void()>*>(lParam))();
            return 0;
        case kPostMessage: {
            std::unique_ptr<std::function<void()>> work(
                reinterpret_cast<std::function<void()>*>(lParam));
            (*work)();
            return 0;
        }
        case kFlushMessage:
            SetEvent(reinterpret_cast<HANDLE>(lParam));
            return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

struct FrameState {
    HWND mdi = nullptr;
    HWND toolbar = nullptr;
};

LRESULT CALLBACK FrameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* state = reinterpret_cast<FrameState*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    switch (message) {
        case WM_NCCREATE:
            SetWindowLongPtrA(window, GWLP_USERDATA,
                              reinterpret_cast<LONG_PTR>(
                                  reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams));
            break;
        case WM_SIZE:
            // The toolbar along the top, the document area below it.
            if (state && state->toolbar && state->mdi) {
                const int w = LOWORD(lParam), h = HIWORD(lParam);
                MoveWindow(state->toolbar, 0, 0, w, kToolbarHeight, TRUE);
                MoveWindow(state->mdi, 0, kToolbarHeight, w, std::max(0, h - kToolbarHeight), TRUE);
            }
            return 0;
        case WM_CLOSE:
            // The host's main window goes only with the host itself.
            return 0;
    }
    return DefFrameProcA(window, state ? state->mdi : nullptr, message, wParam, lParam);
}

LRESULT CALLBACK ChildProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefMDIChildProcA(window, message, wParam, lParam);
}

void RegisterHostClasses() {
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSA wc = {};
    if (!GetClassInfoA(instance, kMessageWindowClass, &wc)) {
        wc = {};
        wc.lpfnWndProc = MessageWindowProc;
        wc.hInstance = instance;
        wc.lpszClassName = kMessageWindowClass;
        RegisterClassA(&wc);
    }
    if (!GetClassInfoA(instance, host::kFrameClass, &wc)) {
        wc = {};
        wc.lpfnWndProc = FrameProc;
        wc.hInstance = instance;
        wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
        wc.hbrBackground = GetSysColorBrush(COLOR_APPWORKSPACE);
        wc.lpszClassName = host::kFrameClass;
        RegisterClassA(&wc);
    }
    if (!GetClassInfoA(instance, host::kChildClass, &wc)) {
        wc = {};
        wc.lpfnWndProc = ChildProc;
        wc.hInstance = instance;
        wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
        wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
        wc.lpszClassName = host::kChildClass;
        RegisterClassA(&wc);
    }
    RegisterControlClasses();
}

// Where the next control of a child goes: left to right, wrapping into rows.
struct FlowLayout {
    int x = 4, y = 4, rowHeight = 0;
    RECT Next(const std::string& cls) {
        int w = 110, h = 20;
        if (cls == host::kIconClass) w = h = 24;
        if (cls == host::kRichClass) { w = 210; h = 56; }
        if (cls == host::kViewClass) { w = 90; h = 40; }
        if (x + w > kChildWidth - 16) { x = 4; y += rowHeight + 3; rowHeight = 0; }
        RECT r{x, y, x + w, y + h};
        x += w + 3;
        rowHeight = std::max(rowHeight, h);
        return r;
    }
};

}  // namespace

Host::Host() : Host(Options{}) {}

Host::Host(Options options) {
    ready_ = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    release_ = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    thread_ = std::thread([this, options] { ThreadMain(options); });
    WaitForSingleObject(ready_, INFINITE);
}

Host::~Host() {
    SetEvent(release_);
    PostThreadMessageA(threadId_, WM_QUIT, 0, 0);
    thread_.join();
    CloseHandle(ready_);
    CloseHandle(release_);
}

void Host::ThreadMain(Options options) {
    threadId_ = GetCurrentThreadId();
    tCurrentHost = this;
    RegisterHostClasses();
    messages_ = CreateWindowExA(0, kMessageWindowClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
    BuildFrame(options);
    sentHook_ = SetWindowsHookExA(WH_CALLWNDPROC, SentHook, nullptr, threadId_);
    postedHook_ = SetWindowsHookExA(WH_GETMESSAGE, PostedHook, nullptr, threadId_);
    SetEvent(ready_);

    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (!TranslateMDISysAccel(mdi_, &msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    UnhookWindowsHookEx(sentHook_);
    UnhookWindowsHookEx(postedHook_);
    DestroyWindow(frame_);
    DestroyWindow(messages_);
    tCurrentHost = nullptr;
}

void Host::BuildFrame(const Options& options) {
    auto* state = new FrameState;  // owned by the frame for the thread's life
    frame_ = CreateWindowExA(0, host::kFrameClass, "America  Online",
                             WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, kFrameLeft, kFrameTop,
                             kFrameWidth, kFrameHeight, nullptr, nullptr,
                             GetModuleHandleA(nullptr), state);
    CLIENTCREATESTRUCT ccs = {};
    ccs.idFirstChild = 1000;
    mdi_ = CreateWindowExA(WS_EX_CLIENTEDGE, host::kMdiClientClass, nullptr,
                           WS_CHILD | WS_CLIPCHILDREN | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL, 0,
                           kToolbarHeight, kFrameWidth, kFrameHeight - kToolbarHeight, frame_,
                           nullptr, GetModuleHandleA(nullptr), &ccs);
    toolbar_ = CreateControl(frame_, host::kToolbarClass, "", 0, 0, kFrameWidth, kToolbarHeight);
    bar_ = CreateControl(toolbar_, host::kToolbarBarClass, "", 0, 0, kFrameWidth, kToolbarHeight);
    for (int i = 0; i < options.toolbarIcons; ++i) {
        CreateControl(bar_, host::kIconClass, std::to_string(i + 1), 4 + i * (kIconSize + 4), 3,
                      kIconSize, kIconSize);
    }
    state->mdi = mdi_;
    state->toolbar = toolbar_;
    RECT rc;
    GetClientRect(frame_, &rc);
    SendMessageA(frame_, WM_SIZE, 0, MAKELPARAM(rc.right, rc.bottom));
    if (options.visible) ShowWindow(frame_, SW_SHOWNOACTIVATE);
}

HWND Host::OpenChild(const ChildLayout& layout) {
    HWND child = nullptr;
    Invoke([&] {
        MDICREATESTRUCTA mcs = {};
        mcs.szClass = host::kChildClass;
        mcs.szTitle = layout.caption.c_str();
        mcs.hOwner = GetModuleHandleA(nullptr);
        mcs.x = 10 + (opened_ % 8) * 24;
        mcs.y = 10 + (opened_ % 8) * 24;
        mcs.cx = kChildWidth;
        mcs.cy = kChildHeight;
        ++opened_;
        child = reinterpret_cast<HWND>(
            SendMessageA(mdi_, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&mcs)));
        FlowLayout flow;
        for (const ControlGroup& c : layout.controls) {
            for (int i = 0; i < c.count; ++i) {
                const RECT r = flow.Next(c.cls);
                CreateControl(child, c.cls.c_str(), c.text, r.left, r.top, r.right - r.left,
                              r.bottom - r.top);
            }
        }
        if (layout.atBack) {
            SetWindowPos(child, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        }
    });
    return child;
}

void Host::DestroyNow(HWND window) {
    Invoke([&] {
        if (GetParent(window) == mdi_) {
            SendMessageA(mdi_, WM_MDIDESTROY, reinterpret_cast<WPARAM>(window), 0);
        } else {
            DestroyWindow(window);
        }
    });
}

std::vector<HWND> Host::Children(HWND parent, const char* cls) {
    std::vector<HWND> found;
    if (!parent) return found;
    for (HWND c = FindWindowExA(parent, nullptr, cls, nullptr); c;
         c = FindWindowExA(parent, c, cls, nullptr)) {
        found.push_back(c);
    }
    return found;
}

void Host::Invoke(const std::function<void()>& work) {
    if (GetCurrentThreadId() == threadId_) {
        work();
        return;
    }
    std::function<void()> copy = work;
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(messages_, kInvokeMessage, 0, reinterpret_cast<LPARAM>(&copy),
                        SMTO_NORMAL, kInvokeLimitMs, &ignored);
}

void Host::Post(std::function<void()> work) {
    auto* heap = new std::function<void()>(std::move(work));
    if (!PostMessageA(messages_, kPostMessage, 0, reinterpret_cast<LPARAM>(heap))) delete heap;
}

void Host::SetClickAction(HWND control, std::function<void()> action) {
    Invoke([&] {
        if (ControlState* s = StateOf(control)) s->onClick = std::move(action);
    });
}

void Host::SetEnterAction(HWND control, std::function<void()> action) {
    Invoke([&] {
        if (ControlState* s = StateOf(control)) s->onEnter = std::move(action);
    });
}

std::string Host::TextOf(HWND control) {
    std::string text;
    Invoke([&] {
        if (ControlState* s = StateOf(control)) {
            text = s->text;
        } else if (IsWindow(control)) {
            // a send from the host's own thread, so it stays off the record
            char buffer[1024] = "";
            GetWindowTextA(control, buffer, sizeof buffer);
            text = buffer;
        }
    });
    return text;
}

void Host::Hang(HWND control) {
    ResetEvent(release_);
    Invoke([&] {
        if (ControlState* s = StateOf(control)) s->hungUntil = release_;
    });
}

void Host::Release() { SetEvent(release_); }

void Host::ShrinkOnNextRead(HWND control, const std::string& shorter) {
    Invoke([&] {
        if (ControlState* s = StateOf(control)) {
            s->shrinkOnRead = true;
            s->shrunkText = shorter;
        }
    });
}

std::vector<Record> Host::Records() const {
    std::lock_guard<std::mutex> lock(recordsLock_);
    return records_;
}

std::vector<Record> Host::RecordsFor(HWND window) const {
    std::vector<Record> out;
    for (const Record& r : Records()) {
        if (r.window == window) out.push_back(r);
    }
    return out;
}

void Host::ClearRecords() {
    std::lock_guard<std::mutex> lock(recordsLock_);
    records_.clear();
}

void Host::Append(const Record& record) {
    std::lock_guard<std::mutex> lock(recordsLock_);
    records_.push_back(record);
}

void Host::Flush() {
    HANDLE done = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    PostMessageA(messages_, kFlushMessage, 0, reinterpret_cast<LPARAM>(done));
    // Keep our own thread answering while we wait: the host may be sending to us.
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < kFlushLimitMs) {
        const DWORD r = MsgWaitForMultipleObjects(1, &done, FALSE, 50, QS_SENDMESSAGE);
        if (r == WAIT_OBJECT_0) break;
        MSG msg;
        PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
    CloseHandle(done);
}

}  // namespace hostsim
