// Building a form from its layout: the window, its controls, timers and
// menus; loading, showing, hiding and unloading it.
#include <algorithm>
#include <functional>
#include <stdexcept>

#include "forms/form.h"
#include "forms/form_state.h"
#include "platform/units.h"
#include "platform/window_class.h"

namespace forms {
namespace {

constexpr char kFormClass[] = "replymate.form";

bool HasMenuItem(const std::vector<MenuLayout>& menus, const std::string& name) {
    return std::any_of(menus.begin(), menus.end(), [&](const MenuLayout& m) {
        return m.items.empty() ? m.name == name : HasMenuItem(m.items, name);
    });
}

COLORREF DefaultFore(Kind kind) {
    switch (kind) {
        case Kind::TextBox:
        case Kind::ListBox:
        case Kind::Line:
            return GetSysColor(COLOR_WINDOWTEXT);
        default:
            return GetSysColor(COLOR_BTNTEXT);
    }
}

COLORREF DefaultBack(Kind kind) {
    return kind == Kind::TextBox || kind == Kind::ListBox ? GetSysColor(COLOR_WINDOW)
                                                          : GetSysColor(COLOR_BTNFACE);
}

RECT ToPixels(const TwipRect& r, int dpi) {
    const int left = platform::TwipsToPixels(r.left, dpi),
              top = platform::TwipsToPixels(r.top, dpi);
    return {left, top, left + platform::TwipsToPixels(r.width, dpi),
            top + platform::TwipsToPixels(r.height, dpi)};
}

DWORD WindowStyle(Border border) {
    // WS_SYSMENU and WS_MINIMIZEBOX draw nothing on a borderless window but let
    // the task list minimise and restore it.
    return border == Border::None ? WS_POPUP | WS_CLIPCHILDREN | WS_SYSMENU | WS_MINIMIZEBOX
                                  : WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
}

}  // namespace

HBITMAP Form::State::Picture(int id) {
    if (id == 0) return nullptr;
    auto it = pictures.find(id);
    if (it == pictures.end()) {
        auto* loaded =
            static_cast<HBITMAP>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id),
                                            IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
        it = pictures.emplace(id, platform::Bitmap(loaded)).first;
    }
    return it->second.get();
}

Form::Form(FormLayout layout) : layout_(std::move(layout)) {}

Form::~Form() {
    Unload();
}

void Form::On(const std::string& name, Event event, Handler handler) {
    // A misspelt name would bind a handler that never runs; better to fail
    // where it is bound.
    if (!CanRaise(name, event))
        throw std::invalid_argument(layout_.name + " has nothing named " + name +
                                    " that raises that event");
    handlers_[{name, event}] = std::move(handler);
}

bool Form::CanRaise(const std::string& name, Event event) const {
    if (name == kForm) return event == Event::Load || event == Event::Close;
    if (event == Event::Timer)
        return std::any_of(layout_.timers.begin(), layout_.timers.end(),
                           [&](const TimerLayout& t) { return t.name == name; });
    const bool control = std::any_of(layout_.controls.begin(), layout_.controls.end(),
                                     [&](const ControlLayout& c) { return c.name == name; });
    if (control) return event != Event::Load && event != Event::Close;
    return event == Event::Click && HasMenuItem(layout_.menus, name);
}

HWND Form::Hwnd() const {
    return state_ ? state_->hwnd : nullptr;
}

void Form::Load() {
    if (state_) return;
    ++generation_;
    CreateWindowFromLayout();
    if (!state_) return;
    Fire(kForm, Event::Load);
}

void Form::CreateWindowFromLayout() {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    platform::RegisterWindowClass(kFormClass, &Form::WindowProc);

    auto state = std::make_unique<State>();
    state->dpi = platform::ScreenDpi();
    state->back = layout_.back ? layout_.back->Resolve() : GetSysColor(COLOR_BTNFACE);
    state->font.Reset(CreateLayoutFont(layout_.font, state->dpi));
    state_ = std::move(state);

    const DWORD style = WindowStyle(layout_.border);
    RECT outer{0, 0, platform::TwipsToPixels(layout_.clientWidth, state_->dpi),
               platform::TwipsToPixels(layout_.clientHeight, state_->dpi)};
    AdjustWindowRectEx(&outer, style, FALSE, 0);
    const int width = outer.right - outer.left, height = outer.bottom - outer.top;

    // Borderless windows have no default place of their own (a popup at
    // CW_USEDEFAULT lands at 0, 0), so such a window is made as an ordinary one
    // to be given the system's default place, then stripped of its frame.
    const bool defaultPlace = !layout_.place;
    const DWORD createStyle =
        defaultPlace && layout_.border == Border::None ? WS_OVERLAPPED | WS_CLIPCHILDREN : style;
    const int x =
        defaultPlace ? CW_USEDEFAULT : platform::TwipsToPixels(layout_.place->x, state_->dpi);
    const int y =
        defaultPlace ? CW_USEDEFAULT : platform::TwipsToPixels(layout_.place->y, state_->dpi);

    HWND window = CreateWindowExA(0, kFormClass, layout_.caption.c_str(), createStyle, x, y, width,
                                  height, nullptr, nullptr, instance, this);
    if (!window) {
        state_.reset();
        return;
    }
    if (createStyle != style) {
        SetWindowLongPtrA(window, GWL_STYLE, static_cast<LONG_PTR>(style));
        SetWindowPos(window, nullptr, 0, 0, width, height,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    }
    if (layout_.icon) {
        HICON big = static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(layout_.icon),
                                                  IMAGE_ICON, GetSystemMetrics(SM_CXICON),
                                                  GetSystemMetrics(SM_CYICON), LR_SHARED));
        HICON small = static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(layout_.icon),
                                                    IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                                    GetSystemMetrics(SM_CYSMICON), LR_SHARED));
        SendMessageA(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big));
        SendMessageA(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small));
    }
    CreateControls();

    for (size_t i = 0; i < layout_.timers.size(); ++i) {
        TimerState t;
        t.layout = &layout_.timers[i];
        t.id = i + 1;
        t.intervalMs = t.layout->intervalMs;
        state_->timers.push_back(t);
        if (t.layout->enabled) SetTimerEnabled(t.layout->name, true);
    }

    UINT nextId = kFirstMenuId;
    std::function<HMENU(const MenuLayout&)> build = [&](const MenuLayout& menu) {
        HMENU popup = CreatePopupMenu();
        for (const MenuLayout& item : menu.items) {
            if (item.items.empty()) {
                AppendMenuA(popup, MF_STRING, nextId++, item.caption.c_str());
                state_->menuItems.push_back(item.name);
            } else {
                HMENU sub = build(item);
                AppendMenuA(popup, MF_POPUP, reinterpret_cast<UINT_PTR>(sub), item.caption.c_str());
            }
        }
        state_->popups[menu.name] = popup;
        return popup;
    };
    for (const MenuLayout& menu : layout_.menus) state_->menus.emplace_back(build(menu));
}

