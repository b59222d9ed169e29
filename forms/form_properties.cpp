// The run-time properties of a form and its controls.
#include <algorithm>
#include <stdexcept>

#include "forms/form.h"
#include "forms/form_state.h"
#include "platform/units.h"

namespace forms {
namespace {

std::string WindowText(HWND window) {
    const int length = GetWindowTextLengthA(window);
    if (length <= 0) return {};
    std::string text(static_cast<size_t>(length) + 1, '\0');
    const int got = GetWindowTextA(window, text.data(), length + 1);
    text.resize(static_cast<size_t>(std::max(got, 0)));
    return text;
}

}  // namespace

TwipRect Form::Bounds() const {
    if (!state_) return {};
    RECT r;
    GetWindowRect(state_->hwnd, &r);
    const int dpi = state_->dpi;
    return {platform::PixelsToTwips(r.left, dpi), platform::PixelsToTwips(r.top, dpi),
            platform::PixelsToTwips(r.right - r.left, dpi),
            platform::PixelsToTwips(r.bottom - r.top, dpi)};
}

void Form::SetBounds(const TwipRect& b) {
    if (!state_) return;
    const int dpi = state_->dpi;
    SetWindowPos(state_->hwnd, nullptr, platform::TwipsToPixels(b.left, dpi),
                 platform::TwipsToPixels(b.top, dpi), platform::TwipsToPixels(b.width, dpi),
                 platform::TwipsToPixels(b.height, dpi), SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form::SetBackColour(COLORREF colour) {
    if (!state_) return;
    state_->back = colour;
    InvalidateRect(state_->hwnd, nullptr, FALSE);
}

int Form::TextWidth(const std::string& text) const {
    if (!state_) return 0;
    platform::ScopedGetDC dc(state_->hwnd);
    platform::ScopedSelectObject font(dc, state_->font.get());
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

void Form::Invalidate(ControlState& c) {
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

// Every property below has the same shape: nothing on a form that is not
// loaded, nothing when the value does not change, else store it and let the
// control show it.
template <typename T>
T Form::Get(const std::string& name, T ControlState::*field) const {
    const ControlState* c = FindLoaded(name);
    return c ? c->*field : T{};
}

template <typename T>
void Form::Set(const std::string& name, T ControlState::*field, T value,
               void (Form::*show)(ControlState&)) {
    ControlState* c = FindLoaded(name);
    if (!c || c->*field == value) return;
    c->*field = value;
    (this->*show)(*c);
}

bool Form::Visible(const std::string& name) const {
    return Get(name, &ControlState::visible);
}

void Form::SetVisible(const std::string& name, bool visible) {
    Set(name, &ControlState::visible, visible, &Form::ShowVisible);
}

void Form::ShowVisible(ControlState& c) {
    if (c.hwnd) {
        ShowWindow(c.hwnd, c.visible ? SW_SHOWNA : SW_HIDE);
        return;
    }
    if (!c.visible && state_->pressed == c.index) state_->pressed = -1;
    Invalidate(c);
}

COLORREF Form::ForeColour(const std::string& name) const {
    return Get(name, &ControlState::fore);
}

void Form::SetForeColour(const std::string& name, COLORREF colour) {
    Set(name, &ControlState::fore, colour, &Form::Invalidate);
}

void Form::SetAlignment(const std::string& name, Align align) {
    Set(name, &ControlState::align, align, &Form::Invalidate);
}

void Form::SetAutoSize(const std::string& name, bool autoSize) {
    Set(name, &ControlState::autoSize, autoSize, &Form::AutoSize);
}

void Form::SetOpaque(const std::string& name, bool opaque) {
    Set(name, &ControlState::opaque, opaque, &Form::Invalidate);
}

void Form::AutoSize(ControlState& c) {
    if (!c.autoSize || c.layout->kind != Kind::Label) {
        Invalidate(c);
        return;
    }
    platform::ScopedGetDC dc(state_->hwnd);
    platform::ScopedSelectObject font(dc, c.font.get());
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
    return Get(name, &ControlState::rect);
}

HWND Form::ControlHwnd(const std::string& name) const {
    return Get(name, &ControlState::hwnd);
}

}  // namespace forms
