#include "hostsim/operator_window.h"

#include <algorithm>

namespace hostsim {
namespace {

constexpr UINT_PTR kPollTimer = 1;
constexpr UINT kPollIntervalMs = 100;
constexpr int kLeft = 0, kTop = 650, kWidth = 530, kHeight = 370;

// A host window's caption, read without a message to the host's thread: a
// WM_GETTEXT from us would trip a fault armed for the program's next message
// to that window, and would hold this thread for as long as the host hangs.
std::string CaptionUnsent(HWND window) {
    wchar_t wide[256] = L"";
    const int length = InternalGetWindowText(window, wide, 256);
    char caption[512] = "";
    WideCharToMultiByte(CP_ACP, 0, wide, length, caption, sizeof caption - 1, nullptr, nullptr);
    return caption;
}

enum ButtonId {
    kDeliverIM = 100,
    kOpenChat,
    kOpenEdit,
    kStartTransfer,
    kEndTransfer,
};

struct OperatorButton {
    int id;
    const char* caption;
};
constexpr OperatorButton kButtons[] = {
    {kDeliverIM, "Deliver IM"},      {kOpenChat, "Open chat room"},
    {kOpenEdit, "Open edit window"}, {kStartTransfer, "Start transfer"},
    {kEndTransfer, "End transfer"},
};

LRESULT CALLBACK OperatorProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* cs = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(cs->lpCreateParams));
    }
    auto* self = reinterpret_cast<OperatorWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!self || message == WM_NCCREATE) return DefWindowProcA(window, message, wParam, lParam);
    try {
        return self->Handle(window, message, wParam, lParam);
    } catch (...) {
        return 0;  // a failed command must not take the window procedure down
    }
}

std::string ControlText(HWND control) {
    char buffer[1024] = "";
    GetWindowTextA(control, buffer, sizeof buffer);
    return buffer;
}

}  // namespace

OperatorWindow::OperatorWindow(const Options& options) : log_(options.logPath) {
    Host::Options hostOptions;
    hostOptions.visible = options.showHost;
    // Written from the host's thread as the fault goes off; the log is
    // shared safely, and a test times its next move by it.
    EventLog* log = &log_;
    hostOptions.onFault = [log](const std::string& what, const std::string& step) {
        log->Write("fault", what, step);
    };
    host_ = std::make_unique<Host>(hostOptions);
    ImService::Options imOptions;
    imOptions.refused = options.refused;
    ims_ = std::make_unique<ImService>(*host_, imOptions);
    Build();
}

OperatorWindow::~OperatorWindow() {
    if (window_) {
        SetWindowLongPtrA(window_, GWLP_USERDATA, 0);
        DestroyWindow(window_);
    }
}

