#include "host/primitives.h"

namespace host {

std::string GetText(HostLink& link, HWND window, bool* cutShort) {
    if (cutShort) *cutShort = false;
    LRESULT length = 0;
    if (!link.Send(window, WM_GETTEXTLENGTH, 0, 0, &length) || length <= 0) return {};
    if (length > kMaxHostTextLength) {
        length = kMaxHostTextLength;
        if (cutShort) *cutShort = true;
    }
    std::string buffer(static_cast<size_t>(length) + 1, '\0');
    if (!link.Send(window, WM_GETTEXT, static_cast<WPARAM>(length) + 1,
                   reinterpret_cast<LPARAM>(buffer.data()))) {
        return {};
    }
    buffer.resize(static_cast<size_t>(length));
    return buffer;
}

bool SetText(HostLink& link, HWND window, const std::string& text) {
    return link.Send(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

bool SendEnterChar(HostLink& link, HWND window) {
    return link.Send(window, WM_CHAR, VK_RETURN, 0);
}

bool SendClick(HostLink& link, HWND window) {
    return link.Send(window, WM_LBUTTONDOWN, 0, 0) && link.Send(window, WM_LBUTTONUP, 0, 0);
}

namespace {

bool PostPair(HWND window, UINT first, UINT second, WPARAM wParam) {
    if (!window) return false;
    return PostMessageA(window, first, wParam, 0) && PostMessageA(window, second, wParam, 0);
}

}  // namespace

bool PostClick(HWND window) {
    return PostPair(window, WM_LBUTTONDOWN, WM_LBUTTONUP, 0);
}

bool PostKey(HWND window, WPARAM virtualKey) {
    return PostPair(window, WM_KEYDOWN, WM_KEYUP, virtualKey);
}

bool PostClose(HWND window) {
    return window && PostMessageA(window, WM_CLOSE, 0, 0);
}

}  // namespace host
