#include "hostsim/host.h"

#include <algorithm>

#include "hostsim/controls.h"
#include "hostsim/host_tree.h"

namespace hostsim {
namespace {

constexpr UINT kInvokeMessage = WM_APP + 1;  // lParam: std::shared_ptr<InvokeJob>*, run and freed
constexpr UINT kPostMessage = WM_APP + 2;    // lParam: std::function<void()>*, run and freed
constexpr UINT kFlushMessage = WM_APP + 3;   // lParam: an event to set
constexpr char kMessageWindowClass[] = "hostsim messages";
constexpr DWORD kFlushLimitMs = 5000;
// Upper bound on any hang, so a test that forgets to release one still ends.
constexpr DWORD kLongestHangMs = 30000;

// Work that Invoke hands to the host's thread. It may refer to the caller's
// frame, so it runs while the caller waits or not at all.
struct InvokeJob {
    explicit InvokeJob(const std::function<void()>& w)
        : work(w), done(CreateEventA(nullptr, TRUE, FALSE, nullptr)) {}
    ~InvokeJob() { CloseHandle(done); }
    InvokeJob(const InvokeJob&) = delete;
    InvokeJob& operator=(const InvokeJob&) = delete;
    std::function<void()> work;
    std::mutex lock;
    bool started = false;
    bool dropped = false;
    HANDLE done;
};

// Waits for `event` (INFINITE: for ever) while answering what other threads
// send to this one: the host may be sending to us meanwhile.
bool WaitAnswering(HANDLE event, DWORD ms) {
    const DWORD start = GetTickCount();
    for (;;) {
        const DWORD elapsed = GetTickCount() - start;
        if (ms != INFINITE && elapsed >= ms) return WaitForSingleObject(event, 0) == WAIT_OBJECT_0;
        const DWORD left = ms == INFINITE ? INFINITE : ms - elapsed;
        if (MsgWaitForMultipleObjects(1, &event, FALSE, left, QS_SENDMESSAGE) == WAIT_OBJECT_0) {
            return true;
        }
        MSG msg;
        PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
}

constexpr int kFrameLeft = 545, kFrameTop = 0, kFrameWidth = 735, kFrameHeight = 640;
constexpr int kToolbarHeight = 34, kIconSize = 28;
constexpr int kChildWidth = 460, kChildHeight = 250;

// The Host whose thread this is; the recording hooks carry no context of their own.
thread_local Host* tCurrentHost = nullptr;

bool IsRecorded(UINT message) {
    switch (message) {
        case WM_SETTEXT:
        case WM_GETTEXT:
        case WM_GETTEXTLENGTH:
        case WM_CLOSE:
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_KEYDOWN:
        case WM_KEYUP:
        case WM_CHAR:
        case WM_ENABLE:
            return true;
    }
    return false;
}

LRESULT CALLBACK SentHook(int code, WPARAM fromThisThread, LPARAM lParam) {
    const auto* cwp = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && !fromThisThread && tCurrentHost) {
        if (IsRecorded(cwp->message)) {
            Record r{cwp->hwnd, cwp->message, false, cwp->wParam, cwp->lParam, {}};
            if (cwp->message == WM_SETTEXT && cwp->lParam) {
                r.text = reinterpret_cast<const char*>(cwp->lParam);
            }
            tCurrentHost->Append(r);
        }
        tCurrentHost->FromOutside(cwp->hwnd, cwp->message, nullptr);
    }
    return CallNextHookEx(nullptr, code, fromThisThread, lParam);
}

LRESULT CALLBACK AnsweredHook(int code, WPARAM wParam, LPARAM lParam) {
    const auto* ret = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
    if (code == HC_ACTION && tCurrentHost)
        tCurrentHost->AnsweredFromOutside(ret->hwnd, ret->message);
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK PostedHook(int code, WPARAM removal, LPARAM lParam) {
    auto* msg = reinterpret_cast<MSG*>(lParam);
    // Only what an add-on posts counts: paints, timers and input are the host's own.
    if (code == HC_ACTION && (removal & PM_REMOVE) && tCurrentHost && msg->hwnd &&
        IsRecorded(msg->message)) {
        tCurrentHost->Append({msg->hwnd, msg->message, true, msg->wParam, msg->lParam, {}});
        tCurrentHost->FromOutside(msg->hwnd, msg->message, msg);
    }
    return CallNextHookEx(nullptr, code, removal, lParam);
}

LRESULT CALLBACK MessageWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case kInvokeMessage: {
            std::unique_ptr<std::shared_ptr<InvokeJob>> handed(
                reinterpret_cast<std::shared_ptr<InvokeJob>*>(lParam));
            InvokeJob& job = **handed;
            {
                std::lock_guard<std::mutex> guard(job.lock);
                if (job.dropped) return 0;
                job.started = true;
            }
            job.work();
            SetEvent(job.done);
            return 0;
        }
        case kPostMessage: {
            std::unique_ptr<std::function<void()>> work(
                reinterpret_cast<std::function<void()>*>(lParam));
            (*work)();
            return 0;
        }
        case kFlushMessage:
            SetEvent(reinterpret_cast<HANDLE>(lParam));
            return 0;
        case WM_TIMER:
            if (tCurrentHost) tCurrentHost->RunLater(wParam);
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
        case WM_NCDESTROY: {
            const LRESULT result = DefFrameProcA(window, nullptr, message, wParam, lParam);
            SetWindowLongPtrA(window, GWLP_USERDATA, 0);
            delete state;
            return result;
        }
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
    if (!GetClassInfoA(instance, tree::kFrameClass, &wc)) {
        wc = {};
        wc.lpfnWndProc = FrameProc;
        wc.hInstance = instance;
        wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
        wc.hbrBackground = GetSysColorBrush(COLOR_APPWORKSPACE);
        wc.lpszClassName = tree::kFrameClass;
        RegisterClassA(&wc);
    }
    if (!GetClassInfoA(instance, tree::kChildClass, &wc)) {
        wc = {};
        wc.lpfnWndProc = ChildProc;
        wc.hInstance = instance;
        wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
        wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
        wc.lpszClassName = tree::kChildClass;
        RegisterClassA(&wc);
    }
    RegisterControlClasses();
}

// Where the next control of a child goes: left to right, wrapping into rows.
struct FlowLayout {
    int x = 4, y = 4, rowHeight = 0;
    RECT Next(const std::string& cls) {
        int w = 110, h = 20;
        if (cls == tree::kIconClass) w = h = 24;
        if (cls == tree::kRichClass) {
            w = 210;
            h = 56;
        }
        if (cls == tree::kViewClass) {
            w = 90;
            h = 40;
        }
        if (x + w > kChildWidth - 16) {
            x = 4;
            y += rowHeight + 3;
            rowHeight = 0;
        }
        RECT r{x, y, x + w, y + h};
        x += w + 3;
        rowHeight = std::max(rowHeight, h);
        return r;
    }
};

}  // namespace

Host::Host() : Host(Options{}) {}

Host::Host(Options options)
    : invokeLimitMs_(options.invokeLimitMs), onFault_(std::move(options.onFault)) {
    ready_ = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    release_ = CreateEventA(nullptr, FALSE, FALSE, nullptr);
    thread_ = std::thread([this, options] { ThreadMain(options); });
    WaitForSingleObject(ready_, INFINITE);
}

Host::~Host() {
    ++releases_;
    SetEvent(release_);
    PostThreadMessageA(threadId_, WM_QUIT, 0, 0);
    thread_.join();
    CloseHandle(ready_);
    CloseHandle(release_);
}

void Host::ThreadMain(const Options& options) {
    threadId_ = GetCurrentThreadId();
    tCurrentHost = this;
    RegisterHostClasses();
    messages_ = CreateWindowExA(0, kMessageWindowClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
    BuildFrame(options);
    sentHook_ = SetWindowsHookExA(WH_CALLWNDPROC, SentHook, nullptr, threadId_);
    answeredHook_ = SetWindowsHookExA(WH_CALLWNDPROCRET, AnsweredHook, nullptr, threadId_);
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
    UnhookWindowsHookEx(answeredHook_);
    UnhookWindowsHookEx(postedHook_);
    DestroyWindow(frame_);
    DestroyWindow(messages_);
    tCurrentHost = nullptr;
}

void Host::BuildFrame(const Options& options) {
    auto* state = new FrameState;  // owned by the frame, freed when it goes
    frame_ =
        CreateWindowExA(0, tree::kFrameClass, tree::kFrameCaption,
                        WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, kFrameLeft, kFrameTop, kFrameWidth,
                        kFrameHeight, nullptr, nullptr, GetModuleHandleA(nullptr), state);
    CLIENTCREATESTRUCT ccs = {};
    ccs.idFirstChild = 1000;
    mdi_ = CreateWindowExA(WS_EX_CLIENTEDGE, tree::kDocumentAreaClass, nullptr,
                           WS_CHILD | WS_CLIPCHILDREN | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL, 0,
                           kToolbarHeight, kFrameWidth, kFrameHeight - kToolbarHeight, frame_,
                           nullptr, GetModuleHandleA(nullptr), &ccs);
    toolbar_ = CreateControl(frame_, tree::kToolbarClass, "", 0, 0, kFrameWidth, kToolbarHeight);
    bar_ = CreateControl(toolbar_, tree::kToolbarBarClass, "", 0, 0, kFrameWidth, kToolbarHeight);
    for (int i = 0; i < options.toolbarIcons; ++i) {
        CreateControl(bar_, tree::kIconClass, std::to_string(i + 1), 4 + i * (kIconSize + 4), 3,
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
        mcs.szClass = tree::kChildClass;
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
    auto job = std::make_shared<InvokeJob>(work);
    auto* handed = new std::shared_ptr<InvokeJob>(job);
    // Sent without waiting for it, so it runs ahead of what was posted to the
    // host, as a sent message would.
    if (!SendNotifyMessageA(messages_, kInvokeMessage, 0, reinterpret_cast<LPARAM>(handed))) {
        delete handed;
        return;
    }
    if (WaitAnswering(job->done, invokeLimitMs_)) return;
    {
        std::lock_guard<std::mutex> guard(job->lock);
        if (!job->started) {
            job->dropped = true;
            return;
        }
    }
    // Begun already: it may write to this frame, so it is seen to its end.
    WaitAnswering(job->done, INFINITE);
}

void Host::Post(std::function<void()> work) {
    auto* heap = new std::function<void()>(std::move(work));
    if (!PostMessageA(messages_, kPostMessage, 0, reinterpret_cast<LPARAM>(heap))) delete heap;
}

void Host::Later(DWORD ms, std::function<void()> work) {
    Invoke([&] {
        const UINT_PTR timer = nextTimer_++;
        later_[timer] = std::move(work);
        SetTimer(messages_, timer, ms, nullptr);
    });
}

void Host::RunLater(UINT_PTR timer) {
    KillTimer(messages_, timer);
    const auto due = later_.find(timer);
    if (due == later_.end()) return;
    const std::function<void()> work = std::move(due->second);
    later_.erase(due);
    work();
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

void Host::ReportFault(const std::string& what, const std::string& step) {
    if (onFault_) onFault_(what, step);
}

void Host::Block(DWORD ms, const std::string& step) {
    ReportFault("hang", step);
    // Only a release that comes while this hang lasts ends it.
    const unsigned releasesBefore = releases_;
    const DWORD start = GetTickCount();
    const DWORD longest = std::min(ms, kLongestHangMs);
    for (DWORD waited = 0; releases_ == releasesBefore && waited < longest;
         waited = GetTickCount() - start) {
        WaitForSingleObject(release_, longest - waited);
    }
    ReportFault("hang over", step);
}

void Host::Arm(Trap trap) {
    Invoke([&] { traps_.push_back(std::move(trap)); });
}

void Host::HangNow(DWORD ms, const std::string& step) {
    // Sent without waiting, so it comes before anything queued after it, sent or posted.
    auto* hang = new std::function<void()>([this, ms, step] { Block(ms, step); });
    if (!SendNotifyMessageA(messages_, kPostMessage, 0, reinterpret_cast<LPARAM>(hang)))
        delete hang;
}

void Host::HangOn(HWND window, UINT message, DWORD ms, const std::string& step) {
    Arm({window, message, true, ms, {}, step});
}

void Host::VanishOn(HWND window, UINT message, std::function<void()> goes,
                    const std::string& step) {
    Arm({window, message, false, 0, std::move(goes), step});
}

void Host::Release() {
    ++releases_;
    SetEvent(release_);
    Invoke([this] {
        traps_.clear();
        answerFirst_.clear();
    });
}

void Host::FromOutside(HWND window, UINT message, MSG* posted) {
    const auto sprung = std::find_if(traps_.begin(), traps_.end(), [&](const Trap& t) {
        return (!t.window || t.window == window) && (!t.message || t.message == message);
    });
    if (sprung == traps_.end()) return;
    Trap trap = std::move(*sprung);
    traps_.erase(sprung);
    if (trap.hang) {
        Block(trap.ms, trap.step);
    } else if (!posted) {
        trap.window = window;
        trap.message = message;
        answerFirst_.push_back(std::move(trap));
    } else {
        posted->message = WM_NULL;
        ReportFault("vanish", trap.step);
        trap.goes();
    }
}

void Host::AnsweredFromOutside(HWND window, UINT message) {
    const auto answered =
        std::find_if(answerFirst_.begin(), answerFirst_.end(),
                     [&](const Trap& t) { return t.window == window && t.message == message; });
    if (answered == answerFirst_.end()) return;
    Trap trap = std::move(*answered);
    answerFirst_.erase(answered);
    ReportFault("vanish", trap.step);
    trap.goes();
}

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
    WaitAnswering(done, kFlushLimitMs);
    CloseHandle(done);
}

}  // namespace hostsim
