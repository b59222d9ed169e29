#include "hostsim/im_service.h"

#include <algorithm>
#include <map>
#include <mutex>
#include <optional>

#include "hostsim/clock.h"
#include "hostsim/controls.h"
#include "hostsim/host_tree.h"

namespace hostsim {
namespace {

constexpr char kTimerWindowClass[] = "hostsim im timers";
constexpr char kFramePropState[] = "hostsim.im.state";
constexpr int kSendIconNumber = 9;
constexpr int kConversationIcons = 4;
constexpr int kEditWindowIcons = 3;
constexpr char kEditWindowCaption[] = "Enter Screen Name";
constexpr DWORD kBoxWatchMs = 10;
// How long a compose or conversation window that vanishes stays after it came:
// long enough for the add-on to have seen it.
constexpr DWORD kComposeVanishesAfterMs = 150;
constexpr DWORD kConversationVanishesAfterMs = 250;
constexpr int kIconSize = 24;
// How often a compose window that never settles gains one more control.
constexpr DWORD kNeverSettlesIntervalMs = 100;
constexpr int kAddedIconsTop = 90;

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
    bool awaitingMenuWindow = false;                    // host thread only
    std::map<UINT_PTR, std::function<void()>> pending;  // host thread only
    std::optional<Fault> fault;                         // host thread only; goes off once
    bool refuseNext = false;                            // host thread only
    bool menuBroken = false;                            // host thread only
    bool composeBroken = false;                         // host thread only
    const char* refusingStep = "";

    mutable std::mutex lock;
    std::vector<SentIM> sent;
    int menusOpened = 0;
    std::vector<double> toolbarClicks;
    int lastChoice = 0;
    std::vector<HWND> menuWindows, conversations, boxes, boxButtons;
    std::vector<ComposeHandles> composeWindows;

