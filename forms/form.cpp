// Loading, unloading and the properties of a form and its controls.
#include "forms/form.h"

#include <algorithm>
#include <stdexcept>

#include "forms/form_state.h"
#include "forms/units.h"

namespace forms {
namespace {

constexpr char kFormClass[] = "replymate.form";
constexpr int kBoldWeight = FW_BOLD;
constexpr int kNormalWeight = FW_NORMAL;

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
    const int left = TwipsToPixels(r.left, dpi), top = TwipsToPixels(r.top, dpi);
    return {left, top, left + TwipsToPixels(r.width, dpi), top + TwipsToPixels(r.height, dpi)};
}

DWORD WindowStyle(Border border) {
    // WS_SYSMENU and WS_MINIMIZEBOX draw nothing on a borderless window but let
    // the task list minimise and restore it.
    return border == Border::None ? WS_POPUP | WS_CLIPCHILDREN | WS_SYSMENU | WS_MINIMIZEBOX
                                  : WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
}

void RegisterFormClass(HINSTANCE instance, WNDPROC procedure) {
    WNDCLASSEXA existing{sizeof existing};
    if (GetClassInfoExA(instance, kFormClass, &existing)) return;
    WNDCLASSEXA wc{sizeof wc};
    wc.lpfnWndProc = procedure;
    wc.hInstance = instance;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.lpszClassName = kFormClass;
    RegisterClassExA(&wc);
}

std::string WindowText(HWND window) {
    const int length = GetWindowTextLengthA(window);
    if (length <= 0) return {};
    std::string text(static_cast<size_t>(length) + 1, '\0');
    const int got = GetWindowTextA(window, text.data(), length + 1);
    text.resize(static_cast<size_t>(std::max(got, 0)));
    return text;
}

// Faces with the same widths as the classic ones, for systems that lack
// those: without them captions wrap and get cut in their fixed-size labels.
struct FaceFallback {
    const char* face;
    const char* fallback;
};
constexpr FaceFallback kFaceFallbacks[] = {
    {"Arial", "Liberation Sans"},
    {"Arial Narrow", "Liberation Sans Narrow"},
};

int CALLBACK NoteFound(const LOGFONTA*, const TEXTMETRICA*, DWORD, LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

bool FaceInstalled(const std::string& face) {
    LOGFONTA query{};
    query.lfCharSet = DEFAULT_CHARSET;
    lstrcpynA(query.lfFaceName, face.c_str(), LF_FACESIZE);
    bool found = false;
    ScopedGetDC screen(nullptr);
    EnumFontFamiliesExA(screen, &query, &NoteFound, reinterpret_cast<LPARAM>(&found), 0);
    return found;
}

std::string InstalledFace(const std::string& face) {
    if (FaceInstalled(face)) return face;
    for (const FaceFallback& f : kFaceFallbacks)
        if (face == f.face && FaceInstalled(f.fallback)) return f.fallback;
    return face;
}

}  // namespace

HFONT CreateLayoutFont(const FontStyle& font, int dpi) {
    const std::string face = InstalledFace(font.face);
    return CreateFontA(FontHeight(font.points, dpi), 0, 0, 0,
                       font.bold ? kBoldWeight : kNormalWeight, FALSE, FALSE, FALSE, ANSI_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                       DEFAULT_PITCH | FF_DONTCARE, face.c_str());
}

HBITMAP Form::State::Picture(int id) {
    if (id == 0) return nullptr;
    auto it = pictures.find(id);
    if (it == pictures.end()) {
        auto* loaded =
            static_cast<HBITMAP>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id),
                                            IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
        it = pictures.emplace(id, Bitmap(loaded)).first;
    }
    return it->second.get();
}

Form::Form(FormLayout layout) : layout_(std::move(layout)) {}

Form::~Form() {
    Unload();
}

