#include "hostsim/im_service.h"

#include <algorithm>
#include <map>
#include <mutex>

#include "host/clock.h"
#include "host/signature.h"
#include "host/window_names.h"
#include "hostsim/controls.h"

namespace hostsim {
namespace {

constexpr char kTimerWindowClass[] = "hostsim im timers";
constexpr char kFramePropState[] = "hostsim.im.state";
constexpr int kSendIconNumber = 9;
constexpr int kConversationIcons = 4;
constexpr int kEditWindowIcons = 3;
constexpr char kEditWindowCaption[] = "Enter Screen Name";
constexpr DWORD kBoxWatchMs = 10;

constexpr const char* kMenuItems[ImService::kItemCount] = {
    "Contact List", "Locate a Member",      "Member Directory", "Away Message",
    "More",         "Send Instant Message", "Message Settings",
};
constexpr const char* kSubMenuItems[] = {"First Option", "Second Option", "Third Option"};

}  // namespace

// Everything the host thread's handlers need; shared with the click actions,
// which may outlive the ImService that set them.
struct ImService::State : std::enable_shared_from_this<ImService::State> {
    Host* host = nullptr;
    Options options;
    HWND timers = nullptr;  // our message-only window for delayed work
    HWND frame = nullptr;
    WNDPROC frameProc = nullptr;
    UINT_PTR nextTimer = 1;
    bool awaitingMenuWindow = false;  // host thread only
    std::map<UINT_PTR, std::function<void()>> pending;  // host thread only

    mutable std::mutex lock;
    std::vector<SentIM> sent;
    int menusOpened = 0;
    int lastChoice = 0;
    std::vector<HWND> menuWindows, conversations, boxes, boxButtons;
    std::vector<ComposeHandles> composeWindows;