void OperatorWindow::Build() {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = OperatorProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    wc.lpszClassName = kOperatorClass;
    RegisterClassA(&wc);
    window_ = CreateWindowExA(0, kOperatorClass, "hostsim operator",
                              WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, kLeft, kTop,
                              kWidth, kHeight, nullptr, nullptr, GetModuleHandleA(nullptr), this);
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    const HFONT font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    auto make = [&](const char* cls, const char* text, DWORD style, int x, int y, int w, int h,
                    int id) {
        HWND c =
            CreateWindowExA(0, cls, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h, window_,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
        SendMessageA(c, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        return c;
    };
    make("STATIC", "Screen name:", 0, 8, 10, 80, 18, 0);
    sender_ = make("EDIT", "buddy", WS_BORDER | ES_AUTOHSCROLL, 92, 8, 150, 20, 0);
    make("STATIC", "Message:", 0, 8, 36, 80, 18, 0);
    text_ = make("EDIT", "are you there?", WS_BORDER | ES_AUTOHSCROLL, 92, 34, 420, 20, 0);
    int x = 8;
    for (const OperatorButton& b : kButtons) {
        make("BUTTON", b.caption, BS_PUSHBUTTON, x, 62, 98, 24, b.id);
        x += 102;
    }
    events_ = make("LISTBOX", "", WS_BORDER | WS_VSCROLL | WS_HSCROLL | LBS_NOINTEGRALHEIGHT, 8, 94,
                   504, 236, 0);
    SendMessageA(events_, LB_SETHORIZONTALEXTENT, 1200, 0);
    SetTimer(window_, kPollTimer, kPollIntervalMs, nullptr);
    ShowWindow(window_, SW_SHOWNOACTIVATE);
}

void OperatorWindow::Show(const std::string& line) {
    const LRESULT index =
        SendMessageA(events_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
    SendMessageA(events_, LB_SETTOPINDEX, static_cast<WPARAM>(index), 0);
}

void OperatorWindow::Track(HWND window, const std::string& kind, const std::string& caption) {
    tracked_.push_back({window, kind, caption});
    log_.Write("opened", kind, caption);
    Show("opened " + kind + ": " + caption);
}

bool OperatorWindow::Execute(const std::string& line) {
    const Command c = ParseCommand(line);
    if (c.verb == "im") {
        const std::string& sender = c.arg(0);
        const std::string& text = c.arg(1);
        HWND w = ims_->OpenIncomingIM(sender, {{sender, text}});
        Track(w, "incoming", ImService::kIncomingCaptionPrefix + sender);
    } else if (c.verb == "im-window") {
        // Any caption and transcript a stranger could make, escaped as in
        // the event log so they may hold tabs and line ends.
        const std::string caption = UnescapeField(c.arg(0));
        Track(ims_->OpenIMWindow(caption, UnescapeField(c.arg(1))), "incoming", caption);
    } else if (c.verb == "chat-open") {
        if (!chat_) {
            chat_ = std::make_unique<ChatRoom>(*host_, ChatRoomShape{}, "Chat Room: lobby", false,
                                               chatFillMs_);
            chatFillMs_ = 0;
            chatLinesSeen_ = 0;
            Track(chat_->window(), "chat", "Chat Room: lobby");
        }
    } else if (c.verb == "chat-close") {
        if (chat_) {
            host_->DestroyNow(chat_->window());
            chat_.reset();
        }
    } else if (c.verb == "chat-type") {
        if (chat_) chat_->Type(c.arg(0));
    } else if (c.verb == "edit-open") {
        Track(ims_->OpenEditWindow(), "edit", "edit field");
    } else if (c.verb == "transfer-start") {
        if (!transfer_) {
            transfer_ = std::make_unique<Transfer>(*host_);
            log_.Write("transfer", "start");
            Show("transfer started");
        }
    } else if (c.verb == "transfer-end") {
        if (transfer_) {
            transfer_.reset();
            log_.Write("transfer", "end");
            Show("transfer ended");
        }
    } else if (c.verb == "fault") {
        const std::optional<Fault> fault = ParseFault(c.arg(0), c.arg(1), c.arg(2));
        if (!fault || !Misbehave(*fault)) return false;
        log_.Write("armed", StepName(fault->step), FaultKindName(fault->kind));
        Show(std::string("armed: ") + FaultKindName(fault->kind) + " at " + StepName(fault->step));
    } else if (c.verb == "break") {
        // Until released: "menu" or "compose".
        const bool menu = c.arg(0) == "menu", compose = c.arg(0) == "compose";
        if (!menu && !compose) return false;
        ims_->Break(menu, compose);
        log_.Write("broken", c.arg(0));
        Show("broken until released: " + c.arg(0));
    } else if (c.verb == "release") {
        host_->Release();
        ims_->Behave();
        chatFillMs_ = 0;
        log_.Write("released", "");
        Show("released");
    } else if (c.verb == "quit") {
        PostQuitMessage(0);
    } else {
        return false;
    }
    return true;
}

void OperatorWindow::Poll() {
    const auto sent = ims_->Sent();
    for (; sentSeen_ < sent.size(); ++sentSeen_) {
        const SentIM& im = sent[sentSeen_];
        log_.Write("sent-im", im.recipient, im.text, im.at);
        Show("sent IM to \"" + im.recipient + "\": " + EscapeField(im.text));
    }
    // The conversations the host opened for what it sent, followed like the
    // windows it was told to open; one that came and went between two polls
    // is still told.
    const auto conversations = ims_->Conversations();
    for (; conversationsSeen_ < conversations.size(); ++conversationsSeen_) {
        const HWND w = conversations[conversationsSeen_];
        if (IsWindow(w)) {
            Track(w, "conversation", CaptionUnsent(w));
        } else {
            log_.Write("opened", "conversation", "");
            log_.Write("closed", "conversation", "");
        }
    }
    const auto clicks = ims_->ToolbarClicks();
    for (; toolbarClicksSeen_ < clicks.size(); ++toolbarClicksSeen_) {
        log_.Write("toolbar", "click", "", clicks[toolbarClicksSeen_]);
        Show("toolbar icon clicked");
    }
    if (chat_) {
        const auto lines = chat_->LinesSaid();
        for (; chatLinesSeen_ < lines.size(); ++chatLinesSeen_) {
            log_.Write("chat", lines[chatLinesSeen_]);
            Show("chat: " + lines[chatLinesSeen_]);
        }
    }
    for (auto it = tracked_.begin(); it != tracked_.end();) {
        if (IsWindow(it->window)) {
            ++it;
            continue;
        }
        log_.Write("closed", it->kind, it->caption);
        Show("closed " + it->kind + ": " + it->caption);
        if (chat_ && it->window == chat_->window()) chat_.reset();
        it = tracked_.erase(it);
    }
}

bool OperatorWindow::Misbehave(const Fault& fault) {
    switch (fault.step) {
        case Step::Chat:
            if (fault.kind == FaultKind::SlowFill) {
                chatFillMs_ = fault.ms;
                return true;
            }
            return chat_ && chat_->Misbehave(fault);
        case Step::Transfer:
            return transfer_ && transfer_->Misbehave(fault);
        default:
            ims_->Misbehave(fault);
            return true;
    }
}

void OperatorWindow::OnButton(int id) {
    switch (id) {
        case kDeliverIM:
            Execute(FormatCommand({"im", {ControlText(sender_), ControlText(text_)}}));
            break;
        case kOpenChat:
            Execute("chat-open");
            break;
        case kOpenEdit:
            Execute("edit-open");
            break;
        case kStartTransfer:
            Execute("transfer-start");
            break;
        case kEndTransfer:
            Execute("transfer-end");
            break;
    }
}

LRESULT OperatorWindow::Handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COPYDATA: {
            const std::string line =
                CommandFromCopyData(reinterpret_cast<const COPYDATASTRUCT*>(lParam));
            return !line.empty() && Execute(line) ? TRUE : FALSE;
        }
        case WM_COMMAND:
            if (HIWORD(wParam) == BN_CLICKED) OnButton(LOWORD(wParam));
            return 0;
        case WM_TIMER:
            if (wParam == kPollTimer) Poll();
            return 0;
        case WM_CLOSE:
            PostQuitMessage(0);
            return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace hostsim
