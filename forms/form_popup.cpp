// Popping up one of a form's menus at the pointer.
#include <algorithm>
#include <stdexcept>

#include "forms/form.h"
#include "forms/form_state.h"

namespace forms {

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