    void Later(DWORD ms, std::function<void()> work);
    void ShowMenu(HWND icon);
    void OpenCompose();
    void AddComposeIcons(HWND compose, int left);
    void ComposeFilled(HWND compose);
    void OnSend(HWND compose);
    void WatchForMessageBox(std::shared_ptr<bool> shown);
    void Remember(std::vector<HWND>& list, HWND w) {
        std::lock_guard<std::mutex> guard(lock);
        if (std::find(list.begin(), list.end(), w) == list.end()) list.push_back(w);
    }
};

namespace {

LRESULT CALLBACK TimerWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* state = reinterpret_cast<ImService::State*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (message == WM_TIMER && state) {
        KillTimer(window, wParam);
        auto it = state->pending.find(wParam);
        if (it != state->pending.end()) {
            auto work = std::move(it->second);
            state->pending.erase(it);
            work();
        }
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

// A shown popup menu of this thread; with a submenu open, the submenu.
HWND ThisThreadsMenu() {
    for (HWND m = FindWindowExA(nullptr, nullptr, host::kMenuClass, nullptr); m;
         m = FindWindowExA(nullptr, m, host::kMenuClass, nullptr)) {
        if (IsWindowVisible(m) && GetWindowThreadProcessId(m, nullptr) == GetCurrentThreadId()) {
            return m;
        }
    }
    return nullptr;
}

// The frame owns the menus. The first selection (or the first idle moment)
// of a menu comes before any submenu can open, so the menu on screen then is
// the one the keys go to. An idle moment alone would not do: with every key
// already queued, the menu loop never goes idle.
LRESULT CALLBACK FrameSubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* state = reinterpret_cast<ImService::State*>(GetPropA(window, kFramePropState));
    if (!state) return DefWindowProcA(window, message, wParam, lParam);
    const bool menuEvent =
        message == WM_MENUSELECT || (message == WM_ENTERIDLE && wParam == MSGF_MENU);
    if (menuEvent && state->awaitingMenuWindow) {
        if (const HWND menu = ThisThreadsMenu()) {
            state->awaitingMenuWindow = false;
            state->Remember(state->menuWindows, menu);
        }
    }
    return CallWindowProcA(state->frameProc, window, message, wParam, lParam);
}

void RegisterTimerClass() {
    WNDCLASSA wc = {};
    if (GetClassInfoA(GetModuleHandleA(nullptr), kTimerWindowClass, &wc)) return;
    wc.lpfnWndProc = TimerWindowProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = kTimerWindowClass;
    RegisterClassA(&wc);
}

std::string ControlText(HWND control) {
    const ControlState* s = StateOf(control);
    return s ? s->text : std::string();
}

}  // namespace

void ImService::State::Later(DWORD ms, std::function<void()> work) {
    if (ms == 0) {
        work();
        return;
    }
    const UINT_PTR id = nextTimer++;
    pending[id] = std::move(work);
    SetTimer(timers, id, ms, nullptr);
}

void ImService::State::ShowMenu(HWND icon) {
    if (!options.menuOpens) return;
    HMENU sub = CreatePopupMenu();
    for (int i = 0; i < static_cast<int>(sizeof kSubMenuItems / sizeof kSubMenuItems[0]); ++i) {
        AppendMenuA(sub, MF_STRING, kFirstSubCommand + i, kSubMenuItems[i]);
    }
    HMENU menu = CreatePopupMenu();
    for (int i = 0; i < kItemCount; ++i) {
        if (i + 1 == kSubMenuItem) {
            AppendMenuA(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(sub), kMenuItems[i]);
        } else {
            AppendMenuA(menu, MF_STRING, kFirstCommand + i, kMenuItems[i]);
        }
    }
    RECT r{};
    GetWindowRect(icon, &r);
    {
        std::lock_guard<std::mutex> guard(lock);
        ++menusOpened;
    }
    // The menu must be foreground or it will not close when the user clicks away.
    SetForegroundWindow(frame);
    awaitingMenuWindow = true;
    const int choice = TrackPopupMenu(menu, TPM_RETURNCMD | TPM_LEFTALIGN | TPM_TOPALIGN, r.left,
                                      r.bottom, 0, frame, nullptr);
    awaitingMenuWindow = false;
    DestroyMenu(menu);  // and its submenu with it
    {
        std::lock_guard<std::mutex> guard(lock);
        lastChoice = choice;
    }
    if (choice == kFirstCommand + kSendIMItem - 1 && options.composeOpens) {
        Later(options.composeDelayMs, [self = shared_from_this()] { self->OpenCompose(); });
    }
}

void ImService::State::OpenCompose() {
    const bool slow = options.composeIconIntervalMs > 0;
    const HWND compose = host->OpenChild({host::kComposeCaption,
                                          {{host::kEditClass, 1},
                                           {host::kRichClass, 1},
                                           {host::kIconClass, slow ? 0 : options.composeIcons}}});
    if (slow) {
        AddComposeIcons(compose, options.composeIcons);
    } else {
        ComposeFilled(compose);
    }
}

void ImService::State::AddComposeIcons(HWND compose, int left) {
    if (!IsWindow(compose)) return;
    if (left == 0) {
        ComposeFilled(compose);
        return;
    }
    constexpr int kIconSize = 24;
    const int placed = static_cast<int>(Host::Children(compose, host::kIconClass).size());
    CreateControl(compose, host::kIconClass, "", 4 + placed * (kIconSize + 3), 90, kIconSize,
                  kIconSize);
    Later(options.composeIconIntervalMs,
          [self = shared_from_this(), compose, left] { self->AddComposeIcons(compose, left - 1); });
}

void ImService::State::ComposeFilled(HWND compose) {
    const HWND send = host::NthChild(compose, host::kIconClass, kSendIconNumber);
    {
        std::lock_guard<std::mutex> guard(lock);
        composeWindows.push_back({compose, FindWindowExA(compose, nullptr, host::kEditClass, nullptr),
                                  FindWindowExA(compose, nullptr, host::kRichClass, nullptr), send});
    }
    if (send) host->SetClickAction(send, [self = shared_from_this(), compose] { self->OnSend(compose); });
}

void ImService::State::OnSend(HWND compose) {
    const std::string recipient =
        ControlText(FindWindowExA(compose, nullptr, host::kEditClass, nullptr));
    const std::string text = ControlText(FindWindowExA(compose, nullptr, host::kRichClass, nullptr));
    const bool refused =
        recipient.empty() ||
        std::find(options.refused.begin(), options.refused.end(), recipient) != options.refused.end();
    if (refused) {
        // Shown from the host's queue, not from inside the click: the box's
        // modal loop would otherwise run inside this button's handler.
        host->Post([self = shared_from_this(), recipient] {
            const std::string why = recipient.empty()
                                        ? std::string("Please enter a screen name.")
                                        : recipient + " is not currently signed on.";
            auto shown = std::make_shared<bool>(true);
            self->WatchForMessageBox(shown);
            MessageBoxA(self->frame, why.c_str(), host::kHostMessageBoxCaption, MB_OK);
            *shown = false;
        });
        return;
    }
    SentIM im{recipient, text, host::MonotonicSeconds()};
    {
        std::lock_guard<std::mutex> guard(lock);
        sent.push_back(im);
    }
    if (options.onSent) options.onSent(im);
    if (!options.answers) return;
    // As the host does: the compose window gives way to the conversation.
    host->Post([self = shared_from_this(), compose, recipient, text] {
        if (IsWindow(compose)) self->host->DestroyNow(compose);
        const Options& o = self->options;
        const std::string caption = o.conversationCaption
                                        ? o.conversationCaption(recipient)
                                        : host::kConversationCaptionPrefix + recipient;
        const HWND conversation = self->host->OpenChild(
            {caption,
             {{host::kRichClass, 1, ImService::SenderLine("You", text)},
              {host::kRichClass, 1},
              {host::kIconClass, kConversationIcons}}});
        self->Remember(self->conversations, conversation);
    });
}

// The box tells nobody its handle, so it is looked for from its own modal
// loop, which runs our timers, until it has been seen or has gone.
void ImService::State::WatchForMessageBox(std::shared_ptr<bool> shown) {
    Later(kBoxWatchMs, [self = shared_from_this(), shown] {
        if (!*shown) return;
        const HWND box = FindWindowA(host::kDialogClass, host::kHostMessageBoxCaption);
        if (box && GetWindowThreadProcessId(box, nullptr) == GetCurrentThreadId()) {
            self->Remember(self->boxes, box);
            self->Remember(self->boxButtons, FindWindowExA(box, nullptr, host::kButtonClass, nullptr));
            return;
        }
        self->WatchForMessageBox(shown);
    });
}

ImService::ImService(Host& host) : ImService(host, Options{}) {}

ImService::ImService(Host& host, Options options) : host_(host), state_(std::make_shared<State>()) {
    state_->host = &host;
    state_->options = std::move(options);
    State* state = state_.get();
    host.Invoke([state, &host] {
        RegisterTimerClass();
        state->timers = CreateWindowExA(0, kTimerWindowClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE,
                                        nullptr, GetModuleHandleA(nullptr), nullptr);
        SetWindowLongPtrA(state->timers, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(state));
        state->frame = host.frame();
        SetPropA(state->frame, kFramePropState, state);
        state->frameProc = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(
            state->frame, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(FrameSubclassProc)));
    });
    const std::vector<HWND> icons = host.toolbarIcons();
    if (static_cast<int>(icons.size()) >= kMenuIcon) {
        const HWND icon = icons[kMenuIcon - 1];
        auto shared = state_;
        // The menu runs its own loop; open it from the host's queue, after the click.
        host.SetClickAction(icon, [shared, icon] {
            shared->host->Post([shared, icon] { shared->ShowMenu(icon); });
        });
    }
}

