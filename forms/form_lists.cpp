// List boxes: items in the order they are added, and the sideways extent.
#include "forms/form.h"
#include "forms/form_state.h"

namespace forms {

void Form::AddItem(const std::string& name, const std::string& item) {
    ControlState* c = FindLoaded(name);
    if (c && c->hwnd)
        SendMessageA(c->hwnd, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
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

}  // namespace forms