    void Later(DWORD ms, std::function<void()> work);
    std::optional<Fault> Take(Step step);
    void ArmOnControl(Step step, HWND control, HWND window);
    void VanishAfter(DWORD ms, HWND window, const char* step);
    void OnToolbarClick(HWND icon);
    void ShowMenu(HWND icon);
    void OpenCompose();
    void AddIcons(HWND window, int left, DWORD intervalMs, std::function<void()> then);
    void ComposeFilled(HWND compose);
    void OnSend(HWND compose);
    void Answer(HWND compose, const std::string& recipient, const std::string& text);
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
    for (HWND m = FindWindowExA(nullptr, nullptr, tree::kPopupMenuClass, nullptr); m;
         m = FindWindowExA(nullptr, m, tree::kPopupMenuClass, nullptr)) {
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

std::optional<Fault> ImService::State::Take(Step step) {
    if (!fault || fault->step != step) return std::nullopt;
    const std::optional<Fault> taken = fault;
    fault.reset();
    return taken;
}

// A fault on a control the add-on types into or clicks: the host's thread
// stops there, or `window` goes away with it.
void ImService::State::ArmOnControl(Step step, HWND control, HWND window) {
    const std::optional<Fault> f = Take(step);
    if (!f) return;
    if (f->kind == FaultKind::Hang) host->HangOn(control, 0, f->ms, StepName(step));
    if (f->kind == FaultKind::Vanish) {
        Host* h = host;
        host->VanishOn(
            control, 0, [h, window] { h->DestroyNow(window); }, StepName(step));
    }
}

void ImService::State::VanishAfter(DWORD ms, HWND window, const char* step) {
    Host* h = host;
    Later(ms, [h, window, step] {
        h->ReportFault("vanish", step);
        h->DestroyNow(window);
    });
}

void ImService::State::OnToolbarClick(HWND icon) {
    {
        std::lock_guard<std::mutex> guard(lock);
        toolbarClicks.push_back(NowSeconds());
    }
    const std::optional<Fault> f = Take(Step::Toolbar);
    if (f && f->kind == FaultKind::Vanish) {
        host->ReportFault("no menu", StepName(Step::Toolbar));
        return;
    }
    // The menu runs its own loop; open it from the host's queue, after the click.
    auto show = [self = shared_from_this(), icon] { self->ShowMenu(icon); };
    if (f && f->kind == FaultKind::SlowFill) {
        host->ReportFault("slow", StepName(Step::Toolbar));
        Later(f->ms, show);
    } else {
        host->Post(show);
    }
}

void ImService::State::ShowMenu(HWND icon) {
    if (!options.menuOpens) return;
    if (menuBroken) {
        host->ReportFault("no menu", StepName(Step::Toolbar));
        return;
    }
    const std::optional<Fault> f = Take(Step::Menu);
    if (f && f->kind == FaultKind::Hang) host->HangOn(nullptr, WM_KEYDOWN, f->ms, "menu");
    const bool dropsChoice = f && f->kind == FaultKind::Vanish;
    const bool slow = f && f->kind == FaultKind::SlowFill;
    if (slow) host->ReportFault("slow", StepName(Step::Menu));
    const DWORD composeDelayMs = slow ? f->ms : options.composeDelayMs;
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
    if (dropsChoice) {
        // The menu went without its choice taking effect.
        host->ReportFault("vanish", StepName(Step::Menu));
        return;
    }
    {
        std::lock_guard<std::mutex> guard(lock);
        lastChoice = choice;
    }
    if (choice == kFirstCommand + kSendIMItem - 1 && options.composeOpens) {
        Later(composeDelayMs, [self = shared_from_this()] { self->OpenCompose(); });
    }
}

void ImService::State::OpenCompose() {
    const std::optional<Fault> f = Take(Step::Compose);
    const bool hangs = f && f->kind == FaultKind::Hang;
    const DWORD intervalMs = f && f->kind == FaultKind::SlowFill
                                 ? f->ms / static_cast<DWORD>(std::max(1, options.composeIcons))
                                 : options.composeIconIntervalMs;
    const bool iconsLater = hangs || intervalMs > 0 || composeBroken;
    if (f && f->kind == FaultKind::SlowFill) host->ReportFault("slow", StepName(Step::Compose));
    if (composeBroken) host->ReportFault("never settles", StepName(Step::Compose));
    const HWND compose =
        host->OpenChild({tree::kComposeCaption,
                         {{tree::kEditClass, 1},
                          {tree::kRichClass, 1},
                          {tree::kIconClass, iconsLater ? 0 : options.composeIcons}}});
    // Stuck half-way through making the window, as a busy host is.
    if (hangs) host->Block(f->ms, StepName(Step::Compose));
    auto filled = [self = shared_from_this(), compose] { self->ComposeFilled(compose); };
    if (composeBroken) {
        AddIcons(compose, -1, kNeverSettlesIntervalMs, {});
    } else if (iconsLater) {
        AddIcons(compose, options.composeIcons, intervalMs, filled);
    } else {
        filled();
    }
    if (f && f->kind == FaultKind::Vanish) {
        VanishAfter(kComposeVanishesAfterMs, compose, StepName(Step::Compose));
    }
}

// Adds `left` icons one by one (below zero: for as long as the window
// lasts), then runs `then`.
void ImService::State::AddIcons(HWND window, int left, DWORD intervalMs,
                                std::function<void()> then) {
    if (!IsWindow(window)) return;
    if (left == 0) {
        if (then) then();
        return;
    }
    const int placed = static_cast<int>(Host::Children(window, tree::kIconClass).size());
    CreateControl(window, tree::kIconClass, "", 4 + placed * (kIconSize + 3), kAddedIconsTop,
                  kIconSize, kIconSize);
    Later(intervalMs, [self = shared_from_this(), window, left, intervalMs, then] {
        self->AddIcons(window, left - 1, intervalMs, then);
    });
}

void ImService::State::ComposeFilled(HWND compose) {
    const HWND send = tree::NthChild(compose, tree::kIconClass, kSendIconNumber);
    {
        std::lock_guard<std::mutex> guard(lock);
        composeWindows.push_back(
            {compose, FindWindowExA(compose, nullptr, tree::kEditClass, nullptr),
             FindWindowExA(compose, nullptr, tree::kRichClass, nullptr), send});
    }
    if (send)
        host->SetClickAction(send, [self = shared_from_this(), compose] { self->OnSend(compose); });
    ArmOnControl(Step::Recipient, FindWindowExA(compose, nullptr, tree::kEditClass, nullptr),
                 compose);
    ArmOnControl(Step::Message, FindWindowExA(compose, nullptr, tree::kRichClass, nullptr),
                 compose);
    ArmOnControl(Step::Send, send, compose);
}

void ImService::State::OnSend(HWND compose) {
    const std::string recipient =
        ControlText(FindWindowExA(compose, nullptr, tree::kEditClass, nullptr));
    const std::string text =
        ControlText(FindWindowExA(compose, nullptr, tree::kRichClass, nullptr));
    const bool refused = refuseNext || recipient.empty() ||
                         std::find(options.refused.begin(), options.refused.end(), recipient) !=
                             options.refused.end();
    if (refuseNext) host->ReportFault("refuse", refusingStep);
    refuseNext = false;
    if (refused) {
        // Shown from the host's queue, not from inside the click: the box's
        // modal loop would otherwise run inside this button's handler.
        host->Post([self = shared_from_this(), recipient] {
            const std::string why = recipient.empty() ? std::string("Please enter a screen name.")
                                                      : recipient + " is not currently signed on.";
            auto shown = std::make_shared<bool>(true);
            self->WatchForMessageBox(shown);
            MessageBoxA(self->frame, why.c_str(), tree::kMessageBoxCaption, MB_OK);
            *shown = false;
        });
        return;
    }
    SentIM im{recipient, text, NowSeconds()};
    {
        std::lock_guard<std::mutex> guard(lock);
        sent.push_back(im);
    }
    if (options.onSent) options.onSent(im);
    const std::optional<Fault> f = Take(Step::Answer);
    // Taken, then stuck before answering.
    if (f && f->kind == FaultKind::Hang) host->Block(f->ms, StepName(Step::Answer));
    if (f && f->kind == FaultKind::Vanish) host->ReportFault("no answer", StepName(Step::Answer));
    if (!options.answers || (f && f->kind == FaultKind::Vanish)) return;
    auto answer = [self = shared_from_this(), compose, recipient, text] {
        self->Answer(compose, recipient, text);
    };
    if (f && f->kind == FaultKind::SlowFill) {
        host->ReportFault("slow", StepName(Step::Answer));
        Later(f->ms, answer);
    } else {
        host->Post(answer);
    }
}

// As the host does: the compose window gives way to the conversation.
void ImService::State::Answer(HWND compose, const std::string& recipient, const std::string& text) {
    if (IsWindow(compose)) host->DestroyNow(compose);
    const std::string caption = options.conversationCaption
                                    ? options.conversationCaption(recipient)
                                    : tree::kConversationCaptionPrefix + recipient;
    const HWND conversation =
        host->OpenChild({caption,
                         {{tree::kRichClass, 1, ImService::SenderLine("You", text)},
                          {tree::kRichClass, 1},
                          {tree::kIconClass, kConversationIcons}}});
    Remember(conversations, conversation);
    const std::optional<Fault> f = Take(Step::Conversation);
    if (f && f->kind == FaultKind::Hang) {
        host->HangOn(conversation, 0, f->ms, StepName(Step::Conversation));
    }
    if (f && f->kind == FaultKind::Vanish) {
        VanishAfter(kConversationVanishesAfterMs, conversation, StepName(Step::Conversation));
    }
}

// The box tells nobody its handle, so it is looked for from its own modal
// loop, which runs our timers, until it has been seen or has gone.
void ImService::State::WatchForMessageBox(std::shared_ptr<bool> shown) {
    Later(kBoxWatchMs, [self = shared_from_this(), shown] {
        if (!*shown) return;
        const HWND box = FindWindowA(tree::kMessageBoxClass, tree::kMessageBoxCaption);
        if (box && GetWindowThreadProcessId(box, nullptr) == GetCurrentThreadId()) {
            const HWND button = FindWindowExA(box, nullptr, tree::kMessageBoxButtonClass, nullptr);
            self->Remember(self->boxes, box);
            self->Remember(self->boxButtons, button);
            const std::optional<Fault> f = self->Take(Step::Box);
            if (f && f->kind == FaultKind::Hang) {
                self->host->HangOn(button, 0, f->ms, StepName(Step::Box));
            }
            if (f && f->kind == FaultKind::Vanish) {
                // Gone by itself before anyone pressed it.
                self->host->ReportFault("vanish", StepName(Step::Box));
                EndDialog(box, IDOK);
            }
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
        host.SetClickAction(icon, [shared, icon] { shared->OnToolbarClick(icon); });
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

HWND ImService::OpenIncomingIM(const std::string& sender,
                               const std::vector<TranscriptLine>& lines) {
    State* state = state_.get();
    std::optional<Fault> f;
    host_.Invoke([&] {
        for (Step step : {Step::Search, Step::Sender, Step::Transcript, Step::Close}) {
            if (!f) f = state->Take(step);
        }
    });
    const auto is = [&](Step step, FaultKind kind) {
        return f && f->step == step && f->kind == kind;
    };
    ImWindowShape shape;
    const int icons = shape.icons;
    if (is(Step::Search, FaultKind::SlowFill)) shape.icons = 0;
    const HWND window = OpenIMWindow(kIncomingCaptionPrefix + sender, Transcript(lines), shape);
    if (!f) return window;

    const HWND transcript = FindWindowExA(window, nullptr, tree::kRichClass, nullptr);
    Host* h = &host_;
    auto goes = [h, window] { h->DestroyNow(window); };
    const char* step = StepName(f->step);
    if (is(Step::Search, FaultKind::SlowFill)) {
        host_.ReportFault("slow", step);
        host_.Invoke(
            [&] { state->AddIcons(window, icons, f->ms / static_cast<DWORD>(icons), {}); });
    }
    // Hung while the add-on looks for the window, before it has asked anything.
    if (is(Step::Search, FaultKind::Hang)) host_.HangNow(f->ms, step);
    if (is(Step::Search, FaultKind::Vanish)) host_.VanishOn(window, 0, goes, step);
    if (is(Step::Sender, FaultKind::Hang)) host_.HangOn(window, WM_GETTEXT, f->ms, step);
    if (is(Step::Sender, FaultKind::Vanish)) host_.VanishOn(window, WM_GETTEXT, goes, step);
    if (is(Step::Transcript, FaultKind::Hang)) host_.HangOn(transcript, 0, f->ms, step);
    if (is(Step::Transcript, FaultKind::Vanish)) host_.VanishOn(transcript, 0, goes, step);
    if (is(Step::Close, FaultKind::Hang)) host_.HangOn(window, WM_CLOSE, f->ms, step);
    return window;
}

void ImService::Misbehave(const Fault& fault) {
    State* state = state_.get();
    Host* host = &host_;
    host_.Invoke([&] {
        if (fault.kind == FaultKind::Refuse || fault.step == Step::Box) {
            state->refuseNext = true;
            state->refusingStep = StepName(fault.step);
        }
        if (fault.kind == FaultKind::Refuse) return;
        const std::vector<HWND> icons = host->toolbarIcons();
        if (fault.step == Step::Toolbar && fault.kind == FaultKind::Hang &&
            static_cast<int>(icons.size()) >= kMenuIcon) {
            host->HangOn(icons[kMenuIcon - 1], 0, fault.ms, StepName(fault.step));
            return;
        }
        state->fault = fault;
    });
}

void ImService::Behave() {
    State* state = state_.get();
    host_.Invoke([state] {
        state->fault.reset();
        state->refuseNext = false;
        state->menuBroken = false;
        state->composeBroken = false;
    });
}

void ImService::Break(bool menu, bool compose) {
    State* state = state_.get();
    host_.Invoke([=] {
        state->menuBroken = menu;
        state->composeBroken = compose;
    });
}

HWND ImService::OpenIMWindow(const std::string& caption, const std::string& transcript,
                             ImWindowShape shape, bool atBack) {
    ChildLayout layout{caption, {}, atBack};
    layout.controls.push_back({tree::kStaticClass, shape.statics});
    layout.controls.push_back({tree::kViewClass, shape.views});
    if (shape.richs > 0) {
        layout.controls.push_back({tree::kRichClass, 1, transcript});
        layout.controls.push_back({tree::kRichClass, shape.richs - 1});
    }
    layout.controls.push_back({tree::kIconClass, shape.icons});
    return host_.OpenChild(layout);
}

HWND ImService::OpenEditWindow() {
    const HWND window = host_.OpenChild({kEditWindowCaption,
                                         {{tree::kStaticClass, 1, "Screen Name:"},
                                          {tree::kEditClass, 1},
                                          {tree::kIconClass, kEditWindowIcons}}});
    Host* host = &host_;
    host_.SetClickAction(tree::NthChild(window, tree::kIconClass, 1),
                         [host, window] { host->DestroyNow(window); });
    return window;
}

void ImService::VanishOnCaptionRead(HWND window) {
    Host* host = &host_;
    host_.VanishOn(
        window, WM_GETTEXT, [host, window] { host->DestroyNow(window); }, "sender");
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

std::vector<double> ImService::ToolbarClicks() const {
    std::lock_guard<std::mutex> guard(state_->lock);
    return state_->toolbarClicks;
}

int ImService::LastMenuChoice() const {
    std::lock_guard<std::mutex> guard(state_->lock);
    return state_->lastChoice;
}

std::vector<HWND> ImService::Handles(std::vector<HWND> State::*list) const {
    std::lock_guard<std::mutex> guard(state_->lock);
    return (*state_).*list;
}

std::vector<HWND> ImService::MenuWindows() const {
    return Handles(&State::menuWindows);
}
std::vector<ComposeHandles> ImService::ComposeWindows() const {
    std::lock_guard<std::mutex> guard(state_->lock);
    return state_->composeWindows;
}
std::vector<HWND> ImService::Conversations() const {
    return Handles(&State::conversations);
}
std::vector<HWND> ImService::MessageBoxes() const {
    return Handles(&State::boxes);
}
std::vector<HWND> ImService::MessageBoxButtons() const {
    return Handles(&State::boxButtons);
}

}  // namespace hostsim