ImService::~ImService() {
    const std::vector<HWND> icons = host_.toolbarIcons();
    if (static_cast<int>(icons.size()) >= kMenuIcon) host_.SetClickAction(icons[kMenuIcon - 1], {});
    State* state = state_.get();
    host_.Invoke([state] {
        SetWindowLongPtrA(state->frame, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(state->frameProc));
        RemovePropA(state->frame, kFramePropState);
        DestroyWindow(state->timers);
        state->timers = nullptr;
        state->pending.clear();
    });
}

HWND ImService::OpenIncomingIM(const std::string& sender, const std::vector<TranscriptLine>& lines) {
    return OpenIMWindow(kIncomingCaptionPrefix + sender, Transcript(lines));
}

HWND ImService::OpenIMWindow(const std::string& caption, const std::string& transcript,
                             ImWindowShape shape, bool atBack) {
    ChildLayout layout{caption, {}, atBack};
    layout.controls.push_back({host::kStaticClass, shape.statics});
    layout.controls.push_back({host::kViewClass, shape.views});
    if (shape.richs > 0) {
        layout.controls.push_back({host::kRichClass, 1, transcript});
        layout.controls.push_back({host::kRichClass, shape.richs - 1});
    }
    layout.controls.push_back({host::kIconClass, shape.icons});
    return host_.OpenChild(layout);
}

HWND ImService::OpenEditWindow() {
    const HWND window = host_.OpenChild({kEditWindowCaption,
                                         {{host::kStaticClass, 1, "Screen Name:"},
                                          {host::kEditClass, 1},
                                          {host::kIconClass, kEditWindowIcons}}});
    Host* host = &host_;
    host_.SetClickAction(host::NthChild(window, host::kIconClass, 1),
                         [host, window] { host->DestroyNow(window); });
    return window;
}

void ImService::VanishOnCaptionRead(HWND window) {
    Host* host = &host_;
    host_.VanishOn(window, WM_GETTEXT, [host, window] { host->DestroyNow(window); }, "sender");
}

std::string ImService::SenderLine(const std::string& name, const std::string& text) {
    return "\t" + name + ":\t " + text + " ";
}

std::string ImService::Transcript(const std::vector<TranscriptLine>& lines) {
    std::string out;
    for (const TranscriptLine& line : lines) out += SenderLine(line.who, line.text) + "\r\n";
    return out;
}

std::vector<SentIM> ImService::Sent() const {
    std::lock_guard<std::mutex> guard(state_->lock);
    return state_->sent;
}

int ImService::MenusOpened() const {
    std::lock_guard<std::mutex> guard(state_->lock);
    return state_->menusOpened;
}

int ImService::LastMenuChoice() const {
    std::lock_guard<std::mutex> guard(state_->lock);
    return state_->lastChoice;
}

std::vector<HWND> ImService::Handles(std::vector<HWND> State::*list) const {
    std::lock_guard<std::mutex> guard(state_->lock);
    return (*state_).*list;
}

std::vector<HWND> ImService::MenuWindows() const { return Handles(&State::menuWindows); }
std::vector<ComposeHandles> ImService::ComposeWindows() const {
    std::lock_guard<std::mutex> guard(state_->lock);
    return state_->composeWindows;
}
std::vector<HWND> ImService::Conversations() const { return Handles(&State::conversations); }
std::vector<HWND> ImService::MessageBoxes() const { return Handles(&State::boxes); }
std::vector<HWND> ImService::MessageBoxButtons() const { return Handles(&State::boxButtons); }

}  // namespace hostsim