void Form::CreateControls() {
    State& st = *state_;
    HINSTANCE instance = GetModuleHandleA(nullptr);
    st.controls.resize(layout_.controls.size());
    HWND previous = HWND_TOP;
    for (size_t i = 0; i < layout_.controls.size(); ++i) {
        const ControlLayout& layout = layout_.controls[i];
        ControlState& c = st.controls[i];
        c.layout = &layout;
        c.index = static_cast<int>(i);
        c.fore = layout.fore ? layout.fore->Resolve() : DefaultFore(layout.kind);
        c.back = layout.back ? layout.back->Resolve() : DefaultBack(layout.kind);
        c.align = layout.align;
        c.opaque = layout.opaque;
        c.rect = ToPixels(layout.place, st.dpi);
        if (layout.kind != Kind::Image && layout.kind != Kind::Line)
            c.font.Reset(CreateLayoutFont(layout.font, st.dpi));
        if (!layout.IsWindowed()) {
            c.text = layout.text;
            continue;
        }

        const char* cls = "BUTTON";
        DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS;
        DWORD exStyle = 0;
        switch (layout.kind) {
            case Kind::Button:
                style |= BS_OWNERDRAW;
                break;
            case Kind::TextBox:
                cls = "EDIT";
                exStyle = WS_EX_CLIENTEDGE;
                style |= ES_LEFT | (layout.multiLine ? ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL
                                                     : ES_AUTOHSCROLL);
                break;
            default:
                // Never LBS_SORT: line n of the two logs must stay the same message.
                cls = "LISTBOX";
                exStyle = WS_EX_CLIENTEDGE;
                style |= WS_VSCROLL | WS_HSCROLL | LBS_NOINTEGRALHEIGHT | LBS_NOTIFY;
                break;
        }
        c.hwnd = CreateWindowExA(exStyle, cls, layout.text.c_str(), style, c.rect.left, c.rect.top,
                                 c.rect.right - c.rect.left, c.rect.bottom - c.rect.top, st.hwnd,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFirstControlId + i)),
                                 instance, nullptr);
        if (!c.hwnd) continue;
        c.backBrush.Reset(CreateSolidBrush(c.back));
        SendMessageA(c.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(c.font.get()), FALSE);
        SetPropA(c.hwnd, kOriginalProcProp,
                 reinterpret_cast<HANDLE>(GetWindowLongPtrA(c.hwnd, GWLP_WNDPROC)));
        SetWindowLongPtrA(c.hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Form::ControlProc));
        // The layout lists windowed controls front-most first.
        SetWindowPos(c.hwnd, previous, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        previous = c.hwnd;
        if (layout.tab >= 0) st.tabOrder.push_back(c.index);
    }
    std::stable_sort(st.tabOrder.begin(), st.tabOrder.end(), [&](int a, int b) {
        return layout_.controls[a].tab < layout_.controls[b].tab;
    });
}

void Form::Show() {
    Load();
    if (!state_ || layout_.neverShown) return;
    HWND window = state_->hwnd;
    ShowWindow(window, SW_SHOW);
    if (state_ && GetActiveWindow() == window) {
        HWND focus = GetFocus();
        if (!focus || !IsChild(window, focus)) FocusFirst();
    }
}

void Form::Hide() {
    if (state_) ShowWindow(state_->hwnd, SW_HIDE);
}

void Form::Unload() {
    if (!state_) return;
    ++generation_;
    std::unique_ptr<State> gone = std::move(state_);
    // The window goes before the fonts, brushes and pictures it still uses.
    DestroyWindow(gone->hwnd);
}

}  // namespace forms