void Form::On(const std::string& name, Event event, Handler handler) {
    handlers_[{name, event}] = std::move(handler);
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
    RegisterFormClass(instance, &Form::WindowProc);

    auto state = std::make_unique<State>();
    state->dpi = ScreenDpi();
    state->back = layout_.back ? layout_.back->Resolve() : GetSysColor(COLOR_BTNFACE);
    state->font.Reset(CreateLayoutFont(layout_.font, state->dpi));
    state_ = std::move(state);

    const DWORD style = WindowStyle(layout_.border);
    RECT outer{0, 0, TwipsToPixels(layout_.clientWidth, state_->dpi),
               TwipsToPixels(layout_.clientHeight, state_->dpi)};
    AdjustWindowRectEx(&outer, style, FALSE, 0);
    const int width = outer.right - outer.left, height = outer.bottom - outer.top;

    // Borderless windows have no default place of their own (a popup at
    // CW_USEDEFAULT lands at 0, 0), so such a window is made as an ordinary one
    // to be given the system's default place, then stripped of its frame.
    const bool defaultPlace = !layout_.place;
    const DWORD createStyle =
        defaultPlace && layout_.border == Border::None ? WS_OVERLAPPED | WS_CLIPCHILDREN : style;
    const int x = defaultPlace ? CW_USEDEFAULT : TwipsToPixels(layout_.place->x, state_->dpi);
    const int y = defaultPlace ? CW_USEDEFAULT : TwipsToPixels(layout_.place->y, state_->dpi);

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

TwipRect Form::Bounds() const {
    if (!state_) return {};
    RECT r;
    GetWindowRect(state_->hwnd, &r);
    const int dpi = state_->dpi;
    return {PixelsToTwips(r.left, dpi), PixelsToTwips(r.top, dpi),
            PixelsToTwips(r.right - r.left, dpi), PixelsToTwips(r.bottom - r.top, dpi)};
}

void Form::SetBounds(const TwipRect& b) {
    if (!state_) return;
    const int dpi = state_->dpi;
    SetWindowPos(state_->hwnd, nullptr, TwipsToPixels(b.left, dpi), TwipsToPixels(b.top, dpi),
                 TwipsToPixels(b.width, dpi), TwipsToPixels(b.height, dpi),
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form::SetBackColour(COLORREF colour) {
    if (!state_) return;
    state_->back = colour;
    InvalidateRect(state_->hwnd, nullptr, FALSE);
}

HFONT Form::Font() const {
    return state_ ? state_->font.get() : nullptr;
}

int Form::TextWidth(const std::string& text) const {
    if (!state_) return 0;
    ScopedGetDC dc(state_->hwnd);
    ScopedSelectObject font(dc, state_->font.get());
    SIZE size{};
    GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
    return size.cx;
}

Form::ControlState& Form::Find(const std::string& name) const {
    for (ControlState& c : state_->controls)
        if (c.layout->name == name) return c;
    throw std::invalid_argument("no control named " + name + " on " + layout_.name);
}

// The run-time control, or null on a form that is not loaded; an unknown name
// throws either way.
Form::ControlState* Form::FindLoaded(const std::string& name) const {
    const bool known = std::any_of(layout_.controls.begin(), layout_.controls.end(),
                                   [&](const ControlLayout& c) { return c.name == name; });
    if (!known) throw std::invalid_argument("no control named " + name + " on " + layout_.name);
    return state_ ? &Find(name) : nullptr;
}

void Form::Invalidate(const ControlState& c) {
    if (c.hwnd) {
        InvalidateRect(c.hwnd, nullptr, TRUE);
    } else {
        InvalidateRect(state_->hwnd, &c.rect, FALSE);
    }
}

std::string Form::Text(const std::string& name) const {
    ControlState* c = FindLoaded(name);
    if (!c) return {};
    if (!c->hwnd) return c->text;
    if (c->layout->kind == Kind::ListBox) {
        const LRESULT selected = SendMessageA(c->hwnd, LB_GETCURSEL, 0, 0);
        return selected == LB_ERR ? std::string() : Item(name, static_cast<int>(selected));
    }
    return WindowText(c->hwnd);
}

void Form::SetText(const std::string& name, const std::string& text) {
    ControlState* c = FindLoaded(name);
    if (!c) return;
    if (c->layout->kind == Kind::ListBox) return;
    if (c->hwnd) {
        SetWindowTextA(c->hwnd, text.c_str());
        return;
    }
    if (c->text == text) return;
    Invalidate(*c);
    c->text = text;
    AutoSize(*c);
}

bool Form::Visible(const std::string& name) const {
    ControlState* c = FindLoaded(name);
    return c && c->visible;
}

void Form::SetVisible(const std::string& name, bool visible) {
    ControlState* c = FindLoaded(name);
    if (!c || c->visible == visible) return;
    c->visible = visible;
    if (c->hwnd) {
        ShowWindow(c->hwnd, visible ? SW_SHOWNA : SW_HIDE);
    } else {
        if (!visible && state_->pressed == c->index) state_->pressed = -1;
        Invalidate(*c);
    }
}

bool Form::Enabled(const std::string& name) const {
    ControlState* c = FindLoaded(name);
    return c && c->enabled;
}

void Form::SetEnabled(const std::string& name, bool enabled) {
    ControlState* c = FindLoaded(name);
    if (!c || c->enabled == enabled) return;
    c->enabled = enabled;
    if (c->hwnd) EnableWindow(c->hwnd, enabled);
    Invalidate(*c);
}

COLORREF Form::ForeColour(const std::string& name) const {
    ControlState* c = FindLoaded(name);
    return c ? c->fore : 0;
}

void Form::SetForeColour(const std::string& name, COLORREF colour) {
    ControlState* c = FindLoaded(name);
    if (!c || c->fore == colour) return;
    c->fore = colour;
    Invalidate(*c);
}

COLORREF Form::BackColour(const std::string& name) const {
    ControlState* c = FindLoaded(name);
    return c ? c->back : 0;
}

void Form::SetBackColour(const std::string& name, COLORREF colour) {
    ControlState* c = FindLoaded(name);
    if (!c || c->back == colour) return;
    c->back = colour;
    if (c->hwnd) c->backBrush.Reset(CreateSolidBrush(colour));
    Invalidate(*c);
}

void Form::SetAlignment(const std::string& name, Align align) {
    ControlState* c = FindLoaded(name);
    if (!c || c->align == align) return;
    c->align = align;
    Invalidate(*c);
}

void Form::SetAutoSize(const std::string& name, bool autoSize) {
    ControlState* c = FindLoaded(name);
    if (!c || c->autoSize == autoSize) return;
    c->autoSize = autoSize;
    AutoSize(*c);
}

void Form::SetOpaque(const std::string& name, bool opaque) {
    ControlState* c = FindLoaded(name);
    if (!c || c->opaque == opaque) return;
    c->opaque = opaque;
    Invalidate(*c);
}

void Form::AutoSize(ControlState& c) {
    if (!c.autoSize || c.layout->kind != Kind::Label) {
        Invalidate(c);
        return;
    }
    ScopedGetDC dc(state_->hwnd);
    ScopedSelectObject font(dc, c.font.get());
    RECT fit{0, 0, 0, 0};
    DrawTextA(dc, c.text.c_str(), static_cast<int>(c.text.size()), &fit, DT_CALCRECT | DT_NOPREFIX);
    const int width = fit.right - fit.left, height = fit.bottom - fit.top;
    Invalidate(c);
    switch (c.align) {
        case Align::Left:
            break;
        case Align::Right:
            c.rect.left = c.rect.right - width;
            break;
        case Align::Centre:
            c.rect.left = (c.rect.left + c.rect.right - width) / 2;
            break;
    }
    c.rect.right = c.rect.left + width;
    c.rect.bottom = c.rect.top + height;
    Invalidate(c);
}

RECT Form::ControlRect(const std::string& name) const {
    ControlState* c = FindLoaded(name);
    return c ? c->rect : RECT{};
}

HWND Form::ControlHwnd(const std::string& name) const {
    ControlState* c = FindLoaded(name);
    return c ? c->hwnd : nullptr;
}

HFONT Form::ControlFont(const std::string& name) const {
    ControlState* c = FindLoaded(name);
    return c ? c->font.get() : nullptr;
}

void Form::AddItem(const std::string& name, const std::string& item) {
    ControlState* c = FindLoaded(name);
    if (c && c->hwnd)
        SendMessageA(c->hwnd, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
}

void Form::RemoveItem(const std::string& name, int index) {
    ControlState* c = FindLoaded(name);
    if (c && c->hwnd) SendMessageA(c->hwnd, LB_DELETESTRING, static_cast<WPARAM>(index), 0);
}

int Form::ItemCount(const std::string& name) const {
    ControlState* c = FindLoaded(name);
    if (!c || !c->hwnd) return 0;
    const LRESULT count = SendMessageA(c->hwnd, LB_GETCOUNT, 0, 0);
    return count == LB_ERR ? 0 : static_cast<int>(count);
}

std::string Form::Item(const std::string& name, int index) const {
    ControlState* c = FindLoaded(name);
    if (!c || !c->hwnd) return {};
    const LRESULT length = SendMessageA(c->hwnd, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length == LB_ERR || length <= 0) return {};
    std::string text(static_cast<size_t>(length) + 1, '\0');
    const LRESULT got = SendMessageA(c->hwnd, LB_GETTEXT, static_cast<WPARAM>(index),
                                     reinterpret_cast<LPARAM>(text.data()));
    text.resize(got == LB_ERR ? 0 : static_cast<size_t>(got));
    return text;
}

void Form::ClearItems(const std::string& name) {
    ControlState* c = FindLoaded(name);
    if (c && c->hwnd) SendMessageA(c->hwnd, LB_RESETCONTENT, 0, 0);
}

void Form::SetHorizontalExtent(const std::string& name, int pixels) {
    ControlState* c = FindLoaded(name);
    if (c && c->hwnd) SendMessageA(c->hwnd, LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(pixels), 0);
}

Form::TimerState* Form::FindTimer(const std::string& name) const {
    const bool known = std::any_of(layout_.timers.begin(), layout_.timers.end(),
                                   [&](const TimerLayout& t) { return t.name == name; });
    if (!known) throw std::invalid_argument("no timer named " + name + " on " + layout_.name);
    if (!state_) return nullptr;
    for (TimerState& t : state_->timers)
        if (t.layout->name == name) return &t;
    return nullptr;
}

bool Form::TimerEnabled(const std::string& name) const {
    TimerState* t = FindTimer(name);
    return t && t->enabled;
}

void Form::SetTimerEnabled(const std::string& name, bool enabled) {
    TimerState* t = FindTimer(name);
    if (!t) return;
    // Enabling a running timer keeps its interval running rather than restarting it.
    if (enabled == t->enabled) return;
    t->enabled = enabled;
    if (enabled && t->intervalMs > 0) {
        SetTimer(state_->hwnd, t->id, static_cast<UINT>(t->intervalMs), nullptr);
    } else {
        KillTimer(state_->hwnd, t->id);
    }
}

int Form::TimerInterval(const std::string& name) const {
    TimerState* t = FindTimer(name);
    return t ? t->intervalMs : 0;
}

void Form::SetTimerInterval(const std::string& name, int ms) {
    TimerState* t = FindTimer(name);
    if (!t || t->intervalMs == ms) return;
    t->intervalMs = ms;
    if (!t->enabled) return;
    if (ms > 0) {
        SetTimer(state_->hwnd, t->id, static_cast<UINT>(ms), nullptr);
    } else {
        KillTimer(state_->hwnd, t->id);
    }
}

namespace {

bool HasMenu(const std::vector<MenuLayout>& menus, const std::string& name) {
    return std::any_of(menus.begin(), menus.end(), [&](const MenuLayout& m) {
        return (m.name == name && !m.items.empty()) || HasMenu(m.items, name);
    });
}

}  // namespace

void Form::PopupMenu(const std::string& menuName) {
    if (!HasMenu(layout_.menus, menuName))
        throw std::invalid_argument("no menu named " + menuName + " on " + layout_.name);
    Load();
    if (!state_) return;
    auto it = state_->popups.find(menuName);
    if (it == state_->popups.end()) return;
    HWND owner = state_->hwnd;
    POINT at{};
    GetCursorPos(&at);
    // The owner must be foreground or the menu will not close when the user
    // clicks away from it.
    SetForegroundWindow(owner);
    TrackPopupMenu(it->second, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_LEFTBUTTON, at.x, at.y, 0, owner,
                   nullptr);
    // Without a message after it, the next popup of a hidden owner can close
    // as soon as it opens.
    PostMessageA(owner, WM_NULL, 0, 0);
    // The choice arrives as a posted WM_COMMAND; run it now so the item's
    // handler has run when the popup call returns.
    MSG msg;
    if (PeekMessageA(&msg, owner, WM_COMMAND, WM_COMMAND, PM_REMOVE)) DispatchMessageA(&msg);
}

}  // namespace forms
